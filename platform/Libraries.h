#pragma once
// Outside libraries loaded at run time (LoadLibraryA, GetProcAddress, FreeLibrary), as typed objects
// whose methods call the library's entry points. The library is freed when its object goes.
//
// The entry points take the caller's buffers as the library would: they trust the sizes the caller
// promises and report lengths that the caller must check against its own buffers.
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// A card-terminal library: "CT_init", "CT_data", "CT_close" and, when present, "Get_VersionString".
class CtApiLibrary {
public:
    virtual ~CtApiLibrary() = default;
    virtual bool hasVersionString() const = 0;
    virtual std::int8_t init(std::uint16_t ctn, std::uint16_t port) = 0;
    // responseLength carries the buffer size in and the reported response length out; the library may
    // report more than it was given room for.
    virtual std::int8_t data(std::uint16_t ctn, std::uint8_t& destination, std::uint8_t& source,
                             std::uint16_t commandLength, const std::uint8_t* command, std::uint16_t& responseLength,
                             std::uint8_t* response) = 0;
    virtual std::int8_t close(std::uint16_t ctn) = 0;
    // Only when hasVersionString(). Writes a text into `text` that need not be terminated.
    virtual void versionString(char* text, std::uint32_t number) = 0;
};

// The ZKA signature library: "zka_sig_open", "zka_sig_card_available", "zka_sig_close".
// Every text and byte area is 128 bytes; errorLength is what the library reports and may exceed them.
class ZkaLibrary {
public:
    virtual ~ZkaLibrary() = default;
    virtual std::int32_t open(std::uint32_t& readerHandle, char* readerName, char* versionText, char* reserved1,
                              char* reserved2, std::uint32_t& errorLength, std::uint8_t* errorBytes) = 0;
    virtual std::int32_t cardAvailable(std::uint32_t readerHandle, std::uint32_t& errorLength,
                                       std::uint8_t* errorBytes) = 0;
    virtual std::int32_t close(std::uint32_t readerHandle, std::uint32_t& errorLength, std::uint8_t* errorBytes) = 0;
};

class Libraries {
public:
    virtual ~Libraries() = default;
    // A bare name is looked for along the system's library search path, but never in the current
    // directory. Null when the library does not load or lacks "CT_init", "CT_data" or "CT_close".
    virtual std::unique_ptr<CtApiLibrary> loadCtApi(const std::string& name) = 0;
    // Null when the library does not load or lacks one of its three entry points.
    virtual std::unique_ptr<ZkaLibrary> loadZka(const std::string& path) = 0;
};

}  // namespace platform
