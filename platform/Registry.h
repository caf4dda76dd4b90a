#pragma once
// Read-only registry access, shaped after RegOpenKeyExA / RegQueryValueExA / RegEnumKeyExA.
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

enum class RegRoot { LocalMachine, CurrentUser, DynData };

// Win32 error codes the callers tell apart.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

struct RegValue {
    std::uint32_t type = 0;
    std::string data;  // raw bytes as stored (a REG_SZ keeps its terminating NUL when stored with one)
};

class RegKey {
public:
    virtual ~RegKey() = default;
    // Reads a value into a buffer of bufferSize bytes. Returns kErrorMoreData when it does not fit
    // and kErrorFileNotFound when it is missing; leaves `out` untouched on failure.
    virtual long queryValue(const std::string& name, std::uint32_t bufferSize, RegValue& out) = 0;
    // Name of the index-th subkey; kErrorNoMoreItems past the end. Leaves `out` untouched on failure.
    virtual long enumSubKey(std::uint32_t index, std::string& out) = 0;
    // RegEnumValueA: the index-th value's name (into nameBufferSize characters, its NUL included) and
    // its data (into dataBufferSize bytes). kErrorMoreData when either does not fit, kErrorNoMoreItems
    // past the end. Leaves `name` and `out` untouched on failure.
    virtual long enumValue(std::uint32_t index, std::uint32_t nameBufferSize, std::uint32_t dataBufferSize,
                           std::string& name, RegValue& out) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens a key for reading; null when it cannot be opened. The key closes when released.
    virtual std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path) = 0;
};

// Reads a string value the way the tools do: fits into bufferSize bytes including its NUL,
// cut at the first NUL. False when missing or too long.
bool readRegString(RegKey& key, const std::string& name, std::uint32_t bufferSize, std::string& out);

}  // namespace platform
