#pragma once
// The machine a contract test arranges and then reads through the ports. The same cases run
// natively against the simulated machine and under Wine against the real adapters.
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace contract {

class ContractWorld {
public:
    virtual ~ContractWorld() = default;
    virtual platform::Platform platform() = 0;

    // An empty folder for this test, as a full Windows path without a trailing backslash.
    virtual std::string scratchFolder() = 0;
    virtual void writeFile(const std::string& path, const std::string& bytes) = 0;
    virtual std::string readFile(const std::string& path) = 0;
    // Registry arrangements live below kRegistryBase of HKEY_LOCAL_MACHINE, removed when the world ends.
    virtual void setRegistryValue(const std::string& subPath, const std::string& name, std::uint32_t type,
                                  const std::string& bytes) = 0;
    virtual void addRegistryKey(const std::string& subPath) = 0;
    virtual void setEnvironment(const std::string& name, const std::string& value) = 0;
    // Places a small program file at `path`: one whose version resource gives the file version
    // "a.b.c.d", or one without any version resource when `version` is empty. False when this world
    // has no such file to offer (the real one finds them among the built stand-ins).
    virtual bool placeVersionedFile(const std::string& path, const std::string& version) = 0;
    // Outside libraries and programs: the real world places copies of the built stand-ins, the
    // simulated one runs the same scripted fakes. Scripts are written in the stand-ins' formats.
    enum class Convention { Stdcall, Cdecl };
    virtual void placeCtApiLibrary(const std::string& path, const std::string& script, Convention convention,
                                   bool withVersionString = true) = 0;
    virtual void placeZkaLibrary(const std::string& path, const std::string& script, Convention convention) = 0;
    // The lines the placed libraries recorded for their calls, in call order.
    virtual std::vector<std::string> libraryCalls() = 0;
    // A program that records each start and ends at once with exitCode.
    virtual void placeProgram(const std::string& path, std::uint32_t exitCode) = 0;
    // The starts recorded so far as "PROGRAM | COMMAND LINE | WORKING DIRECTORY"; the real world
    // waits up to ten seconds for at least `count` of them.
    virtual std::vector<std::string> programStarts(std::size_t count) = 0;
    // Whether the world is the real platform (some cases only describe the real one).
    virtual bool isReal() const = 0;
};

inline const std::string kRegistryBase = "SOFTWARE\\TK560 Contract Tests";

std::unique_ptr<ContractWorld> makeContractWorld();

}  // namespace contract
