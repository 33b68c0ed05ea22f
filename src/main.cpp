#include "VeltraneVersion.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Veltrane %s\n", VELTRANE_VERSION_TEXT);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Usage: veltrane [FILE.vtp | /uninstall]\n");
            return 0;
        }
    }
    std::fprintf(stderr, "veltrane: the main window is not built yet; try --help\n");
    return 1;
}
