// Hive files are edited by hand and may be cut off by a crash: whatever the bytes, the
// parser must answer without crashing, and whatever it accepts must survive being
// written and read again unchanged.
#include "app/RegistryHiveFile.h"
#include "io/TextFileReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString root = QStringLiteral("HKEY_CURRENT_USER");
    const QString text = TextFileReader::DecodeText(QByteArrayView(data, qsizetype(size)));
    const RegistryHiveFile::ParseResult first = RegistryHiveFile::Parse(text, root);
    if (!first.ok) {
        if (first.error.isEmpty() || first.line < 1)
            std::abort();
        return 0;
    }
    const QString written = RegistryHiveFile::Write(first.root, root);
    const RegistryHiveFile::ParseResult second =
        RegistryHiveFile::Parse(TextFileReader::DecodeText(written.toUtf8()), root);
    if (!second.ok || !(second.root == first.root))
        std::abort();
    return 0;
}
