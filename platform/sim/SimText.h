#pragma once
#include <algorithm>
#include <cctype>
#include <string>

namespace platform::sim {

// Windows compares names without regard to (ASCII) case.
inline std::string foldCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace platform::sim
