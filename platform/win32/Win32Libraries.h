#pragma once
#include "../Libraries.h"

namespace platform::win32 {

// Loads with LoadLibraryA and resolves the entry points with GetProcAddress. Every entry point is
// called through a frame that restores the stack pointer, so stdcall and cdecl libraries both work.
class Win32Libraries : public Libraries {
public:
    std::unique_ptr<CtApiLibrary> loadCtApi(const std::string& name) override;
    std::unique_ptr<ZkaLibrary> loadZka(const std::string& path) override;
};

}  // namespace platform::win32
