#include "tests/support/DeviceRoot.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char* BY_ID = "/serial/by-id";
}

DeviceRoot::DeviceRoot() {
    std::string pattern = (fs::temp_directory_path() / "devroot-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    dir_ = pattern;
    std::error_code ec;
    fs::create_directories(Dev(), ec);
    fs::create_directories(Sys(), ec);
}

DeviceRoot::~DeviceRoot() {
    std::error_code ec;
    if (!dir_.empty()) fs::remove_all(dir_, ec);
}

std::string DeviceRoot::ByIdPath(const std::string& byId) const {
    return Dev() + BY_ID + "/" + byId;
}

bool DeviceRoot::Link(const std::string& name, const std::string& target) {
    std::error_code ec;
    fs::remove(Path(name), ec);
    return ::symlink(target.c_str(), Path(name).c_str()) == 0;
}

PrinterPeer* DeviceRoot::Plug(const std::string& name, const std::string& byId) {
    auto peer = std::make_unique<PrinterPeer>();
    if (!peer->Ok() || !Link(name, peer->SlavePath())) return nullptr;
    if (!byId.empty()) {
        std::error_code ec;
        fs::create_directories(Dev() + BY_ID, ec);
        fs::remove(ByIdPath(byId), ec);
        if (::symlink(("../../" + name).c_str(), ByIdPath(byId).c_str()) != 0) return nullptr;
        byIds_[name] = byId;
    }
    PrinterPeer* raw = peer.get();
    if (auto old = plugged_.find(name); old != plugged_.end()) pulled_.push_back(std::move(old->second));
    plugged_[name] = std::move(peer);
    return raw;
}

void DeviceRoot::Unplug(const std::string& name) {
    std::error_code ec;
    if (auto it = plugged_.find(name); it != plugged_.end()) {
        it->second->CloseMaster();
        pulled_.push_back(std::move(it->second));
        plugged_.erase(it);
    }
    if (auto id = byIds_.find(name); id != byIds_.end()) {
        fs::remove(ByIdPath(id->second), ec);
        byIds_.erase(id);
    }
    fs::remove(Path(name), ec);
}
