// `save_file PATH TEXT`: saves TEXT into PATH through the one saving path, as the console
// and talvane-cli do, so that a test can run a save as an ordinary user. Exit 0 when
// saved, else 4 with the reason on standard error.
#include "console/FileAccess.h"

#include <cstdio>

namespace {
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_FILE = 4;
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return EXIT_USAGE;
    files::Failure failure;
    if (files::SaveFile(argv[1], argv[2], failure)) return 0;
    std::fprintf(stderr, "%s\n", failure.text.c_str());
    return EXIT_FILE;
}
