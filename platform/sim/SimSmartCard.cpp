#include "SimSmartCard.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace platform::sim {
namespace {

std::string hexBytes(const void* data, std::uint32_t length) {
    if (data == nullptr) return "-";
    std::string text;
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::uint32_t i = 0; i < length; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02X", bytes[i]);
        if (i > 0) text += ' ';
        text += byte;
    }
    return text;
}

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace

SimReader& SimSmartCard::addReader(const std::string& name) {
    readers.push_back(SimReader{name, {}, {}, {}, {}});
    return readers.back();
}

SimReader* SimSmartCard::reader(const std::string& name) {
    for (SimReader& r : readers)
        if (r.name == name) return &r;
    return nullptr;
}

std::string SimSmartCard::builtList() const {
    std::string list;
    for (const SimReader& r : readers) list += r.name + '\0';
    list += '\0';
    return list;
}

ScardResult SimSmartCard::establishContext(std::uint32_t scope, ScardContext& context) {
    calls.push_back("SCardEstablishContext(" + std::to_string(scope) + ")");
    if (establishResult != kScardSuccess) return establishResult;
    context = nextContext_++;
    openContexts.insert(context);
    return kScardSuccess;
}

ScardResult SimSmartCard::listReaders(ScardContext context, char* buffer, std::uint32_t& length) {
    calls.push_back(std::string("SCardListReadersA(") + (buffer ? std::to_string(length) : "null") + ")");
    if (!openContexts.count(context)) {
        ++invalidHandleCalls;
        return kScardEInvalidHandle;
    }
    const ScardResult scripted = buffer ? readResult : lengthQueryResult;
    if (scripted != kScardSuccess) return scripted;
    if (rawList) {
        if (!buffer) {
            length = rawLength.value_or(static_cast<std::uint32_t>(rawList->size()));
            return kScardSuccess;
        }
        const auto copied = std::min<std::size_t>(length, rawList->size());
        std::memcpy(buffer, rawList->data(), copied);
        length = rawReadLength.value_or(static_cast<std::uint32_t>(copied));
        return kScardSuccess;
    }
    if (readers.empty()) return kScardENoReadersAvailable;
    const std::string list = builtList();
    if (buffer && length >= list.size()) std::memcpy(buffer, list.data(), list.size());
    const bool fits = !buffer || length >= list.size();
    length = static_cast<std::uint32_t>(list.size());
    return fits ? kScardSuccess : kScardEInsufficientBuffer;
}

ScardResult SimSmartCard::connect(ScardContext context, const std::string& name, std::uint32_t shareMode,
                                  std::uint32_t preferredProtocols, ScardHandle& card,
                                  std::uint32_t& activeProtocol) {
    calls.push_back("SCardConnectA(" + name + "," + std::to_string(shareMode) + "," +
                    std::to_string(preferredProtocols) + ")");
    if (!openContexts.count(context)) {
        ++invalidHandleCalls;
        return kScardEInvalidHandle;
    }
    SimReader* r = reader(name);
    if (r == nullptr) return kScardEUnknownReader;
    ScardResult result = kScardSuccess;
    if (!r->nextConnectResults.empty()) {
        result = r->nextConnectResults.front();
        r->nextConnectResults.pop_front();
    } else if (auto found = r->connectResults.find(shareMode); found != r->connectResults.end()) {
        result = found->second;
    }
    if (result != kScardSuccess) return result;
    card = nextCard_++;
    openCards.insert(card);
    cardReaders_[card] = name;
    activeProtocol = shareMode == kScardShareDirect ? 0 : 1;
    return kScardSuccess;
}

ScardResult SimSmartCard::control(ScardHandle card, std::uint32_t controlCode, const void* input,
                                  std::uint32_t inputLength, void* output, std::uint32_t outputLength,
                                  std::uint32_t& returned) {
    calls.push_back("SCardControl(" + hex(controlCode) + "," + hexBytes(input, inputLength) + "," +
                    std::to_string(outputLength) + ")");
    if (!openCards.count(card)) {
        ++invalidHandleCalls;
        return kScardEInvalidHandle;
    }
    SimReader* r = reader(cardReaders_[card]);
    if (r == nullptr) return kScardWRemovedCard;
    SimControlReply reply;
    if (auto next = r->nextReplies.find(controlCode); next != r->nextReplies.end() && !next->second.empty()) {
        reply = next->second.front();
        next->second.pop_front();
    } else if (auto found = r->replies.find(controlCode); found != r->replies.end()) {
        reply = found->second;
    } else {
        return kScardEUnsupportedFeature;
    }
    if (reply.result != kScardSuccess) return reply.result;
    const auto written = std::min<std::size_t>(outputLength, reply.bytes.size());
    if (output != nullptr) std::memcpy(output, reply.bytes.data(), written);
    returned = reply.returned.value_or(static_cast<std::uint32_t>(written));
    return kScardSuccess;
}

ScardResult SimSmartCard::disconnect(ScardHandle card, std::uint32_t disposition) {
    calls.push_back("SCardDisconnect(" + std::to_string(disposition) + ")");
    if (!openCards.erase(card)) {
        ++invalidHandleCalls;
        return kScardEInvalidHandle;
    }
    cardReaders_.erase(card);
    return kScardSuccess;
}

ScardResult SimSmartCard::cancel(ScardContext context) {
    calls.push_back("SCardCancel");
    if (!openContexts.count(context)) {
        ++invalidHandleCalls;
        return kScardEInvalidHandle;
    }
    return kScardSuccess;
}

ScardResult SimSmartCard::releaseContext(ScardContext context) {
    calls.push_back("SCardReleaseContext");
    if (!openContexts.erase(context)) {
        ++invalidHandleCalls;
        return kScardEInvalidHandle;
    }
    return kScardSuccess;
}

}  // namespace platform::sim
