#include "InterfaceReaders.h"

#include <algorithm>

#include "ReaderCheckSupport.h"

namespace probe {

std::string displayNameOf(const ReaderDescription& description, const std::string& readerName) {
    const int count = std::min(description.namePatternCount, kMaxNamePatterns);
    for (int k = 0; k < count; ++k) {
        const auto index = static_cast<std::size_t>(k);
        if (containsIgnoringCase(readerName, description.namePatterns[index])) return description.displayNames[index];
    }
    return {};
}

std::string hexText(const unsigned char* bytes, std::size_t count, char separator) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
        if (separator) text += separator;
    }
    return text;
}

std::size_t boundedLength(const char* text, std::size_t size) {
    return static_cast<std::size_t>(std::find(text, text + size, '\0') - text);
}

}  // namespace probe
