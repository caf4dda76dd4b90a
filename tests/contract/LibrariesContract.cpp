#include <gtest/gtest.h>

#include <array>

#include "ContractWorld.h"

namespace contract {
namespace {

using Convention = ContractWorld::Convention;
using Lines = std::vector<std::string>;

const char* const kCtApiScript =
    "version KV-CT 1.0\n"
    "init 1 -3\n"
    "data 2010000000 0 19000012 300\n"
    "close -2\n";

// Several calls in a row: a stack left wrong by one of them would show in the next.
TEST(LibrariesContract, CtApiEntryPointsGetTheirArgumentsInEitherConvention) {
    for (const Convention convention : {Convention::Stdcall, Convention::Cdecl}) {
        auto world = makeContractWorld();
        const std::string path = world->scratchFolder() + "\\ctapi.dll";
        world->placeCtApiLibrary(path, kCtApiScript, convention);
        auto library = world->platform().libraries.loadCtApi(path);
        ASSERT_TRUE(library);
        ASSERT_TRUE(library->hasVersionString());

        std::array<char, 120> version{};
        library->versionString(version.data(), 3);
        EXPECT_STREQ("KV-CT 1.0", version.data());
        EXPECT_EQ(-3, library->init(1, 7));
        EXPECT_EQ(0, library->init(2, 0xFFFF));
        const std::array<std::uint8_t, 5> command{0x20, 0x10, 0x00, 0x00, 0x00};
        for (int round = 0; round < 3; ++round) {
            std::uint8_t destination = 1;
            std::uint8_t source = 2;
            std::uint16_t length = 100;
            std::array<std::uint8_t, 100> response{};
            EXPECT_EQ(0, library->data(2, destination, source, 5, command.data(), length, response.data()));
            EXPECT_EQ(300, length);  // as reported, beyond the buffer
            EXPECT_EQ(0x19, response[0]);
            EXPECT_EQ(0x12, response[3]);
            EXPECT_EQ(0x00, response[4]);
        }
        EXPECT_EQ(-2, library->close(2));
        library.reset();

        const std::string data =
            "CT_data ctn=2 dad=1 sad=2 lenc=5 command=2010000000 lenr=100 response=cleared -> 0 lenr=300";
        EXPECT_EQ((Lines{"Get_VersionString text=cleared number=3", "CT_init ctn=1 pn=7 -> -3",
                         "CT_init ctn=2 pn=65535 -> 0", data, data, data, "CT_close ctn=2 -> -2"}),
                  world->libraryCalls());
    }
}

TEST(LibrariesContract, ZkaEntryPointsGetTheirArgumentsInEitherConvention) {
    for (const Convention convention : {Convention::Stdcall, Convention::Cdecl}) {
        auto world = makeContractWorld();
        const std::string path = world->scratchFolder() + "\\ZkaSigApi.dll";
        world->placeZkaLibrary(path, "version ZS 2.0\nopen 1 02\nopen 0\ncard 2 0A0B 1000\nclose 0\n", convention);
        auto library = world->platform().libraries.loadZka(path);
        ASSERT_TRUE(library);

        std::uint32_t handle = 0;
        std::uint32_t errorLength = 0;
        std::array<std::uint8_t, 128> error{};
        std::array<char, 128> name{"Kavrin TK560 0"};
        std::array<char, 128> version{};
        std::array<char, 128> reserved1{};
        std::array<char, 128> reserved2{};
        EXPECT_EQ(1, library->open(handle, name.data(), version.data(), reserved1.data(), reserved2.data(),
                                   errorLength, error.data()));
        EXPECT_EQ(1u, errorLength);
        EXPECT_EQ(0x02, error[0]);
        EXPECT_EQ(0, library->open(handle, name.data(), version.data(), reserved1.data(), reserved2.data(),
                                   errorLength, error.data()));
        EXPECT_EQ(257u, handle);
        EXPECT_STREQ("ZS 2.0", version.data());
        EXPECT_EQ(2, library->cardAvailable(handle, errorLength, error.data()));
        EXPECT_EQ(1000u, errorLength);
        EXPECT_EQ(0x0B, error[1]);
        EXPECT_EQ(0, library->close(handle, errorLength, error.data()));
        EXPECT_EQ(0u, errorLength);
        library.reset();

        EXPECT_EQ((Lines{"zka_sig_open reader=Kavrin TK560 0 buffers=cleared -> 1 errlen=1 handle=0",
                         "zka_sig_open reader=Kavrin TK560 0 buffers=cleared -> 0 errlen=0 handle=257",
                         "zka_sig_card_available handle=257 -> 2 errlen=1000",
                         "zka_sig_close handle=257 -> 0 errlen=0"}),
                  world->libraryCalls());
    }
}

TEST(LibrariesContract, ALibraryLackingARequiredEntryPointIsRefused) {
    auto world = makeContractWorld();
    auto& libraries = world->platform().libraries;
    const std::string folder = world->scratchFolder();
    world->placeCtApiLibrary(folder + "\\ctapi.dll", "", Convention::Stdcall);
    world->placeZkaLibrary(folder + "\\zka.dll", "", Convention::Stdcall);
    world->placeCtApiLibrary(folder + "\\old.dll", "", Convention::Stdcall, false);

    EXPECT_FALSE(libraries.loadCtApi(folder + "\\zka.dll"));
    EXPECT_FALSE(libraries.loadZka(folder + "\\ctapi.dll"));
    EXPECT_FALSE(libraries.loadCtApi(folder + "\\missing.dll"));
    EXPECT_FALSE(libraries.loadZka(folder + "\\missing.dll"));
    auto old = libraries.loadCtApi(folder + "\\old.dll");
    ASSERT_TRUE(old);  // "Get_VersionString" is not required
    EXPECT_FALSE(old->hasVersionString());
    EXPECT_EQ(0, old->init(1, 1));
}

TEST(LibrariesContract, ABareNameIsLookedForAlongThePathButNotInTheCurrentDirectory) {
    auto world = makeContractWorld();
    auto platform = world->platform();
    const std::string current = world->scratchFolder();
    const std::string onPath = world->scratchFolder();
    world->placeCtApiLibrary(current + "\\tkcwdonly.dll", "", Convention::Stdcall);
    world->placeCtApiLibrary(onPath + "\\tkonpath.dll", "", Convention::Stdcall);
    const std::string previousDirectory = platform.files.currentDirectory(260);
    std::string previousPath;
    platform.system.environmentVariable("PATH", 32767, previousPath);
    ASSERT_TRUE(platform.files.setCurrentDirectory(current));
    world->setEnvironment("PATH", onPath + (previousPath.empty() ? "" : ";" + previousPath));

    EXPECT_FALSE(platform.libraries.loadCtApi("tkcwdonly.dll"));
    EXPECT_TRUE(platform.libraries.loadCtApi(current + "\\tkcwdonly.dll"));
    EXPECT_TRUE(platform.libraries.loadCtApi("tkonpath.dll"));

    world->setEnvironment("PATH", previousPath);
    platform.files.setCurrentDirectory(previousDirectory);
}

}  // namespace
}  // namespace contract
