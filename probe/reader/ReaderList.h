#pragma once
// Reading the resource manager's reader list: a length query, then a buffer of exactly that length.
#include <cstddef>
#include <string>
#include <vector>

#include "ServiceContext.h"

namespace cardreader {

// Names are copied into 256-byte buffers by every caller: longer ones cannot be used.
constexpr std::size_t kMaxReaderNameLength = 255;
// A list longer than this is refused like a failed allocation; a real one holds a few names.
constexpr std::uint32_t kMaxReaderListLength = 1u << 20;

struct ReaderListing {
    enum class Outcome {
        Listed,
        LengthQueryFailed,  // `code` is the query's result
        EmptyLength,        // the query succeeded with length 0
        NoMemory,           // the length could not be allocated
        ReadFailed,         // `code` is the read's result
    };
    Outcome outcome = Outcome::Listed;
    platform::ScardResult code = platform::kScardSuccess;
    std::vector<std::string> names;  // the usable names, in list order
    // The list did not close with an empty name inside the length the service gave (a name
    // without its NUL at the end is dropped), or the service claimed more than the buffer holds.
    bool damaged = false;
    int overlongNames = 0;  // names longer than kMaxReaderNameLength, left out
};

ReaderListing listReaders(const ServiceContext& context);

// Splits a double-NUL-terminated list held in `length` bytes, never reading past them.
void splitReaderList(const char* list, std::size_t length, ReaderListing& into);

}  // namespace cardreader
