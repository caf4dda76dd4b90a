#pragma once
#include <map>
#include <string>
#include <vector>

#include "../Registry.h"

namespace platform::sim {

// A registry tree held as data. Paths use backslashes; names compare without regard to case.
class SimRegistry : public Registry {
public:
    std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path) override;

    void addKey(RegRoot root, const std::string& path);
    void setValue(RegRoot root, const std::string& path, const std::string& name, RegValue value);
    // Stores a REG_SZ with its terminating NUL, as RegSetValueExA does.
    void setString(RegRoot root, const std::string& path, const std::string& name, const std::string& text);
    void removeValue(RegRoot root, const std::string& path, const std::string& name);

    struct Key {
        std::string name;                                   // as created
        std::map<std::string, Key> subKeys;                 // by folded name, in folded order
        std::map<std::string, std::pair<std::string, RegValue>> values;  // folded name -> (name, value)
        std::vector<std::string> subKeyOrder;               // folded names in creation order
        std::vector<std::string> valueOrder;                // folded names in creation order
    };

private:
    Key* find(RegRoot root, const std::string& path);
    Key& make(RegRoot root, const std::string& path);
    std::map<RegRoot, Key> roots_;
};

}  // namespace platform::sim
