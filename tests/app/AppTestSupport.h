#pragma once

#include "MsgBoxRecorder.h"
#include "ProgramState.h"
#include "TestFiles.h"
#include "app/RegistryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// Every registry test starts from an empty store.
class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { ClearRegistry(); }

    static void ClearRegistry()
    {
        QDir dir(RegistryStore::Directory());
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
            dir.remove(name);
    }

    static QByteArray HiveBytes(int32_t hive) { return FileBytes(RegistryStore::HiveFilePath(hive)); }

    static void WriteHiveBytes(int32_t hive, const QByteArray &bytes)
    {
        QDir().mkpath(RegistryStore::Directory());
        ASSERT_TRUE(WriteFileBytes(RegistryStore::HiveFilePath(hive), bytes));
    }
};

// An empty store, a message box recorder, and the program-wide state and window hooks
// given back as they were after the test.
class AppTest : public RegistryTest
{
protected:
    ProgramState state;
    MsgBoxRecorder boxes;
};

// Runs the disabled test `test` ("Suite.DISABLED_Name") of this program in a child
// process that works on this process's registry store; `argument` reaches it as
// ChildTestArgument().
inline QProcess *StartChildTest(const QString &test, const QString &argument, QObject *parent)
{
    auto *process = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VELTRANE_TEST_PARENT_REGISTRY", RegistryStore::Directory());
    env.insert("VELTRANE_TEST_ARGUMENT", argument);
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QCoreApplication::applicationFilePath(), {"--gtest_also_run_disabled_tests", "--gtest_filter=" + test});
    EXPECT_TRUE(process->waitForStarted());
    return process;
}

inline void ExpectChildSucceeds(QProcess *process)
{
    ASSERT_TRUE(process->waitForFinished(60000));
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 0);
}

// In the child: adopts the parent's registry store and returns the argument it was given.
inline QString ChildTestArgument()
{
    qputenv("VELTRANE_REGISTRY_DIR", qgetenv("VELTRANE_TEST_PARENT_REGISTRY"));
    return qEnvironmentVariable("VELTRANE_TEST_ARGUMENT");
}
