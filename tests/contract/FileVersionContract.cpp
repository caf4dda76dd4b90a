#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ContractWorld.h"

namespace contract {

// Real version resources: the files are the versioned stand-ins, copied under other names as the
// tests and the demo place them.
TEST(FileVersionContract, ReadsTheFileVersionOfTheVersionResource) {
    auto world = makeContractWorld();
    auto& files = world->platform().files;
    const std::string folder = world->scratchFolder();
    struct Case {
        const char* version;
        const char* name;
        std::uint32_t ms, ls;
    };
    const std::vector<Case> cases = {
        {"1.0.0.3", "tkr_drv.sys", 0x00010000, 0x00000003},
        // Not the name of a system library: Wine answers those with its own built-in version.
        {"5.1.2600.0", "tkscard.dll", 0x00050001, 0x0A280000},
        {"65535.0.1.65534", "NOEXT", 0xFFFF0000, 0x0001FFFE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const std::string path = folder + "\\" + c.name;
        if (!world->placeVersionedFile(path, c.version)) GTEST_SKIP() << "no versioned stand-ins here";
        EXPECT_EQ((std::vector<std::string>{c.name}), files.findFiles(path));
        const auto version = files.fixedFileVersion(path);
        ASSERT_TRUE(version);
        EXPECT_EQ(c.ms, version->fileVersionMS);
        EXPECT_EQ(c.ls, version->fileVersionLS);
    }

    const std::string plain = folder + "\\plain.dll";
    ASSERT_TRUE(world->placeVersionedFile(plain, ""));
    EXPECT_EQ(1u, files.findFiles(plain).size());
    EXPECT_FALSE(files.fixedFileVersion(plain));
    EXPECT_FALSE(files.fixedFileVersion(folder + "\\missing.dll"));
    EXPECT_TRUE(files.findFiles(folder + "\\missing.dll").empty());
}

}  // namespace contract
