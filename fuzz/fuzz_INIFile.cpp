// Reads arbitrary bytes as an INI document: reading must never crash, and once a
// document has been written, reading and writing it again must give the same bytes.
#include "io/INIFile.h"
#include "support/VeltraneError.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray WriteAndLoad(INIFile &ini, const QString &name)
{
    if (!ini.WriteFile(name))
        std::abort();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv); // relative names are read from its folder
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString input = dir.filePath("input.ini");
    const QString output = dir.filePath("output.ini");
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    INIFile ini;
    try {
        ini.ReadFile(input);
    } catch (const VeltraneError &) {
        return 0; // a header of "[" alone
    }
    ini.GetParameterValue("Topic", "Name");
    ini.GetNumericParameterValue("Topic", "TotalOptions");
    ini.CountSections();

    const QByteArray written = WriteAndLoad(ini, output);
    // A document that starts with U+FEFF writes bytes that read back as a byte-order mark.
    if (written.startsWith("\xEF\xBB\xBF"))
        return 0;
    INIFile again;
    again.ReadFile(output);
    if (WriteAndLoad(again, output) != written)
        std::abort();
    return 0;
}
