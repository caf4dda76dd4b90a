#pragma once
// What the driver check and the firmware check share: the message pair, the service's failures as
// messages, name matching and the connect of both checks.
#include <string>

#include "ProbeState.h"
#include "probe/reader/CardConnection.h"
#include "probe/reader/ReaderList.h"

namespace probe {

// MatchedReaders holds this many names.
constexpr std::size_t kMaxMatchedReaders = 10;

// Composes both texts of the message pair and adds the current language's one to the protocol.
template <class... Args>
void composeMessage(ProbeState& state, const Text& text, Args... args) {
    if constexpr (sizeof...(Args) == 0) {
        state.messageEnglish = text.english;
        state.messageGerman = text.german;
    } else {
        state.messageEnglish = format(text.english, args...);
        state.messageGerman = format(text.german, args...);
    }
    state.addMessage();
}

inline void clearMessage(ProbeState& state) {
    state.messageEnglish.clear();
    state.messageGerman.clear();
}

// ReaderName of record `index`; empty for an index outside the table.
const std::string& recordName(const ReaderDescription& description, int index);
bool secondaryFileLoaded(const ProbeState& state);

void composeNotConnected(ProbeState& state);
// A context that could not be established: service not running, not connected, or the code.
void composeContextFailure(ProbeState& state, platform::ScardResult code);
// A listing that did not give a list (anything but Outcome::Listed).
void composeListingFailure(ProbeState& state, const cardreader::ReaderListing& listing);
// A list that was read but had to be mended: one line for a damaged list, one per name too long.
void reportListingDefects(ProbeState& state, const cardreader::ReaderListing& listing);

// Both taken in upper case, `part` occurs anywhere in `text`. An empty part never matches.
bool containsIgnoringCase(const std::string& text, const std::string& part);

// Direct sharing without a protocol; if that fails, shared with T=0 or T=1. The result is the
// last connect's.
platform::ScardResult connectDirectThenShared(cardreader::CardConnection& card, const std::string& reader);

}  // namespace probe
