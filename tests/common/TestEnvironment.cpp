#include "TestEnvironment.h"

#include <QDir>

TestEnvironment::TestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString base = m_root.path();
    QDir().mkpath(base + "/registry");
    QDir().mkpath(base + "/config");
    QDir().mkpath(base + "/data");
    qputenv("VELTRANE_REGISTRY_DIR", QFile::encodeName(base + "/registry"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + "/data"));
}
