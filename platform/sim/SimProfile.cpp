#include "SimProfile.h"

#include <sstream>
#include <vector>

#include "SimText.h"

namespace platform::sim {
namespace {

struct Entry {
    std::string name;
    bool hasValue = false;
    std::string value;
};

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The entries of the first section of that name; false when there is none.
bool readSection(const std::string& content, const std::string& section, std::vector<Entry>& entries) {
    std::istringstream in(content);
    std::string line;
    bool inSection = false;
    bool found = false;
    const std::string wanted = foldCase(trim(section));
    while (std::getline(in, line)) {
        const std::string text = trim(line);
        if (!text.empty() && text[0] == '[') {
            const auto close = text.rfind(']');
            const std::string name = trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            if (inSection) return true;
            inSection = foldCase(name) == wanted;
            found = found || inSection;
            continue;
        }
        if (!inSection || text.empty()) continue;
        Entry entry;
        if (const auto eq = text.find('='); eq != std::string::npos) {
            entry.name = trim(text.substr(0, eq));
            entry.hasValue = true;
            entry.value = trim(text.substr(eq + 1));
        } else {
            entry.name = text;
        }
        entries.push_back(entry);
    }
    return found;
}

std::string unquote(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::string SimProfile::getString(const std::string& section, const std::optional<std::string>& key,
                                  const std::string& defaultValue, std::uint32_t bufferSize,
                                  const std::string& fileName) {
    if (bufferSize == 0) return {};
    std::string path = fileName;
    if (path.find('\\') == std::string::npos) path = windowsDirectory + "\\" + path;
    const SimFileSystem::File* file = files_.file(path);

    std::vector<Entry> entries;
    const bool sectionFound = file && readSection(file->content, section, entries);

    if (!key) {
        std::string list;
        for (const Entry& e : entries) {
            if (e.name.empty() || e.name[0] == ';' || !e.hasValue) continue;
            list += e.name;
            list += '\0';
        }
        if (list.size() + 1 <= bufferSize) return list;
        if (bufferSize <= 2) return {};
        std::string cut = list.substr(0, bufferSize - 2);
        cut.back() = '\0';
        return cut;
    }

    std::string value = trim(defaultValue);
    if (sectionFound) {
        for (const Entry& e : entries) {
            if (foldCase(e.name) == foldCase(trim(*key))) {
                value = e.hasValue ? unquote(e.value) : std::string();
                break;
            }
        }
    }
    if (value.size() >= bufferSize) value.resize(bufferSize - 1);
    return value;
}

}  // namespace platform::sim
