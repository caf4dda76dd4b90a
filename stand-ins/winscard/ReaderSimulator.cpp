// winscard.dll for the Wine tests and the demo: a resource manager whose readers and replies come
// from a scenario file, logging every call. See README.md beside this file.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/sim/SimSmartCardScenario.h"

namespace {

using platform::ScardResult;
using platform::sim::SimSmartCard;

constexpr LONG kInternalError = static_cast<LONG>(0x80100001u);  // SCARD_F_INTERNAL_ERROR
constexpr LONG kInvalidParameter = static_cast<LONG>(0x80100004u);
constexpr DWORD kAutoAllocate = 0xFFFFFFFFu;

std::string environmentVariable(const char* name) {
    char value[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

void logLine(const std::string& line) {
    const std::string path = environmentVariable("TK560_SCARD_LOG");
    if (path.empty()) return;
    if (FILE* log = std::fopen(path.c_str(), "ab")) {
        std::fprintf(log, "%s\n", line.c_str());
        std::fclose(log);
    }
}

std::string readFile(const std::string& path, bool& found) {
    std::string text;
    FILE* file = std::fopen(path.c_str(), "rb");
    found = file != nullptr;
    if (!file) return text;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
    std::fclose(file);
    return text;
}

// The scenario is read once, at the first call. Without one the service is not running.
SimSmartCard& service() {
    static std::unique_ptr<SimSmartCard> loaded;
    if (!loaded) {
        loaded = std::make_unique<SimSmartCard>();
        const std::string path = environmentVariable("TK560_SCARD_SCENARIO");
        bool found = false;
        const std::string text = path.empty() ? std::string() : readFile(path, found);
        std::string error;
        if (!found) {
            logLine("scenario: none (TK560_SCARD_SCENARIO=" + path + "): the service is not running");
            loaded->establishResult = platform::kScardENoService;
        } else if (!platform::sim::loadSmartCardScenario(text, *loaded, error)) {
            logLine("scenario: " + path + ": cannot read " + error + ": the service is not running");
            *loaded = SimSmartCard();
            loaded->establishResult = platform::kScardENoService;
        }
    }
    return *loaded;
}

// Runs one call on the simulated service and logs it as "<call> -> 0x<result>".
template <class Call>
LONG simulate(Call call) {
    try {
        SimSmartCard& sim = service();
        const std::size_t before = sim.calls.size();
        const ScardResult result = call(sim);
        char tail[32];
        std::snprintf(tail, sizeof tail, " -> 0x%lX", static_cast<unsigned long>(static_cast<std::uint32_t>(result)));
        for (std::size_t i = before; i < sim.calls.size(); ++i) logLine(sim.calls[i] + tail);
        sim.calls.clear();
        return result;
    } catch (...) {
        return kInternalError;
    }
}

}  // namespace

extern "C" {

__declspec(dllexport) LONG WINAPI SCardEstablishContext(DWORD scope, LPCVOID, LPCVOID, ULONG_PTR* context) {
    if (context == nullptr) return kInvalidParameter;
    return simulate([&](SimSmartCard& sim) {
        platform::ScardContext handle = 0;
        const ScardResult result = sim.establishContext(scope, handle);
        if (result == platform::kScardSuccess) *context = handle;
        return result;
    });
}

__declspec(dllexport) LONG WINAPI SCardListReadersA(ULONG_PTR context, LPCSTR, LPSTR readers, LPDWORD length) {
    if (length == nullptr || (readers != nullptr && *length == kAutoAllocate)) return kInvalidParameter;
    return simulate([&](SimSmartCard& sim) {
        std::uint32_t size = readers ? *length : 0;
        const ScardResult result = sim.listReaders(context, readers, size);
        *length = size;
        return result;
    });
}

__declspec(dllexport) LONG WINAPI SCardConnectA(ULONG_PTR context, LPCSTR reader, DWORD shareMode,
                                                DWORD preferredProtocols, ULONG_PTR* card, LPDWORD activeProtocol) {
    if (reader == nullptr || card == nullptr) return kInvalidParameter;
    return simulate([&](SimSmartCard& sim) {
        platform::ScardHandle handle = 0;
        std::uint32_t protocol = 0;
        const ScardResult result = sim.connect(context, reader, shareMode, preferredProtocols, handle, protocol);
        if (result == platform::kScardSuccess) {
            *card = handle;
            if (activeProtocol) *activeProtocol = protocol;
        }
        return result;
    });
}

__declspec(dllexport) LONG WINAPI SCardControl(ULONG_PTR card, DWORD controlCode, LPCVOID input, DWORD inputLength,
                                               LPVOID output, DWORD outputLength, LPDWORD returned) {
    return simulate([&](SimSmartCard& sim) {
        std::uint32_t length = 0;
        const ScardResult result =
            sim.control(card, controlCode, input, inputLength, output, output ? outputLength : 0, length);
        if (returned) *returned = length;
        return result;
    });
}

__declspec(dllexport) LONG WINAPI SCardDisconnect(ULONG_PTR card, DWORD disposition) {
    return simulate([&](SimSmartCard& sim) { return sim.disconnect(card, disposition); });
}

__declspec(dllexport) LONG WINAPI SCardCancel(ULONG_PTR context) {
    return simulate([&](SimSmartCard& sim) { return sim.cancel(context); });
}

__declspec(dllexport) LONG WINAPI SCardReleaseContext(ULONG_PTR context) {
    return simulate([&](SimSmartCard& sim) { return sim.releaseContext(context); });
}

}  // extern "C"
