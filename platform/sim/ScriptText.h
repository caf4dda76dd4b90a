#pragma once
// The line format shared by the scripts of the scripted outside components (fakes and stand-ins).
#include <cstdint>
#include <string>
#include <vector>

namespace platform::sim {

struct ScriptLine {
    std::string keyword;
    std::vector<std::string> words;  // after the keyword, split at blanks
    std::string rest;                // the text after the keyword and its blank, as it stands
};

// The lines of a script, without blank lines and lines starting with '#'; CR LF line ends allowed.
std::vector<ScriptLine> scriptLines(const std::string& text);

// "9000" or "90 00" -> {0x90, 0x00}; stops at the first character that is no hex digit pair.
std::vector<std::uint8_t> bytesFromHex(const std::string& hex);
// Two upper-case digits per byte, no separator.
std::string hexFromBytes(const std::uint8_t* bytes, std::size_t count);
// Decimal, or hexadecimal after "0x"; signed. 0 when the word is no number.
long long numberFrom(const std::string& word);

}  // namespace platform::sim
