#include "RegistryStore.h"

#include "app/RegistryHiveFile.h"
#include "io/TextFileReader.h"
#include "io/TextFileWriter.h"
#include "support/VeltraneError.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

namespace RegistryStore {

namespace {

// Long enough for any other copy to finish its write, short enough not to hang a click.
constexpr int LockTimeoutMs = 10000;
// A copy that dies while it takes the lock can leave the lock file without its process
// number in it, and then only the file's age tells that it is stale (Qt's default age
// is 30 s, beyond the timeout). No write holds the lock for anywhere near this long.
constexpr int StaleLockMs = 4000;

enum class FileState { Missing, Unreadable, Damaged, Loaded };

struct LoadedHive
{
    FileState state = FileState::Missing;
    RegistryHiveFile::ParseResult parsed;
};

const QString Source = ErrorSource("RegistryStore");

LoadedHive load(const QString &path, const QString &rootName)
{
    LoadedHive result;
    if (!QFileInfo::exists(path))
        return result;
    QString text;
    try {
        text = TextFileReader::ReadTextFile(path, Source);
    } catch (const VeltraneError &) {
        result.state = FileState::Unreadable;
        return result;
    }
    result.parsed = RegistryHiveFile::Parse(text, rootName);
    result.state = result.parsed.ok ? FileState::Loaded : FileState::Damaged;
    return result;
}

bool lock(QLockFile &lockFile)
{
    // QLockFile's own waiting sleeps in steps of 100 ms and more; writes here take a few
    // milliseconds, so ask often.
    lockFile.setStaleLockTime(StaleLockMs);
    const QDeadlineTimer deadline(LockTimeoutMs);
    while (!lockFile.tryLock(0)) {
        if (lockFile.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
    return true;
}

// Renames a damaged hive file aside so that nothing in it is lost, and says so once.
bool setAside(const QString &path, const RegistryHiveFile::ParseResult &parsed)
{
    QString target = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".%1.bad").arg(n);
    const bool renamed = QFile::rename(path, target);

    static QSet<QString> reported;
    if (!reported.contains(path) || renamed) {
        reported.insert(path);
        QTextStream err(stderr);
        err << "veltrane: the registry file " << QDir::toNativeSeparators(path) << " cannot be read (line "
            << parsed.line << ": " << parsed.error << "); ";
        if (renamed)
            err << "it was renamed to " << QFileInfo(target).fileName() << " and its settings start empty.";
        else
            err << "it could not be renamed, so its settings are not changed.";
        err << Qt::endl;
    }
    return renamed;
}

} // namespace

QString Directory()
{
    const QString dir = qEnvironmentVariable("VELTRANE_REGISTRY_DIR");
    if (!dir.isEmpty())
        return dir;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/veltrane/registry");
}

QString HiveName(int32_t hive)
{
    switch (hive) {
    case HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    default:
        return {};
    }
}

QString HiveFilePath(int32_t hive)
{
    const QString name = HiveName(hive);
    return name.isEmpty() ? QString() : Directory() + QLatin1Char('/') + name + QStringLiteral(".reg");
}

std::optional<RegistryKey> Read(int32_t hive)
{
    const QString name = HiveName(hive);
    if (name.isEmpty())
        return std::nullopt;
    const QString path = HiveFilePath(hive);
    LoadedHive loaded = load(path, name);
    if (loaded.state == FileState::Damaged) {
        // Only one copy may set the file aside, and another may have just replaced it.
        QLockFile lockFile(path + QStringLiteral(".lock"));
        if (lock(lockFile)) {
            loaded = load(path, name);
            if (loaded.state == FileState::Damaged)
                setAside(path, loaded.parsed);
        }
    }
    if (loaded.state == FileState::Loaded)
        return std::move(loaded.parsed.root);
    return RegistryKey(name);
}

bool Modify(int32_t hive, const std::function<bool(RegistryKey &root)> &change)
{
    const QString name = HiveName(hive);
    if (name.isEmpty() || !QDir().mkpath(Directory()))
        return false;
    const QString path = HiveFilePath(hive);
    QLockFile lockFile(path + QStringLiteral(".lock"));
    if (!lock(lockFile))
        return false;

    LoadedHive loaded = load(path, name);
    RegistryKey root(name);
    switch (loaded.state) {
    case FileState::Unreadable:
        return false;
    case FileState::Damaged:
        if (!setAside(path, loaded.parsed))
            return false;
        break;
    case FileState::Loaded:
        root = std::move(loaded.parsed.root);
        break;
    case FileState::Missing:
        break;
    }
    if (!change(root))
        return true;

    try {
        TextFileWriter::SaveTextFile(path, RegistryHiveFile::Write(root, name), Source);
    } catch (const VeltraneError &) {
        return false;
    }
    return true;
}

} // namespace RegistryStore
