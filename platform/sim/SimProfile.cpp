#include "SimProfile.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace platform::sim {

struct SimProfile::Parsed {
    struct Key {
        std::string name;
        bool hasValue = false;  // the line holds '='
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Key> keys;
    };
    std::vector<Section> sections;
};

namespace {

using Key = SimProfile::Parsed::Key;
using Section = SimProfile::Parsed::Section;

// What the platform counts as blank around lines, names and values (^Z is a DOS end of file).
bool isBlank(char c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == ' '; }

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Names and values end at a NUL byte, as C strings do.
std::string cutAtNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

// The whole file as the platform reads it: lines end at CR or LF; a line starting with '[' and holding
// a ']' starts a section named by the text between them; any other line is a key, with a value when it
// holds '='. Lines before the first section belong to a nameless one.
std::vector<Section> parse(std::string_view content) {
    std::vector<Section> sections(1);
    while (!content.empty()) {
        const std::size_t end = std::min(content.find_first_of("\r\n"), content.size());
        const std::string_view line = trim(content.substr(0, end));
        content.remove_prefix(end);
        while (!content.empty() && (content.front() == '\r' || content.front() == '\n')) content.remove_prefix(1);
        if (line.empty()) continue;

        if (line.front() == '[') {
            if (const std::size_t close = line.rfind(']'); close != std::string_view::npos) {
                sections.push_back(Section{cutAtNul(trim(line.substr(1, close - 1))), {}});
                continue;
            }
        }
        Key key;
        if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            key.name = cutAtNul(trim(line.substr(0, eq)));
            key.hasValue = true;
            key.value = cutAtNul(trim(line.substr(eq + 1)));
        } else {
            key.name = cutAtNul(line);
        }
        sections.back().keys.push_back(std::move(key));
    }
    return sections;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// Only the first section of a name counts; a later one of the same name is never read.
const Section* findSection(const std::vector<Section>& sections, std::string_view name) {
    for (std::size_t i = 1; i < sections.size(); ++i)
        if (sameName(sections[i].name, name)) return &sections[i];
    return nullptr;
}

// Copies a value into a buffer of bufferSize characters. A value enclosed in a pair of the same quote
// marks loses them; the platform removes the closing mark after cutting, so a value that just fits
// with it loses its last character instead.
std::string copyEntry(const std::string& value, std::uint32_t bufferSize) {
    std::string_view text = value;
    const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    if (quoted) text.remove_prefix(1);
    std::string out(text.substr(0, bufferSize - 1));
    if (quoted && bufferSize >= text.size() && !out.empty()) out.pop_back();
    return out;
}

}  // namespace

std::shared_ptr<const SimProfile::Parsed> SimProfile::parsed(const std::string& content) {
    if (!parsed_ || content != parsedContent_) {
        parsed_ = std::make_shared<const Parsed>(Parsed{parse(content)});
        parsedContent_ = content;
    }
    return parsed_;
}

std::string SimProfile::getString(const std::string& section, const std::optional<std::string>& key,
                                  const std::string& defaultValue, std::uint32_t bufferSize,
                                  const std::string& fileName) {
    if (bufferSize == 0) return {};
    std::string path = fileName;
    if (path.find_first_of("\\/") == std::string::npos) path = windowsDirectory + "\\" + path;
    const SimFileSystem::File* file = files_.file(path);
    const std::shared_ptr<const Parsed> content = parsed(file ? file->content : std::string());
    const std::vector<Section>& sections = content->sections;

    if (!key) {
        // Key names, each with its NUL; comments, empty names and lines without '=' are left out.
        // A list that does not fit is cut to bufferSize - 2 bytes (the last name may be cut), so a
        // list of exactly bufferSize - 1 bytes counts as cut too. No names at all: the default.
        std::string list;
        if (const Section* found = findSection(sections, section)) {
            for (const Key& k : found->keys) {
                if (k.name.empty() || k.name.front() == ';' || !k.hasValue) continue;
                list += k.name;
                list += '\0';
            }
        }
        if (list.size() + 2 > bufferSize) list.resize(bufferSize > 2 ? bufferSize - 2 : 0);
        return list.empty() ? copyEntry(defaultValue, bufferSize) : list;
    }

    // Trailing blanks of the default are dropped; the names asked for are taken without blanks around them.
    std::string fallback = defaultValue;
    while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
    const std::string_view wanted = trim(*key);
    const Section* found = findSection(sections, trim(section));
    if (found && !wanted.empty()) {
        for (const Key& k : found->keys) {
            if (!sameName(k.name, wanted)) continue;
            // The first key of that name answers; one without '=' answers with the default.
            return copyEntry(k.hasValue ? k.value : fallback, bufferSize);
        }
    }
    return copyEntry(fallback, bufferSize);
}

}  // namespace platform::sim
