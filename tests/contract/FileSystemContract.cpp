#include <gtest/gtest.h>

#include "ContractWorld.h"

namespace contract {

TEST(FileSystemContract, TextFilesStoreCrLfAndAppendWithoutTruncating) {
    auto world = makeContractWorld();
    auto& files = world->platform().files;
    const std::string folder = world->scratchFolder();
    const std::string path = folder + "\\log.txt";

    EXPECT_FALSE(files.fileExists(path));
    EXPECT_FALSE(files.openText(path, platform::TextFileMode::ReadWriteAtEnd));
    {
        auto file = files.openText(path, platform::TextFileMode::CreateOrAppend);
        ASSERT_TRUE(file);
        EXPECT_TRUE(file->write("one\n\ntwo\n"));
    }
    EXPECT_TRUE(files.fileExists(path));
    {
        auto file = files.openText(path, platform::TextFileMode::CreateOrAppend);
        ASSERT_TRUE(file);
        EXPECT_TRUE(file->write("three\n"));
    }
    {
        auto file = files.openText(path, platform::TextFileMode::ReadWriteAtEnd);
        ASSERT_TRUE(file);
        EXPECT_TRUE(file->write("four\n"));
    }
    EXPECT_EQ("one\r\n\r\ntwo\r\nthree\r\nfour\r\n", world->readFile(path));
}

TEST(FileSystemContract, OpenFileIsNotSharedWithAnotherOpen) {
    auto world = makeContractWorld();
    if (!world->isReal()) GTEST_SKIP() << "the simulated machine models locking by a flag instead";
    auto& files = world->platform().files;
    const std::string path = world->scratchFolder() + "\\held.log";
    auto first = files.openText(path, platform::TextFileMode::CreateOrAppend);
    ASSERT_TRUE(first);
    EXPECT_FALSE(files.openText(path, platform::TextFileMode::CreateOrAppend));
}

TEST(FileSystemContract, FoldersAndCurrentDirectory) {
    auto world = makeContractWorld();
    auto& files = world->platform().files;
    const std::string folder = world->scratchFolder();

    EXPECT_FALSE(files.createDirectory(folder + "\\missing\\child"));
    EXPECT_EQ(platform::kErrorPathNotFound, files.lastError());
    EXPECT_FALSE(files.setCurrentDirectory(folder + "\\missing"));
    ASSERT_TRUE(files.createDirectory(folder + "\\made"));
    ASSERT_TRUE(files.setCurrentDirectory(folder + "\\made"));
    EXPECT_EQ(folder + "\\made", files.currentDirectory(256));
    EXPECT_EQ("", files.currentDirectory(static_cast<std::uint32_t>(folder.size() + 5)));
}

TEST(FileSystemContract, FindFilesMatchesWildcardsWithoutRegardToCase) {
    auto world = makeContractWorld();
    auto& files = world->platform().files;
    const std::string folder = world->scratchFolder();
    world->writeFile(folder + "\\Inst360.ini", "x");
    world->writeFile(folder + "\\readme.txt", "x");
    const auto found = files.findFiles(folder + "\\inst*.INI");
    ASSERT_EQ(1u, found.size());
    EXPECT_EQ("Inst360.ini", found[0]);
    EXPECT_TRUE(files.findFiles(folder + "\\nothing*.ini").empty());
}

}  // namespace contract
