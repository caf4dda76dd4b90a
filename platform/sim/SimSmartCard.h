#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../SmartCard.h"

namespace platform::sim {

// What a reader's driver answers to one control code.
struct SimControlReply {
    ScardResult result = kScardSuccess;
    std::string bytes;                      // written into the output buffer, cut to its size
    std::optional<std::uint32_t> returned;  // the length reported; by default the bytes written
};

struct SimReader {
    std::string name;
    std::map<std::uint32_t, ScardResult> connectResults;  // by share mode; success when missing
    std::deque<ScardResult> nextConnectResults;           // used up first, one per connect
    std::map<std::uint32_t, SimControlReply> replies;     // by control code; unsupported when missing
    std::map<std::uint32_t, std::deque<SimControlReply>> nextReplies;  // used up first, one per request
};

// A resource manager with scripted readers. Every call is logged in a compact form, e.g.
// "SCardEstablishContext(2)", "SCardListReadersA(null)", "SCardListReadersA(27)",
// "SCardConnectA(Kavrin TK560 USB 0,3,0)", "SCardControl(0x3136B0,13 00,5)", "SCardDisconnect(2)",
// "SCardCancel", "SCardReleaseContext".
class SimSmartCard : public SmartCard {
public:
    ScardResult establishContext(std::uint32_t scope, ScardContext& context) override;
    ScardResult listReaders(ScardContext context, char* buffer, std::uint32_t& length) override;
    ScardResult connect(ScardContext context, const std::string& reader, std::uint32_t shareMode,
                        std::uint32_t preferredProtocols, ScardHandle& card, std::uint32_t& activeProtocol) override;
    ScardResult control(ScardHandle card, std::uint32_t controlCode, const void* input, std::uint32_t inputLength,
                        void* output, std::uint32_t outputLength, std::uint32_t& returned) override;
    ScardResult disconnect(ScardHandle card, std::uint32_t disposition) override;
    ScardResult cancel(ScardContext context) override;
    ScardResult releaseContext(ScardContext context) override;

    // A reader that connects in every mode and answers no control code until replies are added.
    SimReader& addReader(const std::string& name);
    SimReader* reader(const std::string& name);

    std::vector<SimReader> readers;  // listed in this order
    ScardResult establishResult = kScardSuccess;
    ScardResult lengthQueryResult = kScardSuccess;
    ScardResult readResult = kScardSuccess;
    // A misbehaving service: the length query reports `rawLength` (default: the size of `rawList`);
    // the read copies what fits of `rawList` and reports `rawReadLength` (default: the bytes copied).
    std::optional<std::string> rawList;
    std::optional<std::uint32_t> rawLength;
    std::optional<std::uint32_t> rawReadLength;

    std::vector<std::string> calls;
    int invalidHandleCalls = 0;  // calls naming a context or card that is not open
    std::set<ScardContext> openContexts;
    std::set<ScardHandle> openCards;

private:
    std::string builtList() const;
    std::map<ScardHandle, std::string> cardReaders_;
    ScardContext nextContext_ = 0x1000;
    ScardHandle nextCard_ = 0x2000;
};

}  // namespace platform::sim
