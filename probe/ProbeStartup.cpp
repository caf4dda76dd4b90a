#include "ProbeStartup.h"

#include <algorithm>
#include <cctype>

namespace probe {

std::string programDirectory(platform::SystemInfo& system) {
    const std::string path = system.moduleFileName(260);
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

Language languageFromArguments(const std::string& arguments) {
    std::string upper = arguments;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("-D") != std::string::npos ? Language::German : Language::English;
}

}  // namespace probe
