#include "SystemFilesCheck.h"

#include <algorithm>

#include "FileVersionProbe.h"
#include "InstallationTexts.h"

namespace probe {
namespace {

constexpr std::uint32_t kDirectoryBuffer = 260;

}  // namespace

bool checkSystemFiles(ProbeEnv& env) {
    ProbeState& state = env.state;
    const ReaderDescription& description = state.description;
    state.protocol.addSeparator();
    state.add(texts::kSystemFilesHeading);

    const std::string windows = env.platform.system.windowsDirectory(kDirectoryBuffer);
    const std::string system = env.platform.system.systemDirectory(kDirectoryBuffer);
    bool result = true;
    const int count = std::clamp(description.systemFileCount, 0, kMaxSystemFiles);
    for (int i = 0; i < count; ++i) {
        const std::string& name = description.systemFiles[i];
        const std::string path =
            upperExtension(name) == "SYS" ? windows + "\\System32\\Drivers\\" + name : system + "\\" + name;
        std::string version;
        if (probeFileVersion(env, path, version))
            state.protocol.add(format(state.text(texts::kSystemFileInstalled), name.c_str(), version.c_str()));
        else
            result = false;
    }
    return result;
}

}  // namespace probe
