#include "SimRegistry.h"

#include <sstream>
#include <vector>

#include "SimText.h"

namespace platform::sim {
namespace {

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(path);
    while (std::getline(in, part, '\\'))
        if (!part.empty()) parts.push_back(part);
    return parts;
}

class SimKey : public RegKey {
public:
    explicit SimKey(const SimRegistry::Key& key) : key_(key) {}

    long queryValue(const std::string& name, std::uint32_t bufferSize, RegValue& out) override {
        auto it = key_.values.find(foldCase(name));
        if (it == key_.values.end()) return kErrorFileNotFound;
        if (it->second.second.data.size() > bufferSize) return kErrorMoreData;
        out = it->second.second;
        return kErrorSuccess;
    }

    long enumSubKey(std::uint32_t index, std::string& out) override {
        if (index >= key_.subKeyOrder.size()) return kErrorNoMoreItems;
        out = key_.subKeys.at(key_.subKeyOrder[index]).name;
        return kErrorSuccess;
    }

    long enumValue(std::uint32_t index, std::uint32_t nameBufferSize, std::uint32_t dataBufferSize,
                   std::string& name, RegValue& out) override {
        if (index >= key_.valueOrder.size()) return kErrorNoMoreItems;
        const auto& [storedName, value] = key_.values.at(key_.valueOrder[index]);
        if (storedName.size() + 1 > nameBufferSize || value.data.size() > dataBufferSize) return kErrorMoreData;
        name = storedName;
        out = value;
        return kErrorSuccess;
    }

private:
    const SimRegistry::Key& key_;
};

}  // namespace

SimRegistry::Key* SimRegistry::find(RegRoot root, const std::string& path) {
    auto rootIt = roots_.find(root);
    if (rootIt == roots_.end()) return nullptr;
    Key* key = &rootIt->second;
    for (const auto& part : splitPath(path)) {
        auto it = key->subKeys.find(foldCase(part));
        if (it == key->subKeys.end()) return nullptr;
        key = &it->second;
    }
    return key;
}

SimRegistry::Key& SimRegistry::make(RegRoot root, const std::string& path) {
    Key* key = &roots_[root];
    for (const auto& part : splitPath(path)) {
        const std::string folded = foldCase(part);
        auto [it, added] = key->subKeys.try_emplace(folded);
        if (added) {
            it->second.name = part;
            key->subKeyOrder.push_back(folded);
        }
        key = &it->second;
    }
    return *key;
}

std::unique_ptr<RegKey> SimRegistry::openKey(RegRoot root, const std::string& path) {
    const Key* key = find(root, path);
    if (!key) return nullptr;
    return std::make_unique<SimKey>(*key);
}

void SimRegistry::addKey(RegRoot root, const std::string& path) { make(root, path); }

void SimRegistry::setValue(RegRoot root, const std::string& path, const std::string& name, RegValue value) {
    Key& key = make(root, path);
    const std::string folded = foldCase(name);
    if (!key.values.count(folded)) key.valueOrder.push_back(folded);
    key.values[folded] = {name, std::move(value)};
}

void SimRegistry::setString(RegRoot root, const std::string& path, const std::string& name,
                            const std::string& text) {
    setValue(root, path, name, RegValue{kRegSz, text + std::string(1, '\0')});
}

void SimRegistry::removeValue(RegRoot root, const std::string& path, const std::string& name) {
    Key* key = find(root, path);
    if (!key) return;
    const std::string folded = foldCase(name);
    key->values.erase(folded);
    std::erase(key->valueOrder, folded);
}

}  // namespace platform::sim
