#include "ScriptText.h"

#include <cstdlib>
#include <sstream>

namespace platform::sim {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::vector<ScriptLine> scriptLines(const std::string& text) {
    std::vector<ScriptLine> lines;
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const auto start = raw.find_first_not_of(" \t");
        if (start == std::string::npos || raw[start] == '#') continue;
        ScriptLine line;
        const auto end = raw.find_first_of(" \t", start);
        line.keyword = raw.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end != std::string::npos) {
            line.rest = raw.substr(end + 1);
            std::istringstream words(line.rest);
            std::string word;
            while (words >> word) line.words.push_back(word);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::uint8_t> bytesFromHex(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= hex.size()) break;
        const int high = hexDigit(hex[i]);
        const int low = hexDigit(hex[i + 1]);
        if (high < 0 || low < 0) break;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
        i += 2;
    }
    return bytes;
}

std::string hexFromBytes(const std::uint8_t* bytes, std::size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

long long numberFrom(const std::string& word) {
    const bool negative = !word.empty() && word[0] == '-';
    const std::string digits = negative ? word.substr(1) : word;
    long long value = 0;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        value = std::strtoll(digits.c_str() + 2, nullptr, 16);
    else
        value = std::strtoll(digits.c_str(), nullptr, 10);
    return negative ? -value : value;
}

}  // namespace platform::sim
