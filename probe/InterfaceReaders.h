#pragma once
// What the two interface tests share about the readers they test.
#include <string>

#include "ReaderDescription.h"

namespace probe {

// The display name of the first name pattern that occurs in readerName (both in upper case);
// empty when none does.
std::string displayNameOf(const ReaderDescription& description, const std::string& readerName);

// Bytes as text: two upper-case digits per byte, each followed by `separator` (none when 0).
std::string hexText(const unsigned char* bytes, std::size_t count, char separator);

// The length of a text the library wrote into an area of `size` bytes, which need not be terminated.
std::size_t boundedLength(const char* text, std::size_t size);

}  // namespace probe
