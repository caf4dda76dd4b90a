#include "FileSystem.h"
#include "Registry.h"

namespace platform {

bool readRegString(RegKey& key, const std::string& name, std::uint32_t bufferSize, std::string& out) {
    RegValue value;
    if (key.queryValue(name, bufferSize, value) != kErrorSuccess) return false;
    std::string text = value.data;
    if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    out = text;
    return true;
}

std::string toTextMode(const std::string& text) {
    std::string stored;
    stored.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') stored += '\r';
        stored += c;
    }
    return stored;
}

}  // namespace platform
