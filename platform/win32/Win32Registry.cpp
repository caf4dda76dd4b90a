#include "Win32Registry.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {
namespace {

class Win32Key : public RegKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    long queryValue(const std::string& name, std::uint32_t bufferSize, RegValue& out) override {
        std::vector<BYTE> buffer(bufferSize + 1);
        DWORD type = 0;
        DWORD size = bufferSize;
        const LONG rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type, buffer.data(), &size);
        if (rc != ERROR_SUCCESS) return rc;
        out.type = type;
        out.data.assign(reinterpret_cast<const char*>(buffer.data()), size);
        return ERROR_SUCCESS;
    }

    long enumSubKey(std::uint32_t index, std::string& out) override {
        char name[256];
        DWORD size = sizeof name;
        const LONG rc = RegEnumKeyExA(key_, index, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS) return rc;
        out.assign(name, size);
        return ERROR_SUCCESS;
    }

    long enumValue(std::uint32_t index, std::uint32_t nameBufferSize, std::uint32_t dataBufferSize,
                   std::string& name, RegValue& out) override {
        std::vector<char> nameBuffer(nameBufferSize + 1, '\0');
        std::vector<BYTE> data(dataBufferSize + 1);
        DWORD nameLength = nameBufferSize;
        DWORD size = dataBufferSize;
        DWORD type = 0;
        const LONG rc =
            RegEnumValueA(key_, index, nameBuffer.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (rc != ERROR_SUCCESS) return rc;
        name.assign(nameBuffer.data(), nameLength);
        out.type = type;
        out.data.assign(reinterpret_cast<const char*>(data.data()), size);
        return ERROR_SUCCESS;
    }

private:
    HKEY key_;
};

HKEY rootKey(RegRoot root) {
    switch (root) {
        case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegRoot::DynData: return HKEY_DYN_DATA;
    }
    return HKEY_LOCAL_MACHINE;
}

}  // namespace

std::unique_ptr<RegKey> Win32Registry::openKey(RegRoot root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
}

}  // namespace platform::win32
