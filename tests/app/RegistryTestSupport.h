#pragma once

#include "app/RegistryStore.h"

#include <QDir>
#include <QFile>
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

    static QByteArray HiveBytes(int32_t hive)
    {
        QFile file(RegistryStore::HiveFilePath(hive));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void WriteHiveBytes(int32_t hive, const QByteArray &bytes)
    {
        QDir().mkpath(RegistryStore::Directory());
        QFile file(RegistryStore::HiveFilePath(hive));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
};
