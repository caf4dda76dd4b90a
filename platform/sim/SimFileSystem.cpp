#include "SimFileSystem.h"

#include "SimText.h"

namespace platform::sim {
namespace {

constexpr unsigned long kErrorAccessDenied = 5;
constexpr unsigned long kErrorAlreadyExists = 183;

bool wildcardMatch(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') return wildcardMatch(pattern + 1, name) || (*name && wildcardMatch(pattern, name + 1));
    if (*name == '\0') return false;
    if (*pattern == '?' || *pattern == *name) return wildcardMatch(pattern + 1, name + 1);
    return false;
}

std::string trimSeparator(std::string path) {
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

class SimTextFile : public TextFile {
public:
    explicit SimTextFile(SimFileSystem::File& file) : file_(file) {}
    bool write(const std::string& text) override {
        const std::string stored = toTextMode(text);
        const std::size_t room = file_.writeLimit > file_.content.size() ? file_.writeLimit - file_.content.size() : 0;
        file_.content += stored.substr(0, room);
        return stored.size() <= room;
    }

private:
    SimFileSystem::File& file_;
};

}  // namespace

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos) return {};
    if (slash == 2 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, slash);
}

SimFileSystem::SimFileSystem() { addDirectory("C:\\"); }

std::string SimFileSystem::absolute(const std::string& path) const {
    if (path.size() >= 2 && path[1] == ':') return trimSeparator(path);
    if (!path.empty() && path[0] == '\\') return trimSeparator(currentDir_.substr(0, 2) + path);
    std::string base = currentDir_;
    if (base.back() != '\\') base += '\\';
    return trimSeparator(base + path);
}

std::string SimFileSystem::currentDirectory(std::uint32_t bufferSize) {
    return currentDir_.size() < bufferSize ? currentDir_ : std::string();
}

bool SimFileSystem::setCurrentDirectory(const std::string& path) {
    const std::string full = absolute(path);
    if (!directoryExists(full) || unenterable_.count(foldCase(full))) {
        lastError_ = directoryExists(full) ? kErrorAccessDenied : missingPathError(full);
        return false;
    }
    currentDir_ = full;
    return true;
}

unsigned long SimFileSystem::missingPathError(const std::string& full) const {
    return directoryExists(parentOf(full)) ? 2 : kErrorPathNotFound;
}

bool SimFileSystem::createDirectory(const std::string& path) {
    const std::string full = absolute(path);
    if (auto it = createFailures_.find(foldCase(full)); it != createFailures_.end()) {
        lastError_ = it->second;
        return false;
    }
    if (directoryExists(full)) {
        lastError_ = kErrorAlreadyExists;
        return false;
    }
    if (!directoryExists(parentOf(full))) {
        lastError_ = kErrorPathNotFound;
        return false;
    }
    if (readOnly_.count(foldCase(parentOf(full)))) {
        lastError_ = kErrorAccessDenied;
        return false;
    }
    directories_.insert(foldCase(full));
    return true;
}

bool SimFileSystem::fileExists(const std::string& path) {
    const File* f = viewedFile(path);
    return f && !f->locked;
}

std::unique_ptr<TextFile> SimFileSystem::openText(const std::string& path, TextFileMode mode) {
    const std::string full = viewed(path);
    auto it = files_.find(foldCase(full));
    if (it != files_.end()) {
        if (it->second.locked) {
            lastError_ = 32;  // sharing violation
            return nullptr;
        }
        return std::make_unique<SimTextFile>(it->second);
    }
    if (mode == TextFileMode::ReadWriteAtEnd) {
        lastError_ = 2;
        return nullptr;
    }
    const std::string parent = parentOf(full);
    if (!directoryExists(parent)) {
        lastError_ = kErrorPathNotFound;
        return nullptr;
    }
    if (readOnly_.count(foldCase(parent))) {
        lastError_ = kErrorAccessDenied;
        return nullptr;
    }
    return std::make_unique<SimTextFile>(addFile(full));
}

std::vector<std::string> SimFileSystem::findFiles(const std::string& pattern) {
    const std::string full = viewed(pattern);
    const std::string folder = foldCase(parentOf(full));
    const std::string namePattern = foldCase(full.substr(full.find_last_of('\\') + 1));
    std::vector<std::string> names;
    for (const auto& [key, f] : files_) {
        if (foldCase(parentOf(f.path)) != folder) continue;
        const std::string name = f.path.substr(f.path.find_last_of('\\') + 1);
        if (wildcardMatch(namePattern.c_str(), foldCase(name).c_str())) names.push_back(name);
    }
    return names;
}

std::optional<FixedFileVersion> SimFileSystem::fixedFileVersion(const std::string& path) {
    const File* f = viewedFile(path);
    if (!f) return std::nullopt;
    return f->version;
}

void SimFileSystem::addDirectory(const std::string& path) {
    std::string full = absolute(path);
    while (!full.empty()) {
        directories_.insert(foldCase(full));
        const std::string parent = parentOf(full);
        if (parent == full) break;
        full = parent;
    }
}

SimFileSystem::File& SimFileSystem::addFile(const std::string& path, const std::string& content) {
    const std::string full = absolute(path);
    addDirectory(parentOf(full));
    File& f = files_[foldCase(full)];
    f.path = full;
    f.content = content;
    return f;
}

void SimFileSystem::addVersionedFile(const std::string& path, std::uint16_t a, std::uint16_t b, std::uint16_t c,
                                     std::uint16_t d) {
    addFile(path).version = FixedFileVersion{(std::uint32_t(a) << 16) | b, (std::uint32_t(c) << 16) | d};
}

void SimFileSystem::setReadOnlyDirectory(const std::string& path) { readOnly_.insert(foldCase(absolute(path))); }

void SimFileSystem::setUnenterableDirectory(const std::string& path) {
    unenterable_.insert(foldCase(absolute(path)));
}

void SimFileSystem::failCreateDirectory(const std::string& path, unsigned long error) {
    createFailures_[foldCase(absolute(path))] = error;
}

const SimFileSystem::File* SimFileSystem::file(const std::string& path) const {
    auto it = files_.find(foldCase(absolute(path)));
    return it == files_.end() ? nullptr : &it->second;
}

std::string SimFileSystem::viewed(const std::string& path) const {
    const std::string full = absolute(path);
    if (!wow64.active || !wow64.active()) return full;
    const std::string folded = foldCase(full);
    const std::string system32 = foldCase(wow64.system32);
    if (folded.compare(0, system32.size(), system32) != 0) return full;
    if (folded.size() > system32.size() && folded[system32.size()] != '\\') return full;
    return wow64.sysWow64 + full.substr(system32.size());
}

const SimFileSystem::File* SimFileSystem::viewedFile(const std::string& path) const {
    auto it = files_.find(foldCase(viewed(path)));
    return it == files_.end() ? nullptr : &it->second;
}

bool SimFileSystem::directoryExists(const std::string& path) const {
    return directories_.count(foldCase(absolute(path))) > 0;
}

}  // namespace platform::sim
