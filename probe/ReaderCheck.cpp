#include "ReaderCheck.h"

#include "ReaderCheckSupport.h"
#include "ReaderCheckTexts.h"
#include "probe/reader/PnpEnumeration.h"
#include "probe/reader/VendorRequests.h"

namespace probe {
namespace {

using platform::ScardResult;

// A VersionRequest's reply with its result; a request that never ran counts as failed.
struct DriverAnswer {
    cardreader::VersionReply reply;
    ScardResult code = platform::kScardEUnknownReader;
    bool succeeded() const { return code == platform::kScardSuccess; }
};

struct DriverAnswers {
    DriverAnswer primary;
    DriverAnswer secondary;
};

// Connects to every listed reader that matches a pattern and asks its driver for the version.
void askMatchingReaders(ProbeEnv& env, const cardreader::ServiceContext& context,
                        const std::vector<std::string>& names, DriverAnswers& answers) {
    ProbeState& state = env.state;
    TestRun& run = state.run;
    const ReaderDescription& description = state.description;
    state.matchedReaders.clear();
    for (const std::string& name : names) {
        for (int k = 0; k < description.namePatternCount && k < kMaxNamePatterns; ++k) {
            if (!containsIgnoringCase(name, description.namePatterns[static_cast<std::size_t>(k)])) continue;
            // Names beyond the tenth are still checked but not kept (the list is refilled by the
            // firmware check before anyone reads it).
            if (state.matchedReaders.size() < kMaxMatchedReaders) state.matchedReaders.push_back(name);
            cardreader::CardConnection card(context, platform::kScardUnpowerCard);
            const ScardResult connected = connectDirectThenShared(card, name);
            if (connected == platform::kScardEUnknownReader) continue;
            run.readerFound = true;
            const bool secondary = secondaryFileLoaded(state) && k >= description.primaryRecordCount;
            DriverAnswer& answer = secondary ? answers.secondary : answers.primary;
            answer.code = card.connected() ? cardreader::sendVersionRequest(context.service(), card.handle(), answer.reply,
                                                                            cardreader::ReplyBuffer::ZeroFirst)
                                           : connected;
            if (secondary) {
                if (answer.succeeded()) run.secondaryReaderFound = true;
            } else {
                run.readerIndex = k;
                if (!answer.succeeded()) run.readerFound = false;
            }
        }
    }
}

// Windows 98 and ME: a reader that Plug and Play knows but the resource manager did not show
// needs a reboot.
void checkPlugAndPlay(ProbeEnv& env) {
    ProbeState& state = env.state;
    TestRun& run = state.run;
    const ReaderDescription& description = state.description;
    const bool notRegistered = !run.readerFound;
    run.readerFound = false;
    run.secondaryReaderFound = false;
    run.readerIndex = -1;
    state.matchedReaders.clear();
    for (const std::string& value : cardreader::readPnpHardwareKeys(env.platform.registry)) {
        for (int k = 0; k < description.namePatternCount && k < kMaxReaderRecords; ++k) {
            if (!containsIgnoringCase(value, description.records[static_cast<std::size_t>(k)].HardwareID)) continue;
            run.readerFound = true;
            run.readerIndex = k;
            if (secondaryFileLoaded(state) && k >= description.primaryRecordCount) run.secondaryReaderFound = true;
        }
    }
    if (!run.readerFound) composeNotConnected(state);
    if (notRegistered && run.readerFound) {
        composeMessage(state, texts::kNotAvailable, recordName(description, run.readerIndex).c_str());
        composeMessage(state, texts::kRebootRequest);
        run.readerFound = false;
    }
}

void composeDriverLine(ProbeState& state, const std::string& readerName, const DriverAnswer& answer) {
    if (answer.succeeded())
        composeMessage(state, texts::kDriverWithVersion, readerName.c_str(), int(answer.reply.driverMajor()),
                       int(answer.reply.driverMinor()));
    else composeMessage(state, texts::kDriverStarted, readerName.c_str());
}

}  // namespace

void checkReaderAndDriver(ProbeEnv& env, int osFamily) {
    ProbeState& state = env.state;
    TestRun& run = state.run;
    const ReaderDescription& description = state.description;
    state.add(texts::kDriverCheckHeading);
    run.readerFound = false;
    run.secondaryReaderFound = false;
    run.readerIndex = -1;
    clearMessage(state);

    const bool plugAndPlay = osFamily == 0 && !run.isWindows95;
    DriverAnswers answers;
    cardreader::ServiceContext context(env.platform.smartCard);
    const ScardResult established = context.establish(platform::kScardScopeSystem);
    if (established != platform::kScardSuccess) {
        composeContextFailure(state, established);
    } else {
        const cardreader::ReaderListing listing = cardreader::listReaders(context);
        const bool listed = listing.outcome == cardreader::ReaderListing::Outcome::Listed;
        if (listed) {
            reportListingDefects(state, listing);
            askMatchingReaders(env, context, listing.names, answers);
        } else {
            composeListingFailure(state, listing);
        }
        // Also after a failed listing: the context is not left open.
        context.cancelAndRelease();
        if (listed) {
            if (run.secondaryReaderFound && run.readerIndex == -1) {
                run.readerIndex = description.primaryRecordCount;
                answers.primary = answers.secondary;
            }
            if (!plugAndPlay && !run.readerFound) composeNotConnected(state);
        }
    }

    if (plugAndPlay) checkPlugAndPlay(env);

    if (run.readerFound) {
        if (run.secondaryReaderFound)
            composeDriverLine(state, recordName(description, description.primaryRecordCount), answers.secondary);
        if (run.readerIndex >= 0 && run.readerIndex < description.primaryRecordCount)
            composeDriverLine(state, recordName(description, run.readerIndex), answers.primary);
    }
    env.view.repaintNow();
}

}  // namespace probe
