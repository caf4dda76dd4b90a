// The reader simulator's scenario text, read into a simulated service.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/SimSmartCardScenario.h"

namespace {

using namespace platform;
using platform::sim::SimSmartCard;

TEST(SmartCardScenario, ReadsReadersRepliesAndServiceResults) {
    const std::string text =
        "# a healthy reader and one that is busy\r\n"
        "context 0\n"
        "list-length 0x0\n"
        "  reader Kavrin TK560 USB 0  \n"
        "  reply 0x312004 00 00 00 00 02 03 05 10 00 00 00 00\n"
        "  reply 0x3136B0 01 00 00 00 00\n"
        "  reply-length 0x3136B0 3\n"
        "\n"
        "reader Kavrin TK560 USB 1\n"
        "  connect direct 0x8010000B\n"
        "  connect shared 2148532329\n"
        "  connect-next 0x8010000B 0\n"
        "  reply-error 0x312004 0x1F\n"
        "  reply-next 0x312004 00 00 00 00 02 03 05 10 00 00 00 00\n"
        "  reply-next-error 0x312004 0x80100069\n";
    SimSmartCard sim;
    std::string error;
    ASSERT_TRUE(sim::loadSmartCardScenario(text, sim, error)) << error;
    ASSERT_EQ(2u, sim.readers.size());
    const auto& healthy = sim.readers[0];
    EXPECT_EQ("Kavrin TK560 USB 0", healthy.name);
    EXPECT_EQ(std::string("\0\0\0\0\2\3\5\x10\0\0\0\0", 12), healthy.replies.at(0x312004).bytes);
    EXPECT_EQ(3u, healthy.replies.at(0x3136B0).returned);
    const auto& busy = sim.readers[1];
    EXPECT_EQ(kScardESharingViolation, busy.connectResults.at(kScardShareDirect));
    EXPECT_EQ(kScardWRemovedCard, busy.connectResults.at(kScardShareShared));
    EXPECT_THAT(busy.nextConnectResults, ::testing::ElementsAre(kScardESharingViolation, 0));
    EXPECT_EQ(0x1F, busy.replies.at(0x312004).result);
    ASSERT_EQ(2u, busy.nextReplies.at(0x312004).size());
    EXPECT_EQ(healthy.replies.at(0x312004).bytes, busy.nextReplies.at(0x312004)[0].bytes);
    EXPECT_EQ(kScardWRemovedCard, busy.nextReplies.at(0x312004)[1].result);
}

TEST(SmartCardScenario, ReadsAMisbehavingListWithEscapes) {
    SimSmartCard sim;
    std::string error;
    ASSERT_TRUE(sim::loadSmartCardScenario("context 0x8010001D\nraw-list A\\0B\\\\\\x41\nraw-length 40\nraw-read-length 5\n"
                                           "list-read 0x80100008\n",
                                           sim, error))
        << error;
    EXPECT_EQ(kScardENoService, sim.establishResult);
    EXPECT_EQ(std::string("A\0B\\A", 5), sim.rawList);
    EXPECT_EQ(40u, sim.rawLength);
    EXPECT_EQ(5u, sim.rawReadLength);
    EXPECT_EQ(kScardEInsufficientBuffer, sim.readResult);
}

TEST(SmartCardScenario, NamesTheLineItCannotRead) {
    const std::pair<const char*, const char*> cases[] = {
        {"reply 0x312004 00\n", "line 1: reply 0x312004 00"},  // before any reader
        {"reader R\nconnect sideways 0\n", "line 2: connect sideways 0"},
        {"reader R\n\nreply 0x312004 0G\n", "line 3: reply 0x312004 0G"},
        {"context -1\n", "line 1: context -1"},
        {"context 0x100000000\n", "line 1: context 0x100000000"},
        {"raw-list A\\q\n", "line 1: raw-list A\\q"},
        {"reader\n", "line 1: reader"},
        {"frobnicate 1\n", "line 1: frobnicate 1"},
    };
    for (const auto& [text, expected] : cases) {
        SimSmartCard sim;
        std::string error;
        EXPECT_FALSE(sim::loadSmartCardScenario(text, sim, error)) << text;
        EXPECT_EQ(expected, error);
    }
}

}  // namespace
