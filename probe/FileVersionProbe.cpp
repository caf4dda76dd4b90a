#include "FileVersionProbe.h"

#include <algorithm>
#include <cctype>

#include "InstallationTexts.h"

namespace probe {

std::string upperExtension(const std::string& name) {
    const auto dot = name.find_last_of('.');
    std::string extension = dot == std::string::npos ? name : name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

std::string versionText(const platform::FixedFileVersion& version) {
    return format("%u.%u.%u.%u.", unsigned(version.fileVersionMS >> 16), unsigned(version.fileVersionMS & 0xFFFF),
                  unsigned(version.fileVersionLS >> 16), unsigned(version.fileVersionLS & 0xFFFF));
}

bool probeFileVersion(ProbeEnv& env, const std::string& path, std::string& text) {
    ProbeState& state = env.state;
    if (env.platform.files.findFiles(path).empty()) {
        const std::string extension = upperExtension(path);
        if (extension == "DLL" || extension == "EXE") {
            state.protocol.add(format(state.text(texts::kNotInstalled), path.c_str()));
            state.add(extension == "DLL" ? texts::kInstallDll : texts::kInstallApplication);
        } else {
            state.protocol.add(format(state.text(texts::kDriverNotInstalled), path.c_str()));
            state.add(texts::kInstallDriver);
        }
        state.protocol.select(state.protocol.count() - 1);
        state.protocol.addSeparator();
    }
    const auto version = env.platform.files.fixedFileVersion(path);
    if (!version) return false;
    text = versionText(*version);
    return true;
}

}  // namespace probe
