#include "ReceiptFiles.h"

#include "PrinterState.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#ifdef VPRINTER_WITH_QT
#include "ReceiptImage.h"
#endif

namespace vprinter {

namespace {

#ifdef VPRINTER_WITH_QT
constexpr const char* EXTENSION = ".png";
#else
constexpr const char* EXTENSION = ".pbm";

bool SavePbm(const PaperBitmap& paper, const std::string& path) {
    const int margin = PaperMargin(paper.Width());
    const int width = paper.Width() + 2 * margin;
    std::ofstream out(path, std::ios::binary);
    out << "P4\n" << width << " " << paper.Height() << "\n";
    std::vector<uint8_t> line((width + 7) / 8);
    for (int y = 0; y < paper.Height(); ++y) {
        std::fill(line.begin(), line.end(), 0);
        for (int x = 0; x < paper.Width(); ++x)
            if (paper.Get(x, y)) line[(x + margin) / 8] |= 0x80 >> ((x + margin) % 8);
        out.write(reinterpret_cast<const char*>(line.data()),
                  static_cast<std::streamsize>(line.size()));
    }
    return static_cast<bool>(out);
}
#endif

} // namespace

bool ReceiptFiles::Prepare(std::string* error) {
    std::error_code code;
    std::filesystem::create_directories(folder_, code);
    if (code) {
        *error = "cannot create " + folder_ + ": " + code.message();
        return false;
    }
    return true;
}

std::string ReceiptFiles::Write(const PaperBitmap& paper, [[maybe_unused]] const ReceiptLook& look,
                                std::string* error) {
    std::string path;
    for (;; ++next_) {
        char name[32];
        std::snprintf(name, sizeof name, "receipt-%04d%s", next_, EXTENSION);
        path = (std::filesystem::path(folder_) / name).string();
        if (!std::filesystem::exists(path)) break;
    }
    ++next_;
#ifdef VPRINTER_WITH_QT
    if (!SaveReceiptPng(paper, look, path, error)) return {};
#else
    if (!SavePbm(paper, path)) {
        *error = "cannot write " + path;
        return {};
    }
#endif
    return path;
}

} // namespace vprinter
