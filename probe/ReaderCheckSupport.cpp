#include "ReaderCheckSupport.h"

#include <algorithm>
#include <cctype>

#include "ReaderCheckTexts.h"

namespace probe {
namespace {

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

const std::string& recordName(const ReaderDescription& description, int index) {
    static const std::string none;
    if (index < 0 || index >= static_cast<int>(description.records.size())) return none;
    return description.records[static_cast<std::size_t>(index)].ReaderName;
}

bool secondaryFileLoaded(const ProbeState& state) { return !state.secondaryReaderName.empty(); }

void composeNotConnected(ProbeState& state) {
    if (secondaryFileLoaded(state)) composeMessage(state, texts::kTk560NotConnected);
    else composeMessage(state, texts::kReaderNotConnected, recordName(state.description, 0).c_str());
}

void composeContextFailure(ProbeState& state, platform::ScardResult code) {
    if (code == platform::kScardENoService) composeMessage(state, texts::kServiceNotRunning);
    else if (code == platform::kScardENoReadersAvailable) composeNotConnected(state);
    else composeMessage(state, texts::kContextError, platform::scardCodeBits(code));
}

void composeListingFailure(ProbeState& state, const cardreader::ReaderListing& listing) {
    using Outcome = cardreader::ReaderListing::Outcome;
    switch (listing.outcome) {
        case Outcome::Listed: return;
        case Outcome::LengthQueryFailed:
            if (listing.code == platform::kScardENoReadersAvailable) composeNotConnected(state);
            else composeMessage(state, texts::kListingError, platform::scardCodeBits(listing.code));
            return;
        case Outcome::EmptyLength:
        case Outcome::ReadFailed: composeMessage(state, texts::kListingError, platform::scardCodeBits(listing.code)); return;
        case Outcome::NoMemory: composeMessage(state, texts::kInsufficientResources); return;
    }
}

void reportListingDefects(ProbeState& state, const cardreader::ReaderListing& listing) {
    if (listing.damaged) state.add(texts::kReaderListDamaged);
    for (int i = 0; i < listing.overlongNames; ++i) state.add(texts::kReaderNameTooLong);
}

bool containsIgnoringCase(const std::string& text, const std::string& part) {
    return !part.empty() && upperCase(text).find(upperCase(part)) != std::string::npos;
}

platform::ScardResult connectDirectThenShared(cardreader::CardConnection& card, const std::string& reader) {
    const platform::ScardResult direct =
        card.connect(reader, platform::kScardShareDirect, platform::kScardProtocolNone);
    if (direct == platform::kScardSuccess) return direct;
    return card.connect(reader, platform::kScardShareShared, platform::kScardProtocolT0OrT1);
}

}  // namespace probe
