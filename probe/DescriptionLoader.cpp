#include "DescriptionLoader.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <functional>
#include <optional>
#include <vector>

namespace probe {
namespace {

constexpr std::uint32_t kProfileBuffer = 2000;
constexpr std::uint32_t kCtApiBuffer = 256;

// What each field holds, in characters. Longer values are cut to fit.
constexpr std::size_t kTextLimit = 255;
constexpr std::size_t kHardwareIdLimit = 511;
constexpr std::size_t kDriverFileLimit = 249;
constexpr std::size_t kServerNameLimit = 49;

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string cut(const std::string& text, std::size_t limit) { return text.substr(0, limit); }

// A decimal number as the C library reads one: leading blanks, an optional sign, then digits up to the
// first other character. nullopt when no digit follows. Values beyond 32 bits stop at the limits.
std::optional<std::int32_t> leadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL + INT_MAX);
    if (negative) value = -value;
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::int32_t number(const std::string& text) { return leadingNumber(text).value_or(0); }

// The names of a key list: NUL-separated, ending at the first empty name. A list cut by the buffer
// may end in a cut name, which could pass for a shorter real one: it is left out.
std::vector<std::string> keyNames(const std::string& list, std::uint32_t bufferSize) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = list.find('\0', start);
        if (end == std::string::npos) {
            if (list.size() + 2 != bufferSize) names.push_back(list.substr(start));  // a default, not a cut
            break;
        }
        if (end == start) break;
        names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

class FileLoader {
public:
    FileLoader(ReaderDescription& description, platform::Profile& profile, const std::string& path)
        : d_(description),
          profile_(profile),
          path_(path),
          base_(std::clamp(description.readerRecordCount, 0, kMaxReaderRecords)),
          slot_(base_ < kMaxReaderRecords ? &description.records[base_] : nullptr) {}

    void load() {
        // The file-wide sections, in this order; those without rules are still read.
        visit("ReaderProperties", [this](const std::string& k, const std::string& v) { readerProperty(k, v); });
        for (const char* section : {"InfFiles", "DeleteFiles", "ServerProperties"}) visit(section, ignore);
        visit("DriverProperties", [this](const std::string& k, const std::string& v) { driverProperty(k, v); });
        for (const char* section : {"INFProperties", "DefaultSettings"}) visit(section, ignore);
        visit("RegistryKeys", [this](const std::string& k, const std::string& v) {
            if (slot_ && sameName(k, "ServerNameW9x")) slot_->ServerNameW9x = cut(v, kServerNameLimit);
        });
        visit("ScExtProperties", ignore);
        systemFilesCounted_ = 0;
        visit("SystemFiles", [this](const std::string& k, const std::string& v) { systemFile(k, v); });

        for (int entry = 1; entry <= entries_; ++entry) {
            ReaderRecord& record = d_.records[base_ + entry - 1];
            visit("ReaderProperties" + std::to_string(entry), [&](const std::string& k, const std::string& v) {
                if (sameName(k, "ReaderName")) {
                    record.ReaderName = cut(v, kTextLimit);
                    d_.displayNames[base_ + entry - 1] = record.ReaderName;
                } else if (sameName(k, "HardwareID")) {
                    record.HardwareID = cut(v, kHardwareIdLimit);
                }
            });
        }

        if (d_.hbciInstall) readCtApiName();

        for (int i = 1; i < entries_; ++i) {
            ReaderRecord& record = d_.records[base_ + i];
            record.ReaderType = slot_->ReaderType;
            record.DriverFile = slot_->DriverFile;
            record.ServerNameW9x = slot_->ServerNameW9x;
        }
        // Patterns beyond the entries show the last entry's reader name.
        if (entries_ >= 1) {
            for (int i = entries_; i < nameLimit_ && base_ + i < kMaxReaderRecords; ++i)
                d_.displayNames[base_ + i] = d_.displayNames[base_ + i - 1];
        }
        d_.readerRecordCount = base_ + entries_;
    }

private:
    using Rule = std::function<void(const std::string& key, const std::string& value)>;
    static void ignore(const std::string&, const std::string&) {}

    void visit(const std::string& section, const Rule& rule) {
        for (const std::string& key : keyNames(profile_.getString(section, std::nullopt, "", kProfileBuffer, path_),
                                               kProfileBuffer))
            rule(key, profile_.getString(section, key, "", kProfileBuffer, path_));
    }

    void readerProperty(const std::string& key, const std::string& value) {
        if (sameName(key, "ReaderEntriesCount")) {
            entries_ = std::clamp(number(value), 0, kMaxReaderRecords - base_);
        } else if (sameName(key, "ReaderType")) {
            if (slot_) slot_->ReaderType = number(value);
        } else if (sameName(key, "ReaderNameCount")) {
            nameLimit_ = std::min(number(value), kMaxNamePatterns);
        } else if (sameName(key, "HBCIInstall")) {
            d_.hbciInstall = number(value) == 1;
        } else if (sameName(key, "Name" + std::to_string(namesCounted_ + 1))) {
            // Patterns count only in ascending order from Name1, after ReaderNameCount, at most that many.
            if (namesCounted_ < nameLimit_ && d_.namePatternCount < kMaxNamePatterns) {
                d_.namePatterns[d_.namePatternCount++] = cut(value, kTextLimit);
                ++namesCounted_;
            }
        }
    }

    void driverProperty(const std::string& key, const std::string& value) {
        static const char* const kKeys[] = {"File9X", "FileNT", "File2K"};  // by OS family
        for (int family = 0; family < 3; ++family)
            if (slot_ && sameName(key, kKeys[family])) slot_->DriverFile[family] = cut(value, kDriverFileLimit);
    }

    // The list and its count are shared by all files: each file writes from the first slot on.
    void systemFile(const std::string& key, const std::string& value) {
        if (sameName(key, "SystemFilesCount")) {
            if (const auto count = leadingNumber(value)) d_.systemFileCount = std::clamp(*count, 0, kMaxSystemFiles);
        } else if (sameName(key, "File" + std::to_string(systemFilesCounted_ + 1))) {
            if (systemFilesCounted_ < d_.systemFileCount) d_.systemFiles[systemFilesCounted_++] = cut(value, kTextLimit);
        }
    }

    // Read with its own default and buffers; the first DllName key wins.
    void readCtApiName() {
        const std::string section = "CTAPIProperties";
        for (const std::string& key :
             keyNames(profile_.getString(section, std::nullopt, "Default", kCtApiBuffer, path_), kCtApiBuffer)) {
            const std::string value = profile_.getString(section, key, "Default", kCtApiBuffer, path_);
            if (sameName(key, "DllName")) {
                d_.ctApiLibraryName = cut(value, kTextLimit);
                return;
            }
        }
    }

    ReaderDescription& d_;
    platform::Profile& profile_;
    const std::string& path_;
    const int base_;
    ReaderRecord* const slot_;  // where the file-wide values go; none when the table is full
    int entries_ = 0;
    int nameLimit_ = 0;
    int namesCounted_ = 0;
    int systemFilesCounted_ = 0;
};

}  // namespace

void loadDescription(ReaderDescription& description, platform::Profile& profile, const std::string& path) {
    FileLoader(description, profile, path).load();
}

}  // namespace probe
