#include "InstallationCheck.h"

#include "FileVersionProbe.h"
#include "InstallationTexts.h"

namespace probe {
namespace {

constexpr std::uint32_t kDirectoryBuffer = 256;
constexpr std::uint32_t kEnvironmentBuffer = 260;

// A driver whose extension holds "SYS" lives in system32\drivers, any other in the 9x system folder.
std::string driverPath(const std::string& windowsDirectory, const std::string& name) {
    const bool sys = upperExtension(name).find("SYS") != std::string::npos;
    return windowsDirectory + (sys ? "\\system32\\drivers\\" : "\\system\\") + name;
}

const std::string& driverFile(const ReaderRecord& record, int osFamily) {
    static const std::string none;
    return osFamily >= 0 && osFamily < 3 ? record.DriverFile[osFamily] : none;
}

// A record index outside the table (no reader found, or the secondary slot of a full table) names
// no record: an empty one stands in.
const ReaderRecord& recordAt(const ReaderDescription& description, int index) {
    static const ReaderRecord empty;
    return index >= 0 && index < kMaxReaderRecords ? description.records[index] : empty;
}

// Probes a driver file and reports it; true when it is installed.
bool probeDriver(ProbeEnv& env, const std::string& name) {
    ProbeState& state = env.state;
    const std::string windows = env.platform.system.windowsDirectory(kDirectoryBuffer);
    std::string version;
    if (!probeFileVersion(env, driverPath(windows, name), version)) return false;
    state.protocol.add(format(state.text(texts::kDriverInstalled), name.c_str(), version.c_str()));
    state.run.driverInstalled = true;
    return true;
}

bool probeAndReport(ProbeEnv& env, const std::string& path, const Text& found) {
    std::string version;
    if (!probeFileVersion(env, path, version)) return false;
    env.state.protocol.add(format(env.state.text(found), version.c_str()));
    return true;
}

}  // namespace

bool checkInstallation(ProbeEnv& env) {
    ProbeState& state = env.state;
    TestRun& run = state.run;
    platform::SystemInfo& system = env.platform.system;
    const ReaderDescription& description = state.description;
    bool result = true;

    state.add(texts::kInstallationHeading);
    const std::string systemDirectory = system.systemDirectory(kDirectoryBuffer);

    // On 64-bit Windows the drivers are looked for in the real system32, not in the 32-bit one.
    const bool redirected = run.osFamily == 2 && system.isWow64Process();
    const ReaderRecord& reader = recordAt(description, run.readerIndex);
    if (reader.ReaderOsFamily == 1 && reader.ReaderType == 2) {
        result = false;
    } else {
        const std::string& name = driverFile(reader, reader.ReaderOsFamily);
        if (!name.empty()) {
            if (redirected) system.enableWow64FsRedirection(false);
            if (!probeDriver(env, name)) result = false;
            // The secondary description's reader has its own driver.
            const std::string& secondary =
                driverFile(recordAt(description, description.primaryRecordCount), run.osFamily);
            if (!secondary.empty() && !probeDriver(env, secondary)) result = false;
        }
    }

    if (reader.ReaderOsFamily == 0 && reader.ServerNameW9x.find("TKR_DRV") != std::string::npos) {
        if (!probeAndReport(env, systemDirectory + "\\tkr_drv.vxd", texts::kVirtualDriverInstalled)) result = false;
        if (!run.isWindows95 &&
            !probeAndReport(env, systemDirectory + "32\\drivers\\tkr_drv.sys", texts::kWdmDriverInstalled))
            result = false;
    }

    if (redirected) system.enableWow64FsRedirection(true);

    const std::string& ctApi = description.ctApiLibraryName;
    if (!ctApi.empty()) {
        std::string version;
        if (probeFileVersion(env, systemDirectory + "\\" + ctApi, version)) {
            state.protocol.add(format(state.text(texts::kCtApiInstalled), ctApi.c_str(), version.c_str()));
            run.ctApiInstalled = true;
        } else {
            result = false;
        }
    }

    if (run.zkaTestWanted && !run.isWindows95 && run.osFamily == 2) {
        // An unset (or unreadably long) ZKA_SIG_HOME leaves the path starting with the backslash.
        std::string home;
        if (!system.environmentVariable("ZKA_SIG_HOME", kEnvironmentBuffer, home)) home.clear();
        state.zkaLibraryPath = home + "\\ZkaSigApi.dll";
        if (!probeAndReport(env, state.zkaLibraryPath, texts::kZkaInstalled)) return false;
    }
    run.zkaReady = true;
    return result;
}

}  // namespace probe
