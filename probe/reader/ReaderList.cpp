#include "ReaderList.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace cardreader {

void splitReaderList(const char* list, std::size_t length, ReaderListing& into) {
    std::size_t at = 0;
    while (at < length) {
        const void* nul = std::memchr(list + at, '\0', length - at);
        if (nul == nullptr) break;  // a name cut off by the end of the buffer
        const std::size_t nameLength = static_cast<const char*>(nul) - (list + at);
        if (nameLength == 0) return;  // the closing NUL
        if (nameLength > kMaxReaderNameLength) ++into.overlongNames;
        else into.names.emplace_back(list + at, nameLength);
        at += nameLength + 1;
    }
    into.damaged = true;
}

ReaderListing listReaders(const ServiceContext& context) {
    using Outcome = ReaderListing::Outcome;
    ReaderListing listing;
    platform::SmartCard& service = context.service();
    std::uint32_t length = 0;
    platform::ScardResult result = service.listReaders(context.handle(), nullptr, length);
    if (result != platform::kScardSuccess) {
        listing.outcome = Outcome::LengthQueryFailed;
        listing.code = result;
        return listing;
    }
    if (length == 0) {
        listing.outcome = Outcome::EmptyLength;
        return listing;
    }
    std::vector<char> buffer;
    if (length <= kMaxReaderListLength) {
        try {
            buffer.resize(length);
        } catch (const std::bad_alloc&) {
            buffer.clear();
        }
    }
    if (buffer.empty()) {
        listing.outcome = Outcome::NoMemory;
        return listing;
    }
    std::uint32_t written = length;
    result = service.listReaders(context.handle(), buffer.data(), written);
    if (result != platform::kScardSuccess) {
        listing.outcome = Outcome::ReadFailed;
        listing.code = result;
        return listing;
    }
    splitReaderList(buffer.data(), std::min<std::size_t>(written, buffer.size()), listing);
    if (written > buffer.size()) listing.damaged = true;
    return listing;
}

}  // namespace cardreader
