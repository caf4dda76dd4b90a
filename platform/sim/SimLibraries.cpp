#include "SimLibraries.h"

#include <sstream>

#include "SimText.h"

namespace platform::sim {
namespace {

class SimCtApiLibrary : public CtApiLibrary {
public:
    SimCtApiLibrary(const SimLibraries::CtApiEntry& entry, std::vector<std::string>& calls, int& frees)
        : fake_(entry.script, [&calls](const std::string& line) { calls.push_back(line); }),
          hasVersionString_(entry.hasVersionString),
          frees_(frees) {}
    ~SimCtApiLibrary() override { ++frees_; }

    bool hasVersionString() const override { return hasVersionString_; }
    std::int8_t init(std::uint16_t ctn, std::uint16_t port) override { return fake_.init(ctn, port); }
    std::int8_t data(std::uint16_t ctn, std::uint8_t& destination, std::uint8_t& source, std::uint16_t commandLength,
                     const std::uint8_t* command, std::uint16_t& responseLength, std::uint8_t* response) override {
        return fake_.data(ctn, &destination, &source, commandLength, command, &responseLength, response);
    }
    std::int8_t close(std::uint16_t ctn) override { return fake_.close(ctn); }
    void versionString(char* text, std::uint32_t number) override { fake_.versionString(text, number); }

private:
    CtApiFake fake_;
    bool hasVersionString_;
    int& frees_;
};

class SimZkaLibrary : public ZkaLibrary {
public:
    SimZkaLibrary(const SimLibraries::ZkaEntry& entry, std::vector<std::string>& calls, int& frees)
        : fake_(entry.script, [&calls](const std::string& line) { calls.push_back(line); }), frees_(frees) {}
    ~SimZkaLibrary() override { ++frees_; }

    std::int32_t open(std::uint32_t& readerHandle, char* readerName, char* versionText, char* reserved1,
                      char* reserved2, std::uint32_t& errorLength, std::uint8_t* errorBytes) override {
        return fake_.open(&readerHandle, readerName, versionText, reserved1, reserved2, &errorLength, errorBytes);
    }
    std::int32_t cardAvailable(std::uint32_t readerHandle, std::uint32_t& errorLength,
                               std::uint8_t* errorBytes) override {
        return fake_.cardAvailable(readerHandle, &errorLength, errorBytes);
    }
    std::int32_t close(std::uint32_t readerHandle, std::uint32_t& errorLength, std::uint8_t* errorBytes) override {
        return fake_.close(readerHandle, &errorLength, errorBytes);
    }

private:
    ZkaFake fake_;
    int& frees_;
};

}  // namespace

SimLibraries::CtApiEntry& SimLibraries::addCtApi(const std::string& path, CtApiScript script) {
    CtApiEntry& entry = ctApi_[foldCase(path)];
    entry.script = std::move(script);
    return entry;
}

SimLibraries::ZkaEntry& SimLibraries::addZka(const std::string& path, ZkaScript script) {
    ZkaEntry& entry = zka_[foldCase(path)];
    entry.script = std::move(script);
    return entry;
}

std::string SimLibraries::resolve(const std::string& name) const {
    if (name.find('\\') != std::string::npos) return foldCase(name);
    std::vector<std::string> folders;
    const auto slash = system_.moduleFile.find_last_of('\\');
    if (slash != std::string::npos) folders.push_back(system_.moduleFile.substr(0, slash));
    folders.push_back(system_.systemDir);
    folders.push_back(system_.windowsDir);
    std::string path;
    for (const auto& [variable, value] : system_.environment)
        if (foldCase(variable) == "path") path = value;
    std::istringstream entries(path);
    for (std::string folder; std::getline(entries, folder, ';');)
        if (!folder.empty()) folders.push_back(folder);
    for (const std::string& folder : folders) {
        const std::string candidate = foldCase(folder + "\\" + name);
        if (ctApi_.count(candidate) || zka_.count(candidate)) return candidate;
    }
    return {};
}

std::unique_ptr<CtApiLibrary> SimLibraries::loadCtApi(const std::string& name) {
    const auto found = ctApi_.find(resolve(name));
    if (found == ctApi_.end() || !found->second.hasRequiredEntries) return nullptr;
    ++loads;
    return std::make_unique<SimCtApiLibrary>(found->second, calls, frees);
}

std::unique_ptr<ZkaLibrary> SimLibraries::loadZka(const std::string& path) {
    const auto found = zka_.find(resolve(path));
    if (found == zka_.end() || !found->second.hasEntries) return nullptr;
    ++loads;
    return std::make_unique<SimZkaLibrary>(found->second, calls, frees);
}

}  // namespace platform::sim
