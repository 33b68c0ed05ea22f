#include "AppTestSupport.h"

#include "app/cRegistry_Wrapper.h"
#include "support/VeltraneError.h"

#include <QDateTime>
#include <QFileInfo>
#include <QThread>

namespace {

const QString RaceKey = QStringLiteral("Software\\Tormask\\Race");

QStringList valueNames(int32_t hive, const QString &key)
{
    cRegistry registry;
    registry.SetClassKey(hive);
    registry.SetSectionKey(key);
    QStringList names;
    int32_t count = 0;
    registry.EnumerateValues(names, count);
    return names;
}

// Starts this test program as a writer: it says it is ready with the file `go`.<name>, waits
// for the file `go`, then writes `count` values named <name>_<i> under RaceKey.
QProcess *startWriter(const QString &name, int count, const QString &go, QObject *parent)
{
    return StartChildTest("RegistryWriterProcess.DISABLED_WriteValues",
                          QStringList{name, QString::number(count), go}.join('|'), parent);
}

} // namespace

// Run only as the child of the tests below.
TEST(RegistryWriterProcess, DISABLED_WriteValues)
{
    const QStringList job = ChildTestArgument().split('|');
    ASSERT_EQ(job.size(), 3);
    QFile(job[2] + u'.' + job[0]).open(QIODevice::WriteOnly);
    while (!QFileInfo::exists(job[2]))
        QThread::msleep(1);
    const int count = job[1].toInt();
    for (int i = 0; i < count; ++i) {
        RegSetString(HKEY_CURRENT_USER, RaceKey, QStringLiteral("%1_%2").arg(job[0]).arg(i), QString::number(i));
        RegSetString(HKEY_CURRENT_USER, RaceKey, QStringLiteral("Shared"), job[0]);
    }
}

class RegistryStoreTest : public RegistryTest
{
};

TEST_F(RegistryStoreTest, HiveFilesLiveInTheConfiguredFolder)
{
    EXPECT_EQ(RegistryStore::HiveFilePath(HKEY_CURRENT_USER), RegistryStore::Directory() + "/HKEY_CURRENT_USER.reg");
    EXPECT_EQ(RegistryStore::HiveFilePath(HKEY_LOCAL_MACHINE), RegistryStore::Directory() + "/HKEY_LOCAL_MACHINE.reg");
    EXPECT_EQ(RegistryStore::HiveFilePath(HKEY_CLASSES_ROOT), RegistryStore::Directory() + "/HKEY_CLASSES_ROOT.reg");
    EXPECT_TRUE(RegistryStore::HiveFilePath(int32_t(0x80000003)).isEmpty());
    EXPECT_FALSE(RegistryStore::Read(0).has_value());
    EXPECT_FALSE(RegistryStore::Modify(0, [](RegistryKey &) { return true; }));

    const QByteArray saved = qgetenv("VELTRANE_REGISTRY_DIR");
    qunsetenv("VELTRANE_REGISTRY_DIR");
    EXPECT_EQ(RegistryStore::Directory(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/veltrane/registry");
    qputenv("VELTRANE_REGISTRY_DIR", saved);
}

TEST_F(RegistryStoreTest, DamagedFileIsSetAsideReportedOnceAndTheHiveStartsEmpty)
{
    const QString path = RegistryStore::HiveFilePath(HKEY_CURRENT_USER);
    const QByteArray damaged = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tormask\\Veltrane]\r\n"
                               "\"WindowWidth\"=\"91";
    WriteHiveBytes(HKEY_CURRENT_USER, damaged);

    testing::internal::CaptureStderr();
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, "Software\\Tormask\\Veltrane", "WindowWidth", 1234), 1234);
    EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, "Software\\Tormask\\Veltrane", "WindowWidth", 1234), 1234);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("HKEY_CURRENT_USER.reg"), std::string::npos) << report;
    EXPECT_NE(report.find("line 4"), std::string::npos) << report;
    EXPECT_EQ(report.find("veltrane:"), report.rfind("veltrane:")) << "reported more than once: " << report;

    EXPECT_FALSE(QFileInfo::exists(path));
    QFile aside(path + ".bad");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);

    // The next damage does not overwrite the first one set aside.
    RegSetString(HKEY_CURRENT_USER, "Software\\Tormask\\Veltrane", "LastUsedDir", "/home");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, "Software\\Tormask\\Veltrane", "LastUsedDir"), "/home");
    WriteHiveBytes(HKEY_CURRENT_USER, "nonsense");
    testing::internal::CaptureStderr();
    RegSetString(HKEY_CURRENT_USER, "Software\\Tormask\\Veltrane", "LastUsedDir", "/tmp");
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(QFileInfo::exists(path + ".2.bad"));
    EXPECT_EQ(valueNames(HKEY_CURRENT_USER, "Software\\Tormask\\Veltrane"), QStringList{"LastUsedDir"});
}

TEST_F(RegistryStoreTest, AHiveThatCannotBeReadIsNeverReplaced)
{
    // A folder where the hive file should be cannot be read, whoever runs the test.
    const QString path = RegistryStore::HiveFilePath(HKEY_CURRENT_USER);
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    EXPECT_THROW(RegSetString(HKEY_CURRENT_USER, "K", "B", "2"), VeltraneError);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, "K", "B", "none"), "none");
    EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
    EXPECT_FALSE(QFileInfo::exists(path + ".bad"));
    QDir(path).removeRecursively();
}

TEST_F(RegistryStoreTest, TwoProcessesWritingAtTheSameMomentLoseNothing)
{
    constexpr int Count = 60;
    const QString go = RegistryStore::Directory() + "/../go";
    QFile::remove(go);
    QObject owner;
    QProcess *first = startWriter("First", Count, go, &owner);
    QProcess *second = startWriter("Second", Count, go, &owner);
    // Both started and waiting: a slow start of one must not let the other finish alone.
    for (int i = 0; i < 15000 && !(QFileInfo::exists(go + ".First") && QFileInfo::exists(go + ".Second")); ++i)
        QThread::msleep(2);
    QFile(go).open(QIODevice::WriteOnly);
    for (QProcess *process : {first, second})
        ExpectChildSucceeds(process);
    for (const QString &file : {go, go + ".First", go + ".Second"})
        QFile::remove(file);

    const QStringList names = valueNames(HKEY_CURRENT_USER, RaceKey);
    EXPECT_EQ(names.size(), 2 * Count + 1);
    // The writers really took turns: each wrote while the other was still writing.
    EXPECT_LT(names.indexOf("Second_0"), names.indexOf(QStringLiteral("First_%1").arg(Count - 1)));
    EXPECT_LT(names.indexOf("First_0"), names.indexOf(QStringLiteral("Second_%1").arg(Count - 1)));
    for (const char *writer : {"First", "Second"}) {
        for (int i = 0; i < Count; ++i) {
            const QString name = QStringLiteral("%1_%2").arg(writer).arg(i);
            EXPECT_EQ(RegGetLong(HKEY_CURRENT_USER, RaceKey, name, -1), i) << name.toStdString();
        }
    }
    EXPECT_TRUE(QStringList({"First", "Second"}).contains(RegGetString(HKEY_CURRENT_USER, RaceKey, "Shared")));
}

TEST_F(RegistryStoreTest, AWriterKilledInTheMiddleLeavesAWholeFileAndNoLock)
{
    const QString go = RegistryStore::Directory() + "/../go";
    QFile(go).open(QIODevice::WriteOnly);
    QObject owner;
    QProcess *writer = startWriter("Killed", 1000000, go, &owner);
    const QString path = RegistryStore::HiveFilePath(HKEY_CURRENT_USER);
    for (int i = 0; i < 5000 && !QFileInfo::exists(path); ++i)
        QThread::msleep(2);
    QThread::msleep(150);
    writer->kill();
    writer->waitForFinished();
    QFile::remove(go);
    QFile::remove(go + ".Killed");

    testing::internal::CaptureStderr();
    const QStringList names = valueNames(HKEY_CURRENT_USER, RaceKey);
    EXPECT_GT(names.size(), 1);
    RegSetString(HKEY_CURRENT_USER, RaceKey, "After", "yes");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, RaceKey, "After"), "yes");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(QFileInfo::exists(path + ".bad"));
}

// A writer killed as it took the lock leaves an empty lock file: once it is a few seconds
// old (well within a write's own timeout) the next write counts it stale and goes ahead.
TEST_F(RegistryStoreTest, AnEmptyLockFileLeftByADeadWriterIsTakenOver)
{
    RegSetString(HKEY_CURRENT_USER, RaceKey, "Before", "yes");
    QFile lock(RegistryStore::HiveFilePath(HKEY_CURRENT_USER) + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-8), QFileDevice::FileModificationTime));
    lock.close();
    RegSetString(HKEY_CURRENT_USER, RaceKey, "After", "yes");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, RaceKey, "After"), "yes");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, RaceKey, "Before"), "yes");
    EXPECT_FALSE(lock.exists());
}
