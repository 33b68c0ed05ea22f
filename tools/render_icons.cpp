// Writes Veltrane's icon as PNG files in the icon theme layout:
//   veltrane_render_icons OUTDIR SIZE...  ->  OUTDIR/SIZExSIZE/apps/veltrane.png
#include "ui/support/AppIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "bad size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        if (!QDir().mkpath(folder) || !RenderAppIcon(size).save(folder + "/veltrane.png", "PNG")) {
            std::fprintf(stderr, "cannot write the %d pixel icon into %s\n", size, qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
