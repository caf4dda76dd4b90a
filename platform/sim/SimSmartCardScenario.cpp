#include "SimSmartCardScenario.h"

#include <cstdlib>
#include <sstream>

namespace platform::sim {
namespace {

bool parseNumber(const std::string& word, std::uint32_t& out) {
    if (word.empty()) return false;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(word.c_str(), &end, 0);
    if (*end != '\0' || value > 0xFFFFFFFFull || word[0] == '-') return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

bool parseCode(const std::string& word, ScardResult& out) {
    std::uint32_t bits = 0;
    if (!parseNumber(word, bits)) return false;
    out = static_cast<ScardResult>(bits);
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool unescape(const std::string& text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        if (text[i] == '0') out += '\0';
        else if (text[i] == '\\') out += '\\';
        else if (text[i] == 'x' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else return false;
    }
    return true;
}

bool parseBytes(std::istringstream& words, std::string& out) {
    out.clear();
    std::string word;
    while (words >> word) {
        if (word.size() != 2 || hexDigit(word[0]) < 0 || hexDigit(word[1]) < 0) return false;
        out += static_cast<char>(hexDigit(word[0]) * 16 + hexDigit(word[1]));
    }
    return true;
}

// The rest of the line after the keyword and one blank.
std::string restOf(const std::string& line, const std::string& keyword) {
    return line.size() > keyword.size() + 1 ? line.substr(keyword.size() + 1) : std::string();
}

bool apply(const std::string& line, SimSmartCard& into, SimReader*& reader) {
    std::istringstream words(line);
    std::string keyword, a, b;
    words >> keyword;
    if (keyword == "context") return words >> a && parseCode(a, into.establishResult);
    if (keyword == "list-length") return words >> a && parseCode(a, into.lengthQueryResult);
    if (keyword == "list-read") return words >> a && parseCode(a, into.readResult);
    if (keyword == "raw-list") {
        std::string list;
        if (!unescape(restOf(line, keyword), list)) return false;
        into.rawList = list;
        return true;
    }
    if (keyword == "raw-length" || keyword == "raw-read-length") {
        std::uint32_t n = 0;
        if (!(words >> a) || !parseNumber(a, n)) return false;
        (keyword == "raw-length" ? into.rawLength : into.rawReadLength) = n;
        return true;
    }
    if (keyword == "reader") {
        const std::string name = restOf(line, keyword);
        if (name.empty()) return false;
        into.readers.push_back(SimReader{name, {}, {}, {}, {}});
        reader = &into.readers.back();
        return true;
    }
    if (reader == nullptr) return false;
    if (keyword == "connect") {
        ScardResult code = 0;
        if (!(words >> a >> b) || !parseCode(b, code) || (a != "direct" && a != "shared")) return false;
        reader->connectResults[a == "direct" ? kScardShareDirect : kScardShareShared] = code;
        return true;
    }
    if (keyword == "connect-next") {
        ScardResult code = 0;
        while (words >> a) {
            if (!parseCode(a, code)) return false;
            reader->nextConnectResults.push_back(code);
        }
        return true;
    }
    std::uint32_t control = 0;
    if (!(words >> a) || !parseNumber(a, control)) return false;
    if (keyword == "reply-next" || keyword == "reply-next-error") {
        SimControlReply next;
        const bool read = keyword == "reply-next" ? parseBytes(words, next.bytes) : words >> b && parseCode(b, next.result);
        if (read) reader->nextReplies[control].push_back(next);
        return read;
    }
    SimControlReply& reply = reader->replies[control];
    if (keyword == "reply") return parseBytes(words, reply.bytes);
    if (keyword == "reply-error") return words >> b && parseCode(b, reply.result);
    if (keyword == "reply-length") {
        std::uint32_t n = 0;
        if (!(words >> b) || !parseNumber(b, n)) return false;
        reply.returned = n;
        return true;
    }
    return false;
}

}  // namespace

bool loadSmartCardScenario(const std::string& text, SimSmartCard& into, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    SimReader* reader = nullptr;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        line.erase(0, first);
        line.erase(line.find_last_not_of(" \t") + 1);
        if (!apply(line, into, reader)) {
            error = "line " + std::to_string(number) + ": " + line;
            return false;
        }
    }
    return true;
}

}  // namespace platform::sim
