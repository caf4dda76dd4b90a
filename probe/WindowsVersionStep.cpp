#include "WindowsVersionStep.h"

#include "ProbeTexts.h"

namespace probe {
namespace {

constexpr std::uint32_t kValueBuffer = 100;
constexpr std::uint32_t kPlatformWin9x = 1;
// GetVersionExA never fails on a real system; should it, the NT branch is taken with a major
// version of 5, so that a modern system is assumed rather than NT 4.
constexpr std::uint32_t kAssumedMajorVersion = 5;

platform::OsVersion versionOrAssumed(platform::SystemInfo& system, bool& ok) {
    platform::OsVersion version;
    ok = system.getVersion(version);
    if (!ok) version.majorVersion = kAssumedMajorVersion;
    return version;
}

int ntFamily(std::uint32_t majorVersion) { return majorVersion <= 4 ? 1 : 2; }

// Windows 9x family: product name, then "Version <S> <V[0..4)> ( Build <V[5..]> )".
bool reportWin9x(ProbeEnv& env) {
    auto key = env.platform.registry.openKey(platform::RegRoot::LocalMachine,
                                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    if (!key) return false;
    std::string product, version, subVersion;
    if (!platform::readRegString(*key, "ProductName", kValueBuffer, product)) return false;
    env.state.protocol.add(product);
    if (!platform::readRegString(*key, "VersionNumber", kValueBuffer, version) ||
        !platform::readRegString(*key, "SubVersionNumber", kValueBuffer, subVersion))
        return false;
    const std::string head = version.substr(0, 4);
    const std::string build = version.size() > 5 ? version.substr(5) : std::string();
    env.state.protocol.add(format("Version %s %s ( Build %s )", subVersion.c_str(), head.c_str(), build.c_str()));
    return true;
}

// NT family: product name (or "Microsoft Windows NT" up to version 4), then
// "Version <CurrentVersion> <CSDVersion> ( Build <CurrentBuildNumber> )".
bool reportNt(ProbeEnv& env, std::uint32_t majorVersion) {
    auto key = env.platform.registry.openKey(platform::RegRoot::LocalMachine,
                                             "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    if (!key) return false;
    std::string product;
    if (!platform::readRegString(*key, "ProductName", kValueBuffer, product)) {
        if (majorVersion > 4) return false;
        product = "Microsoft Windows NT";
    }
    env.state.protocol.add(product);
    std::string version, build, servicePack;
    if (!platform::readRegString(*key, "CurrentVersion", kValueBuffer, version) ||
        !platform::readRegString(*key, "CurrentBuildNumber", kValueBuffer, build))
        return false;
    if (!platform::readRegString(*key, "CSDVersion", kValueBuffer, servicePack)) servicePack.clear();
    env.state.protocol.add(format("Version %s %s ( Build %s )", version.c_str(), servicePack.c_str(), build.c_str()));
    return true;
}

}  // namespace

int queryOsFamily(platform::SystemInfo& system) {
    bool ok = false;
    const platform::OsVersion version = versionOrAssumed(system, ok);
    if (ok && version.platformId == kPlatformWin9x) return 0;
    return ntFamily(version.majorVersion);
}

void reportWindowsVersion(ProbeEnv& env) {
    TestRun& run = env.state.run;
    bool ok = false;
    const platform::OsVersion version = versionOrAssumed(env.platform.system, ok);
    bool reported;
    if (ok && version.platformId == kPlatformWin9x) {
        if (version.majorVersion == 4 && version.minorVersion == 0) run.isWindows95 = true;
        run.osFamily = 0;
        reported = reportWin9x(env);
    } else {
        run.osFamily = ntFamily(version.majorVersion);
        reported = reportNt(env, version.majorVersion);
    }
    if (!reported) {
        env.state.add(texts::kWindowsVersionError);
        return;
    }
    ReaderDescription& description = env.state.description;
    for (int i = 0; i < description.readerRecordCount && i < kMaxReaderRecords; ++i)
        description.records[i].ReaderOsFamily = run.osFamily;
}

}  // namespace probe
