#include <gtest/gtest.h>

#include <set>

#include "ContractWorld.h"

using platform::RegRoot;

namespace contract {

TEST(RegistryContract, ReadsValuesWithinTheBufferAndTellsMissingFromTooLong) {
    auto world = makeContractWorld();
    world->setRegistryValue("Versions", "Short", platform::kRegSz, std::string("4.10\0", 5));
    world->setRegistryValue("Versions", "Exact", platform::kRegSz, std::string(99, 'x') + '\0');
    world->setRegistryValue("Versions", "Long", platform::kRegSz, std::string(100, 'x') + '\0');
    world->setRegistryValue("Versions", "Raw", platform::kRegBinary, std::string("\x01\x00\x02", 3));
    auto key = world->platform().registry.openKey(RegRoot::LocalMachine, kRegistryBase + "\\VERSIONS");
    ASSERT_TRUE(key);

    platform::RegValue value{99, "untouched"};
    EXPECT_EQ(platform::kErrorFileNotFound, key->queryValue("Missing", 100, value));
    EXPECT_EQ(platform::kErrorMoreData, key->queryValue("Long", 100, value));
    EXPECT_EQ("untouched", value.data);

    ASSERT_EQ(platform::kErrorSuccess, key->queryValue("short", 100, value));
    EXPECT_EQ(platform::kRegSz, value.type);
    EXPECT_EQ(std::string("4.10\0", 5), value.data);
    ASSERT_EQ(platform::kErrorSuccess, key->queryValue("Raw", 100, value));
    EXPECT_EQ(std::string("\x01\x00\x02", 3), value.data);

    std::string text;
    EXPECT_TRUE(platform::readRegString(*key, "Exact", 100, text));
    EXPECT_EQ(std::string(99, 'x'), text);
    EXPECT_FALSE(platform::readRegString(*key, "Long", 100, text));
}

TEST(RegistryContract, MissingKeysDoNotOpenAndSubkeysEnumerate) {
    auto world = makeContractWorld();
    world->addRegistryKey("Enum\\First");
    world->addRegistryKey("Enum\\Second");
    auto& registry = world->platform().registry;
    EXPECT_FALSE(registry.openKey(RegRoot::LocalMachine, kRegistryBase + "\\Nowhere"));
    auto key = registry.openKey(RegRoot::LocalMachine, kRegistryBase + "\\Enum");
    ASSERT_TRUE(key);
    std::string first, second, none = "untouched";
    EXPECT_EQ(platform::kErrorSuccess, key->enumSubKey(0, first));
    EXPECT_EQ(platform::kErrorSuccess, key->enumSubKey(1, second));
    EXPECT_EQ(platform::kErrorNoMoreItems, key->enumSubKey(2, none));
    EXPECT_EQ("untouched", none);
    std::set<std::string> names{first, second};
    EXPECT_EQ((std::set<std::string>{"First", "Second"}), names);
}

TEST(RegistryContract, ValuesEnumerateWithinTheirBuffers) {
    auto world = makeContractWorld();
    world->setRegistryValue("Values", "First", platform::kRegSz, std::string("one\0", 4));
    world->setRegistryValue("Values", "Number", platform::kRegDword, std::string("\x01\x00\x00\x00", 4));
    auto key = world->platform().registry.openKey(RegRoot::LocalMachine, kRegistryBase + "\\Values");
    ASSERT_TRUE(key);

    std::set<std::string> names;
    for (std::uint32_t i = 0; i < 2; ++i) {
        std::string name;
        platform::RegValue value;
        ASSERT_EQ(platform::kErrorSuccess, key->enumValue(i, 260, 260, name, value));
        names.insert(name);
        if (name == "First") {
            EXPECT_EQ(std::string("one\0", 4), value.data);
        } else {
            EXPECT_EQ(platform::kRegDword, value.type);
        }
    }
    EXPECT_EQ((std::set<std::string>{"First", "Number"}), names);

    std::string name = "untouched";
    platform::RegValue value{99, "untouched"};
    EXPECT_EQ(platform::kErrorNoMoreItems, key->enumValue(2, 260, 260, name, value));
    EXPECT_EQ(platform::kErrorMoreData, key->enumValue(0, 260, 3, name, value));  // data of 4 bytes
    EXPECT_EQ(platform::kErrorMoreData, key->enumValue(0, 3, 260, name, value));  // names need room for the NUL
    EXPECT_EQ("untouched", name);
    EXPECT_EQ("untouched", value.data);
}

}  // namespace contract
