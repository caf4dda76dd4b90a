#include <cstdio>

#include "ContractWorld.h"
#include "platform/sim/SimMachine.h"

namespace contract {
namespace {

class SimWorld : public ContractWorld {
public:
    platform::Platform platform() override { return machine_.platform(); }
    std::string scratchFolder() override {
        const std::string folder = "C:\\scratch" + std::to_string(++folders_);
        machine_.files.addDirectory(folder);
        return folder;
    }
    void writeFile(const std::string& path, const std::string& bytes) override { machine_.files.addFile(path, bytes); }
    std::string readFile(const std::string& path) override {
        const auto* file = machine_.files.file(path);
        return file ? file->content : std::string();
    }
    void setRegistryValue(const std::string& subPath, const std::string& name, std::uint32_t type,
                          const std::string& bytes) override {
        machine_.registry.setValue(platform::RegRoot::LocalMachine, kRegistryBase + "\\" + subPath, name,
                                   platform::RegValue{type, bytes});
    }
    void addRegistryKey(const std::string& subPath) override {
        machine_.registry.addKey(platform::RegRoot::LocalMachine, kRegistryBase + "\\" + subPath);
    }
    void setEnvironment(const std::string& name, const std::string& value) override {
        machine_.system.environment[name] = value;
    }
    bool placeVersionedFile(const std::string& path, const std::string& version) override {
        unsigned a = 0, b = 0, c = 0, d = 0;
        if (version.empty()) {
            machine_.files.addFile(path, "MZ");
        } else {
            if (std::sscanf(version.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) != 4) return false;
            machine_.files.addVersionedFile(path, std::uint16_t(a), std::uint16_t(b), std::uint16_t(c),
                                            std::uint16_t(d));
        }
        return true;
    }
    void placeCtApiLibrary(const std::string& path, const std::string& script, Convention,
                           bool withVersionString) override {
        machine_.libraries.addCtApi(path, platform::sim::CtApiScript::parse(script)).hasVersionString =
            withVersionString;
    }
    void placeZkaLibrary(const std::string& path, const std::string& script, Convention) override {
        machine_.libraries.addZka(path, platform::sim::ZkaScript::parse(script));
    }
    std::vector<std::string> libraryCalls() override { return machine_.libraries.calls; }
    void placeProgram(const std::string& path, std::uint32_t exitCode) override {
        machine_.processes.addProgram(path, exitCode);
    }
    std::vector<std::string> programStarts(std::size_t) override {
        std::vector<std::string> starts;
        for (const auto& start : machine_.processes.starts)
            starts.push_back(start.program + " | " + start.commandLine + " | " + start.directory);
        return starts;
    }
    bool isReal() const override { return false; }

private:
    platform::sim::SimMachine machine_;
    int folders_ = 0;
};

}  // namespace

std::unique_ptr<ContractWorld> makeContractWorld() { return std::make_unique<SimWorld>(); }

}  // namespace contract
