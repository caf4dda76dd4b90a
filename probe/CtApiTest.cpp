#include "CtApiTest.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "InterfaceReaders.h"

namespace probe {
namespace {

namespace texts {
constexpr Text kHeading{"Test of the CT-API Interface:", "Test der Kartenleser-Standardschnittstelle (CT-API):"};
constexpr Text kNotFound{"CT-API DLL not found!", "CT-API DLL nicht gefunden oder DLL fehlerhaft!"};
constexpr Text kWrongVersion{"    wrong version of the CT-API DLL is loaded!",
                             "    falsche Version der CT-API DLL geladen!"};
constexpr Text kLoaded{"    CT-API DLL %s successful loaded!", "    CT-API DLL %s erfolgreich geladen!"};
constexpr Text kReader{"    Test of the %s reader (Port %d):", "    Test des %s Lesers (Port %d):"};
constexpr Text kInitError{"        CT_Init: ERROR %d!", "        CT_Init: FEHLER %d!"};
constexpr Text kInit{"        CT_Init ( %d, %d ): OK!", "        CT_Init ( %d, %d ): OK!"};
constexpr Text kResetCtError{"        CT_Data (Command 'Reset CT'): ERROR %d!",
                             "        CT_Data (Kommando 'Reset CT'): FEHLER %d!"};
constexpr Text kResetCtLength{"        CT_Data (Command 'Reset CT'): ERROR - wrong length %d!",
                              "        CT_Data (Kommando 'Reset CT'): FEHLER - Falsche Länge %d!"};
constexpr Text kResetCtOk{"        CT_Data (Command 'Reset CT'): OK! Response: %s",
                          "        CT_Data (Kommando 'Reset CT'): OK! Antwort: %s"};
constexpr Text kResetCtResponseError{"        CT_Data (Command 'Reset CT'): ERROR! Response: %s",
                                     "        CT_Data (Kommando 'Reset CT'): FEHLER! Antwort: %s"};
constexpr Text kResetIccError{"        CT_Data (Command 'Reset ICC'): ERROR %d!",
                              "        CT_Data (Kommando 'Reset ICC'): FEHLER %d!"};
constexpr Text kResetIccLength{"        CT_Data (Command 'Reset ICC'): ERROR - wrong length %d!",
                               "        CT_Data (Kommando 'Reset ICC'): FEHLER - Falsche Länge %d!"};
constexpr Text kNoCard{"        CT_Data (Command 'Reset ICC'): OK! ( no card inserted )",
                       "        CT_Data (Kommando 'Reset ICC'): OK! ( keine Karte gesteckt )"};
constexpr Text kResetIccResponseError{"        CT_Data (Command 'Reset ICC'): ERROR! Response: %.2X%.2X",
                                      "        CT_Data (Kommando 'Reset ICC'): FEHLER! Antwort: %.2X%.2X"};
constexpr Text kResetIccOk{"        CT_Data (Command 'Reset ICC'): OK! Response:",
                           "        CT_Data (Kommando 'Reset ICC'): OK! Antwort:"};
constexpr const char* kResponseBytes = "           %s";
constexpr Text kCloseError{"        CT_Close: ERROR %d!", "        CT_Close: FEHLER %d!"};
constexpr Text kClose{"        CT_Close: OK!", "        CT_Close: OK!"};
}  // namespace texts

constexpr std::uint16_t kLastTerminalNumber = 10;
constexpr std::uint32_t kVersionStringNumber = 3;
constexpr std::size_t kVersionTextSize = 120;
constexpr std::size_t kResponseSize = 100;
constexpr std::size_t kResetCtShownBytes = 60;
constexpr std::size_t kResetIccShownBytes = 40;
constexpr int kResetIccAttempts = 20;
constexpr std::uint32_t kCardWaitMs = 200;

using Command = std::array<std::uint8_t, 5>;
constexpr Command kResetCt{0x20, 0x10, 0x00, 0x00, 0x00};
constexpr Command kResetIcc{0x20, 0x10, 0x01, 0x01, 0x00};
constexpr std::uint8_t kToTerminal = 1;
constexpr std::uint8_t kFromHost = 2;

struct Response {
    std::int8_t result = 0;
    std::uint16_t reportedLength = 0;
    std::array<std::uint8_t, kResponseSize> bytes{};

    // The library may report more than the buffer holds; only the buffer is ever read.
    std::size_t bytesAtMost(std::size_t count) const {
        return std::min({std::size_t{reportedLength}, kResponseSize, count});
    }
    bool is(std::uint8_t first, std::uint8_t second) const {
        return reportedLength == 2 && bytes[0] == first && bytes[1] == second;
    }
};

Response send(platform::CtApiLibrary& library, std::uint16_t ctn, const Command& command) {
    Response response;
    std::uint8_t destination = kToTerminal;
    std::uint8_t source = kFromHost;
    std::uint16_t length = kResponseSize;
    response.result = library.data(ctn, destination, source, static_cast<std::uint16_t>(command.size()),
                                   command.data(), length, response.bytes.data());
    response.reportedLength = length;
    return response;
}

class ReaderTest {
public:
    ReaderTest(ProbeEnv& env, platform::CtApiLibrary& library) : env_(env), state_(env.state), library_(library) {}

    bool run(std::uint16_t port) {
        std::uint16_t ctn = 1;
        std::int8_t result = library_.init(ctn, port);
        while (result < 0 && ctn < kLastTerminalNumber) result = library_.init(++ctn, port);
        if (result < 0) {
            add(texts::kInitError, int(result));
            return false;
        }
        add(texts::kInit, int(ctn), int(port));
        const bool passed = resetTerminal(ctn);
        if (passed) resetCard(ctn);
        const std::int8_t closed = library_.close(ctn);
        if (closed < 0) {
            add(texts::kCloseError, int(closed));
            return false;
        }
        state_.add(texts::kClose);
        return passed;
    }

private:
    template <class... Args>
    void add(const Text& text, Args... args) {
        state_.protocol.add(format(state_.text(text), args...));
    }

    bool resetTerminal(std::uint16_t ctn) {
        const Response response = send(library_, ctn, kResetCt);
        if (response.result < 0) {
            add(texts::kResetCtError, int(response.result));
            return false;
        }
        if (response.reportedLength < 2) {
            add(texts::kResetCtLength, int(response.reportedLength));
            return false;
        }
        const std::string hex = hexText(response.bytes.data(), response.bytesAtMost(kResetCtShownBytes), '\0');
        if (hex.find("9000") == std::string::npos) {
            add(texts::kResetCtResponseError, hex.c_str());
            return false;
        }
        add(texts::kResetCtOk, hex.c_str());
        return true;
    }

    // Every answer is reported; none fails the reader.
    void resetCard(std::uint16_t ctn) {
        for (int attempt = 1; attempt <= kResetIccAttempts; ++attempt) {
            const Response response = send(library_, ctn, kResetIcc);
            if (response.result < 0) {
                add(texts::kResetIccError, int(response.result));
            } else if (response.reportedLength < 2) {
                add(texts::kResetIccLength, int(response.reportedLength));
            } else if (response.is(0x64, 0xA1)) {
                state_.add(texts::kNoCard);
            } else if (response.is(0x64, 0xA8)) {
                env_.platform.clock.sleep(kCardWaitMs);
                continue;
            } else if (response.reportedLength == 2) {
                add(texts::kResetIccResponseError, unsigned(response.bytes[0]), unsigned(response.bytes[1]));
            } else {
                state_.add(texts::kResetIccOk);
                const std::string hex = hexText(response.bytes.data(), response.bytesAtMost(kResetIccShownBytes), ' ');
                state_.protocol.add(format(texts::kResponseBytes, hex.c_str()));
            }
            return;
        }
    }

    ProbeEnv& env_;
    ProbeState& state_;
    platform::CtApiLibrary& library_;
};

}  // namespace

bool testCtApi(ProbeEnv& env) {
    ProbeState& state = env.state;
    state.add(texts::kHeading);
    const auto library = env.platform.libraries.loadCtApi(state.description.ctApiLibraryName);
    if (!library) {
        state.add(texts::kNotFound);
        return true;
    }
    if (!library->hasVersionString()) {
        state.add(texts::kWrongVersion);
        return false;
    }
    std::array<char, kVersionTextSize> version{};
    library->versionString(version.data(), kVersionStringNumber);
    const std::string versionText(version.data(), boundedLength(version.data(), version.size()));
    state.protocol.add(format(state.text(texts::kLoaded), versionText.c_str()));

    bool passed = true;
    ReaderTest readerTest(env, *library);
    int port = 1;
    for (const std::string& name : state.matchedReaders) {
        state.protocol.addSeparator();
        state.protocol.add(format(state.text(texts::kReader), displayNameOf(state.description, name).c_str(), port));
        env.view.repaintNow();
        if (!readerTest.run(static_cast<std::uint16_t>(port))) passed = false;
        ++port;
    }
    return passed;
}

}  // namespace probe
