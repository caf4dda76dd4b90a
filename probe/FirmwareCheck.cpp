#include "FirmwareCheck.h"

#include "ReaderCheckSupport.h"
#include "ReaderCheckTexts.h"
#include "probe/reader/VendorRequests.h"

namespace probe {
namespace {

using platform::ScardResult;

constexpr int kConnectAttempts = 20;
constexpr std::uint32_t kConnectRetryMilliseconds = 200;

struct FirmwareOutcome {
    bool versionRead = false;  // some VersionRequest succeeded
    bool connected = false;    // some reader was connected
    bool matchesDropped = false;
    ScardResult lastCode = platform::kScardSuccess;
};

// Asks one connected reader, matched by pattern k, for its firmware version and chip revision.
void readReader(ProbeEnv& env, const cardreader::CardConnection& card, const std::string& name, int k,
                FirmwareOutcome& outcome) {
    ProbeState& state = env.state;
    const ReaderDescription& description = state.description;
    platform::SmartCard& service = env.platform.smartCard;
    // The record the run talks about; when the driver check named none (only a secondary reader
    // was seen and its request failed), the record of the matching pattern.
    const int record = state.run.readerIndex >= 0 ? state.run.readerIndex : k;

    cardreader::VersionReply version;
    const ScardResult code = cardreader::sendVersionRequest(service, card.handle(), version,
                                                            cardreader::ReplyBuffer::ZeroFirst);
    if (code != platform::kScardSuccess) {
        composeMessage(state, texts::kControlError, platform::scardCodeBits(code));
        clearMessage(state);
    } else {
        outcome.versionRead = true;
        if (version.hasFirmwareVersion()) {
            if (state.matchedReaders.size() < kMaxMatchedReaders) state.matchedReaders.push_back(name);
            else outcome.matchesDropped = true;
            const int named = k >= description.primaryRecordCount ? description.primaryRecordCount : record;
            composeMessage(state, texts::kFirmwareVersion, recordName(description, named).c_str(),
                           version.firmwareMajor(), version.firmwareMinor());
        }
    }

    if (record < kMaxReaderRecords && description.records[static_cast<std::size_t>(record)].ReaderType == 1) {
        cardreader::ChipRevisionReply chip;
        if (cardreader::sendChipRevisionRequest(service, card.handle(), chip) == platform::kScardSuccess)
            composeMessage(state, texts::kChipRevision, recordName(description, record).c_str(),
                           cardreader::chipRevisionText(chip));
    }
}

// Connects to each listed name that matches a pattern, retrying, and reads the first connection.
void readMatchingReaders(ProbeEnv& env, const cardreader::ServiceContext& context,
                         const std::vector<std::string>& names, FirmwareOutcome& outcome) {
    ProbeState& state = env.state;
    const ReaderDescription& description = state.description;
    state.matchedReaders.clear();
    for (const std::string& name : names) {
        for (int k = 0; k < description.namePatternCount && k < kMaxNamePatterns; ++k) {
            const std::string& pattern = description.namePatterns[static_cast<std::size_t>(k)];
            if (pattern.empty()) continue;
            cardreader::CardConnection card(context, platform::kScardLeaveCard);
            if (containsIgnoringCase(name, pattern)) {
                for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
                    const ScardResult code = connectDirectThenShared(card, name);
                    if (code == platform::kScardSuccess) break;
                    outcome.lastCode = code;
                    env.platform.clock.sleep(kConnectRetryMilliseconds);
                }
            }
            if (card.connected()) {
                readReader(env, card, name, k, outcome);
                card.disconnect();
                outcome.connected = true;
                break;  // the remaining patterns of this name are not tried
            }
            env.view.repaintNow();
        }
    }
}

}  // namespace

bool checkFirmware(ProbeEnv& env, int) {
    ProbeState& state = env.state;
    state.add(texts::kFirmwareCheckHeading);
    FirmwareOutcome outcome;

    cardreader::ServiceContext context(env.platform.smartCard);
    const ScardResult established = context.establish(platform::kScardScopeSystem);
    if (established != platform::kScardSuccess) {
        outcome.lastCode = established;
        composeContextFailure(state, established);
    } else {
        clearMessage(state);
        const cardreader::ReaderListing listing = cardreader::listReaders(context);
        if (listing.outcome == cardreader::ReaderListing::Outcome::Listed) {
            reportListingDefects(state, listing);
            readMatchingReaders(env, context, listing.names, outcome);
        } else {
            outcome.lastCode = listing.code;
            composeListingFailure(state, listing);
        }
    }
    context.cancelAndRelease();

    if (outcome.matchesDropped) state.add(texts::kTooManyReaders);
    if (!outcome.connected) {
        composeMessage(state, texts::kConnectError, platform::scardCodeBits(outcome.lastCode));
        clearMessage(state);
    }
    const std::string& shown = state.language == Language::German ? state.messageGerman : state.messageEnglish;
    if (shown.empty()) composeMessage(state, texts::kFirmwareNotRead);
    return outcome.versionRead;
}

}  // namespace probe
