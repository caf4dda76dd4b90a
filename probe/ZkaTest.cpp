#include "ZkaTest.h"

#include <algorithm>
#include <cstdint>

#include "InterfaceReaders.h"

namespace probe {
namespace {

namespace texts {
constexpr Text kHeading{"Test of the ZKA-Sig-API Interface:",
                        "Test der Kartenleser-Standardschnittstelle (ZKA-Sig-API):"};
constexpr Text kNotFound{"    ZkaSigApi DLL not found!", "    ZkaSigApi DLL nicht gefunden oder DLL fehlerhaft!"};
constexpr Text kOpenError{"        zka_sig_open: ERROR! Returncode: %x Errorcode: %s",
                          "        zka_sig_open: FEHLER! Returncode: %x Fehlercode: %s"};
constexpr Text kLoaded{"    ZkaSigApi DLL Version %s successful loaded!",
                       "    ZkaSigApi DLL Version %s erfolgreich geladen!"};
constexpr Text kReader{"    Test of the %s reader:", "    Test des %s Lesers:"};
constexpr Text kOpen{"        zka_sig_open: OK!", "        zka_sig_open: OK!"};
constexpr Text kCard{"        zka_sig_card_available: OK! ( Signature card inserted )",
                     "        zka_sig_card_available: OK! ( Signaturkarte gesteckt )"};
constexpr Text kNoCard{"        zka_sig_card_available: OK! ( no signature card inserted )",
                       "        zka_sig_card_available: OK! (keine Karte gesteckt )"};
constexpr Text kCardError{"        zka_sig_card_available: ERROR! Returncode: %x Errorcode: %s",
                          "        zka_sig_card_available: FEHLER! Returncode: %x Fehlercode: %s"};
constexpr Text kClose{"        zka_sig_close: OK!", "        zka_sig_close: OK!"};
constexpr Text kCloseError{"        zka_sig_close: ERROR! Returncode: %x Errorcode: %s",
                           "        zka_sig_close: FEHLER! Returncode: %x Fehlercode: %s"};
}  // namespace texts

constexpr int kOpenCalls = 20;
constexpr std::uint32_t kTryAgainPauseMs = 200;
constexpr std::int32_t kTryAgain = 1;
constexpr std::uint8_t kTryAgainError = 0x02;
constexpr std::int32_t kCardInserted = 0;
constexpr std::int32_t kNoCardInserted = 2;
// An error line is built in at most this many characters; a longer one is cut there.
constexpr std::size_t kErrorLineLength = 127;

using Area = std::array<char, ZkaInterface::kAreaSize>;

class ReaderTest {
public:
    ReaderTest(ProbeEnv& env, platform::ZkaLibrary& library)
        : env_(env), state_(env.state), zka_(env.state.zka), library_(library) {}

    bool run() {
        const std::int32_t opened = open();
        if (opened != 0) {
            addError(texts::kOpenError, opened);
            return false;
        }
        const std::string version(zka_.versionText.data(), boundedLength(zka_.versionText.data(), zka_.kAreaSize));
        state_.protocol.add(format(state_.text(texts::kLoaded), version.c_str()));
        state_.protocol.add(format(state_.text(texts::kReader), zka_.displayName.c_str()));
        env_.view.repaintNow();
        state_.add(texts::kOpen);

        bool passed = true;
        const std::int32_t card = library_.cardAvailable(zka_.readerHandle, zka_.errorLength, zka_.errorBytes.data());
        if (card == kCardInserted) {
            state_.add(texts::kCard);
        } else if (card == kNoCardInserted) {
            state_.add(texts::kNoCard);
        } else {
            addError(texts::kCardError, card);
            passed = false;
        }
        const std::int32_t closed = library_.close(zka_.readerHandle, zka_.errorLength, zka_.errorBytes.data());
        if (closed != 0) {
            addError(texts::kCloseError, closed);
            return false;
        }
        state_.add(texts::kClose);
        return passed;
    }

private:
    // The try-again answer is retried after a pause, which also follows the last such answer.
    std::int32_t open() {
        Area name{};
        const std::string& readerName = zka_.readerName;
        std::copy_n(readerName.begin(), std::min(readerName.size(), name.size() - 1), name.begin());
        std::int32_t code = 0;
        for (int call = 1; call <= kOpenCalls; ++call) {
            Area reserved1{};
            Area reserved2{};
            code = library_.open(zka_.readerHandle, name.data(), zka_.versionText.data(), reserved1.data(),
                                 reserved2.data(), zka_.errorLength, zka_.errorBytes.data());
            if (code != kTryAgain || zka_.errorLength != 1 || zka_.errorBytes[0] != kTryAgainError) break;
            env_.platform.clock.sleep(kTryAgainPauseMs);
        }
        return code;
    }

    // The error length is the library's word; only the error area is ever read.
    void addError(const Text& text, std::int32_t code) {
        const std::size_t count = std::min<std::size_t>(zka_.errorLength, zka_.errorBytes.size());
        const std::string errorText = hexText(zka_.errorBytes.data(), count, ' ');
        std::string line = format(state_.text(text), static_cast<unsigned>(code), errorText.c_str());
        if (line.size() > kErrorLineLength) line.resize(kErrorLineLength);
        state_.protocol.add(line);
    }

    ProbeEnv& env_;
    ProbeState& state_;
    ZkaInterface& zka_;
    platform::ZkaLibrary& library_;
};

}  // namespace

bool testZkaInterface(ProbeEnv& env, const std::string& libraryPath) {
    ProbeState& state = env.state;
    state.protocol.addSeparator();
    state.add(texts::kHeading);
    const auto library = env.platform.libraries.loadZka(libraryPath);
    if (!library) {
        state.add(texts::kNotFound);
        return false;
    }
    bool anyPassed = false;
    ReaderTest readerTest(env, *library);
    for (const std::string& name : state.matchedReaders) {
        state.protocol.addSeparator();
        state.zka.readerName = name;
        state.zka.displayName = displayNameOf(state.description, name);
        if (readerTest.run()) anyPassed = true;
    }
    return anyPassed;
}

}  // namespace probe
