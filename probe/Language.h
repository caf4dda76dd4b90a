#pragma once
#include <string>

namespace probe {

enum class Language { English, German };

// A text in both languages, English first.
struct Text {
    const char* english;
    const char* german;
    const char* in(Language language) const { return language == Language::German ? german : english; }
};

// printf-style formatting into a std::string.
std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

}  // namespace probe
