#pragma once
// Owns a loaded library; FreeLibrary when it goes. Freeing keeps GetLastError.
#include <windows.h>

#include <utility>

namespace platform::win32 {

class ScopedLibrary {
public:
    ScopedLibrary() = default;
    explicit ScopedLibrary(HMODULE module) : module_(module) {}
    ~ScopedLibrary() { reset(); }
    ScopedLibrary(const ScopedLibrary&) = delete;
    ScopedLibrary& operator=(const ScopedLibrary&) = delete;
    ScopedLibrary(ScopedLibrary&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
    ScopedLibrary& operator=(ScopedLibrary&& other) noexcept {
        if (this != &other) {
            reset();
            module_ = std::exchange(other.module_, nullptr);
        }
        return *this;
    }

    bool valid() const { return module_ != nullptr; }
    HMODULE get() const { return module_; }
    // The entry point's address, or null when the library does not export it.
    const void* entry(const char* name) const {
        return module_ ? reinterpret_cast<const void*>(GetProcAddress(module_, name)) : nullptr;
    }
    void reset() {
        if (module_) {
            const DWORD error = GetLastError();
            FreeLibrary(module_);
            SetLastError(error);
        }
        module_ = nullptr;
    }

private:
    HMODULE module_ = nullptr;
};

}  // namespace platform::win32
