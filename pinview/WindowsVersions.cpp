#include "WindowsVersions.h"

namespace pinview {

bool IsNtFamily(const platform::OsVersion& version) { return version.platformId == kPlatformNt; }

bool HasForegroundLock(const platform::OsVersion& version) {
    if (version.platformId == kPlatformNt) return version.majorVersion > 4;
    if (version.platformId == kPlatformWin9x)
        return version.majorVersion > 4 || (version.majorVersion == 4 && version.minorVersion > 0);
    return false;
}

}  // namespace pinview
