#include "GaugeCheck.h"

#include "probe/reader/CardConnection.h"
#include "probe/reader/PnpEnumeration.h"
#include "probe/reader/ReaderList.h"
#include "probe/reader/VendorRequests.h"

namespace gauge {
namespace {

using platform::ScardResult;
using Outcome = cardreader::ReaderListing::Outcome;

template <class... Args>
void setPrinted(TextPair& pair, const Text& text, Args... args) {
    pair.english = probe::format(text.english, args...);
    pair.german = probe::format(text.german, args...);
}

void markSeen(GaugeState& state, ReaderKind kind) {
    if (kind == ReaderKind::Usb) state.usbReaderSeen = true;
    else state.serialReaderSeen = true;
}

bool seen(const GaugeState& state, ReaderKind kind) {
    return kind == ReaderKind::Usb ? state.usbReaderSeen : state.serialReaderSeen;
}

void readOsFamily(platform::SystemInfo& system, GaugeState& state) {
    constexpr std::uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS
    platform::OsVersion version;
    state.isWindows95 = false;
    if (!system.getVersion(version)) {
        // Without a version the registry walk of Windows 98 and ME is left out: it could only
        // turn a reader that the resource manager shows into a reboot request.
        state.osFamily = 2;
        return;
    }
    if (version.platformId == kPlatformWindows) {
        state.osFamily = 0;
        state.isWindows95 = version.majorVersion == 4 && version.minorVersion == 0;
    } else {
        state.osFamily = version.majorVersion <= 4 ? 1 : 2;
    }
}

void setContextFailure(TextPair& text, ScardResult code) {
    if (code == platform::kScardENoReadersAvailable) text.set(texts::kNoReader);
    else if (code == platform::kScardENoService) text.set(texts::kServiceNotRunning);
    else setPrinted(text, texts::kContextError, platform::scardCodeBits(code));
}

// Both steps open a context of the user's scope; a failure leaves its text.
bool establishUserContext(cardreader::ServiceContext& context, TextPair& text) {
    const ScardResult established = context.establish(platform::kScardScopeUser);
    if (established == platform::kScardSuccess) return true;
    setContextFailure(text, established);
    return false;
}

void setListingFailure(TextPair& text, const cardreader::ReaderListing& listing) {
    switch (listing.outcome) {
        case Outcome::LengthQueryFailed:
        case Outcome::ReadFailed:
            if (listing.code == platform::kScardENoReadersAvailable) text.set(texts::kNoReader);
            else setPrinted(text, texts::kListingError, platform::scardCodeBits(listing.code));
            break;
        case Outcome::EmptyLength: setPrinted(text, texts::kListingError, 0u); break;
        case Outcome::NoMemory: text.set(texts::kNoMemory); break;
        case Outcome::Listed: break;
    }
}

// Exact letter case; the first entry in table order.
const ReaderEntry* tableEntryIn(const std::string& listedName) {
    for (const ReaderEntry& entry : kReaderTable)
        if (listedName.find(entry.name) != std::string::npos) return &entry;
    return nullptr;
}

// Notes the kinds of reader the resource manager lists. A shared connect tells a reader that is
// there from a stale entry; nothing is asked of the reader here.
void detectReaders(const GaugePorts& ports, GaugeState& state) {
    cardreader::ServiceContext context(ports.smartCard);
    if (!establishUserContext(context, state.text)) return;
    const cardreader::ReaderListing listing = cardreader::listReaders(context);
    if (listing.outcome != Outcome::Listed) {
        setListingFailure(state.text, listing);
        context.release();
        return;
    }
    // Names too long for the tool's 256-byte buffer are left out by the listing: they cannot be
    // any of the table's readers with its instance digit.
    for (const std::string& name : listing.names) {
        const ReaderEntry* entry = tableEntryIn(name);
        if (entry == nullptr) continue;
        cardreader::CardConnection card(context, platform::kScardUnpowerCard);
        if (card.connect(name, platform::kScardShareShared, platform::kScardProtocolT0OrT1) !=
            platform::kScardEUnknownReader)
            markSeen(state, entry->kind);
    }
    context.cancelAndRelease();
}

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Windows 98 and ME: Plug and Play may know a reader that the resource manager has not taken up
// yet; only a reboot helps then.
void checkPlugAndPlay(platform::Registry& registry, GaugeState& state) {
    // The reboot request is made only when the resource manager showed no reader at all, as the
    // installation check tool does: a working reader that the registry also shows must not be
    // reported as unavailable, whatever the other kind does.
    const bool resourceManagerShowedNone = !state.usbReaderSeen && !state.serialReaderSeen;
    state.usbReaderSeen = false;
    state.serialReaderSeen = false;
    for (const std::string& value : cardreader::readPnpHardwareKeys(registry)) {
        const std::string upper = upperCase(value);
        for (const HardwareIdEntry& hardwareId : kHardwareIds) {
            if (upper.find(hardwareId.id) == std::string::npos) continue;
            markSeen(state, hardwareId.kind);
            break;
        }
    }
    if (!resourceManagerShowedNone || (!state.usbReaderSeen && !state.serialReaderSeen)) return;
    state.text.set(state.usbReaderSeen && state.serialReaderSeen ? texts::kBothNotAvailableHead
                   : state.usbReaderSeen                         ? texts::kUsbNotAvailableHead
                                                                 : texts::kSerialNotAvailableHead);
    state.text.append(texts::kNotAvailableTail);
    state.text.append(texts::kRebootTail);
    // No firmware step for readers the resource manager cannot reach.
    state.usbReaderSeen = false;
    state.serialReaderSeen = false;
}

void appendFirmwareText(TextPair& text, const ReaderEntry& entry, const cardreader::VersionReply& reply) {
    const unsigned requiredMajor = kRequiredFirmwareMajor;
    const unsigned requiredMinor = kRequiredFirmwareMinor;
    const unsigned major = reply.firmwareMajor();
    const unsigned minor = reply.firmwareMinor();
    if (major == requiredMajor && minor == requiredMinor) {
        text.english += probe::format(texts::kRequiredFirmware.english, entry.label, requiredMajor, requiredMinor);
        text.german += probe::format(texts::kRequiredFirmware.german, entry.label, requiredMajor, requiredMinor);
    } else {
        text.english +=
            probe::format(texts::kOtherFirmware.english, entry.label, major, minor, requiredMajor, requiredMinor);
        text.german += probe::format(texts::kOtherFirmware.german, entry.label, major, minor, requiredMajor, requiredMinor);
    }
}

// Asks the first reader of each kind seen ("<name> 0") for its firmware version.
void readFirmware(const GaugePorts& ports, GaugeState& state) {
    cardreader::ServiceContext context(ports.smartCard);
    if (!establishUserContext(context, state.text)) return;
    state.text.english.clear();
    state.text.german.clear();
    ScardResult lastResult = platform::kScardSuccess;
    bool anyReaderKnown = false;
    for (const ReaderEntry& entry : kReaderTable) {
        if (!seen(state, entry.kind)) continue;
        {
            cardreader::CardConnection card(context, platform::kScardLeaveCard);
            lastResult = card.connect(std::string(entry.name) + " 0", platform::kScardShareDirect,
                                      platform::kScardProtocolNone);
            if (lastResult != platform::kScardEUnknownReader) anyReaderKnown = true;
            if (card.connected()) {
                // A fresh, cleared reply for every reader: bytes a driver leaves unwritten must
                // not show another reader's version or whatever the memory held.
                cardreader::VersionReply reply;
                lastResult = cardreader::sendVersionRequest(ports.smartCard, card.handle(), reply,
                                                            cardreader::ReplyBuffer::ZeroFirst);
                if (lastResult == platform::kScardSuccess) appendFirmwareText(state.text, entry, reply);
            }
        }  // disconnected before the context is cancelled
        context.cancel();
    }
    context.release();

    // "No reader" only when every reader tried was unknown to the resource manager; a reader that
    // is there but did not answer is reported as unreadable even when an absent one came after it.
    const bool noReader = lastResult == platform::kScardEUnknownReader && !anyReaderKnown;
    const Text& fallback = noReader ? texts::kNoReader : texts::kFirmwareUnreadable;
    if (state.text.english.empty()) state.text.english = fallback.english;
    if (state.text.german.empty()) state.text.german = fallback.german;
}

}  // namespace

void runGaugeCheck(const GaugePorts& ports, GaugeState& state) {
    readOsFamily(ports.system, state);
    detectReaders(ports, state);
    if (state.osFamily == 0 && !state.isWindows95) checkPlugAndPlay(ports.registry, state);
    if (state.usbReaderSeen || state.serialReaderSeen) readFirmware(ports, state);
}

}  // namespace gauge
