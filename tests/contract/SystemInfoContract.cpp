#include <gtest/gtest.h>

#include "ContractWorld.h"

namespace contract {

TEST(SystemInfoContract, EnvironmentVariablesFitTheBufferOrAreNotReadable) {
    auto world = makeContractWorld();
    world->setEnvironment("TK560_CONTRACT_HOME", "C:\\Sig");
    auto& system = world->platform().system;
    std::string value = "untouched";
    EXPECT_FALSE(system.environmentVariable("TK560_CONTRACT_MISSING", 260, value));
    EXPECT_EQ("untouched", value);
    ASSERT_TRUE(system.environmentVariable("tk560_contract_home", 260, value));
    EXPECT_EQ("C:\\Sig", value);
    EXPECT_FALSE(system.environmentVariable("TK560_CONTRACT_HOME", 6, value));  // 6 characters and the NUL
    EXPECT_TRUE(system.environmentVariable("TK560_CONTRACT_HOME", 7, value));
}

TEST(SystemInfoContract, VersionAndFolders) {
    auto world = makeContractWorld();
    auto& system = world->platform().system;
    platform::OsVersion version;
    ASSERT_TRUE(system.getVersion(version));
    EXPECT_TRUE(version.platformId == 1 || version.platformId == 2);
    const std::string windows = system.windowsDirectory(260);
    ASSERT_GE(windows.size(), 3u);
    EXPECT_EQ(":\\", windows.substr(1, 2));
    EXPECT_EQ("", system.windowsDirectory(3));
    const std::string program = system.moduleFileName(260);
    EXPECT_NE(std::string::npos, program.find('\\'));
    EXPECT_EQ(program.substr(0, 4), system.moduleFileName(5));
}

}  // namespace contract
