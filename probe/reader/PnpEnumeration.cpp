#include "PnpEnumeration.h"

namespace cardreader {

std::vector<std::string> readPnpHardwareKeys(platform::Registry& registry) {
    static const std::string kEnumKey = "Config Manager\\Enum";
    std::vector<std::string> values;
    const auto root = registry.openKey(platform::RegRoot::DynData, kEnumKey);
    if (!root) return values;
    for (std::uint32_t index = 0;; ++index) {
        std::string name;
        if (root->enumSubKey(index, name) != platform::kErrorSuccess || name.size() > kMaxEnumSubKeyName) break;
        const auto device = registry.openKey(platform::RegRoot::DynData, kEnumKey + "\\" + name);
        std::string value;
        if (!device || !platform::readRegString(*device, "HardWareKey", kMaxHardwareKeyValue, value)) break;
        values.push_back(value);
    }
    return values;
}

}  // namespace cardreader
