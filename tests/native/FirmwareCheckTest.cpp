// The firmware check: firmware and chip lines, MatchedReaders, the result the run reads, the
// retries on the simulated clock and the service calls.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FirmwareCheck.h"
#include "ReaderCheck.h"
#include "ReaderFixture.h"

namespace probe {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kNotRead = "    The firmware version could not be read!";

// The driver check has found reader record 0.
struct FirmwareFixture : testing::ReaderFixture {
    FirmwareFixture() {
        run().readerFound = true;
        run().readerIndex = 0;
    }
    bool check() {
        auto e = env();
        return checkFirmware(e, 2);
    }
};

struct FirmwareCheck : ::testing::Test, FirmwareFixture {};

TEST_F(FirmwareCheck, ShowsFirmwareAndChipRevisionAndLeavesTheCard) {
    reader("Kavrin TK560 USB 0", testing::versionReply(2, 3, 5, 0x10), 0x01);
    EXPECT_TRUE(check());
    EXPECT_THAT(lines(), ElementsAre("Firmware Check:", "    The TK560 USB reader has the firmware V5.10.",
                                     "    The TK560 USB reader has the VTC9 Chip Rev C."));
    EXPECT_EQ("    Der TK560 USB Leser hat die VTC9 Chip Rev C.", session.state.messageGerman);
    EXPECT_THAT(session.state.matchedReaders, ElementsAre("Kavrin TK560 USB 0"));
    EXPECT_THAT(service().calls,
                ElementsAre("SCardEstablishContext(2)", "SCardListReadersA(null)", "SCardListReadersA(20)",
                            "SCardConnectA(Kavrin TK560 USB 0,3,0)", "SCardControl(0x312004,-,12)",
                            "SCardControl(0x3136B0,13 00,5)", "SCardDisconnect(0)", "SCardCancel",
                            "SCardReleaseContext"));
    EXPECT_EQ(0u, machine.clock.slept);

    session.state.protocol.clear();
    session.state.language = Language::German;
    service().reader("Kavrin TK560 USB 0")->replies[cardreader::kChipRevisionRequestCode].bytes[0] = 2;
    EXPECT_TRUE(check());
    EXPECT_THAT(lines(), ElementsAre("Check der Firmware:", "    Der TK560 USB Leser hat die Firmwareversion V5.10.",
                                     "    Der TK560 USB Leser hat die VTC9 Chip Rev A."));
}

TEST_F(FirmwareCheck, LinesAndResultPerCase) {
    struct Case {
        const char* what;
        void (*arrange)(testing::ReaderFixture&);
        bool result;
        std::vector<std::string> findings;
        std::vector<std::string> matched;
    };
    const Case cases[] = {
        {"firmware 0.0, no chip request", [](auto& f) { f.d().records[0].ReaderType = 0, f.reader("Kavrin TK560 USB 0", testing::versionReply(2, 3, 0, 0)); },
         true, {kNotRead}, {}},
        {"firmware 0.0 with a chip line", [](auto& f) { f.reader("Kavrin TK560 USB 0", testing::versionReply(2, 3, 0, 0), 2); },
         true, {"    The TK560 USB reader has the VTC9 Chip Rev A."}, {}},
        {"two readers answer", [](auto& f) { f.d().records[0].ReaderType = 0, f.reader("Kavrin TK560 USB 0"),
                                                f.reader("Kavrin TK560 USB 1", testing::versionReply(2, 3, 0x12, 0x34)); },
         true, {"    The TK560 USB reader has the firmware V5.10.", "    The TK560 USB reader has the firmware V12.34."},
         {"Kavrin TK560 USB 0", "Kavrin TK560 USB 1"}},
        {"the second fails its request", [](auto& f) {
             f.d().records[0].ReaderType = 0, f.reader("Kavrin TK560 USB 0");
             f.reader("Kavrin TK560 USB 1").replies[cardreader::kVersionRequestCode].result = 0x1F; },
         true, {"    The TK560 USB reader has the firmware V5.10.", "    The function SCardControl returns error 0x1F.", kNotRead},
         {"Kavrin TK560 USB 0"}},
        {"version fails, chip answers", [](auto& f) {
             f.reader("Kavrin TK560 USB 0", testing::versionReply(2, 3, 5, 0x0A), 1).replies[cardreader::kVersionRequestCode].result =
                 platform::kScardWRemovedCard; },
         false, {"    The function SCardControl returns error 0x80100069.", "    The TK560 USB reader has the VTC9 Chip Rev C."}, {}},
        {"no name matches", [](auto& f) { f.reader("Other Reader 0"); },
         false, {"    The function SCardConnect (SHARED) returns error 0x0.", kNotRead}, {}},
        {"context fails", [](auto& f) { f.service().establishResult = 0x57; },
         false, {"    Function SCardEstablishContext returns 0x57 error code.",
                 "    The function SCardConnect (SHARED) returns error 0x57.", kNotRead}, {}},
        {"listing fails", [](auto& f) { f.service().addReader("R"), f.service().lengthQueryResult = 0x6BA; },
         false, {"    Function SCardListReaders returns 0x6BA error code.",
                 "    The function SCardConnect (SHARED) returns error 0x6BA.", kNotRead}, {}},
        {"a short reply reads as zeros", [](auto& f) { f.d().records[0].ReaderType = 0, f.reader("Kavrin TK560 USB 0", std::string("\1\2\3\4\2\3", 6)); },
         true, {kNotRead}, {}},
    };
    for (const Case& c : cases) {
        FirmwareFixture f;
        c.arrange(f);
        EXPECT_EQ(c.result, f.check()) << c.what;
        EXPECT_EQ(c.findings, f.findings()) << c.what;
        EXPECT_EQ(c.matched, f.session.state.matchedReaders) << c.what;
        EXPECT_TRUE(f.service().openContexts.empty() && f.service().openCards.empty()) << c.what;
    }
}

TEST_F(FirmwareCheck, RetriesTwentyTimesOnTheClockThenReportsTheSharedConnect) {
    auto& r = reader("Kavrin TK560 USB 0");
    r.connectResults = {{3, platform::kScardESharingViolation}, {2, static_cast<platform::ScardResult>(0x80100066u)}};
    EXPECT_FALSE(check());
    EXPECT_THAT(findings(), ElementsAre("    The function SCardConnect (SHARED) returns error 0x80100066.", kNotRead));
    EXPECT_EQ(20u * 200u, machine.clock.slept);
    EXPECT_EQ(40, std::count_if(service().calls.begin(), service().calls.end(),
                                [](const std::string& c) { return c.rfind("SCardConnectA", 0) == 0; }));
    EXPECT_EQ("SCardCancel", service().calls[service().calls.size() - 2]);

    // A reader that comes free on the fourth attempt costs three waits.
    FirmwareFixture later;
    auto& busy = later.reader("Kavrin TK560 USB 0", testing::versionReply(2, 3, 5, 0x10), 1);
    busy.nextConnectResults.assign(6, platform::kScardESharingViolation);
    EXPECT_TRUE(later.check());
    EXPECT_EQ(3u * 200u, later.machine.clock.slept);
    EXPECT_EQ("    The TK560 USB reader has the firmware V5.10.", later.findings().at(0));
}

TEST_F(FirmwareCheck, NamesTheRecordsTheDriverCheckLeft) {
    // A secondary reader is named after the first secondary record, a primary one after readerIndex;
    // with readerIndex -1 the matching pattern's record stands in.
    addSecondary();
    reader("Kavrin TK160 Serial 0", testing::versionReply(3, 1, 5, 0x10), 1);
    reader("Kavrin TK560 Serial 0", testing::versionReply(2, 3, 5, 0x11), 1);
    EXPECT_TRUE(check());
    EXPECT_THAT(findings(), ElementsAre("    The TK160 reader has the firmware V5.10.", "    The TK560 USB reader has the VTC9 Chip Rev C.",
                                        "    The TK560 USB reader has the firmware V5.11.",
                                        "    The TK560 USB reader has the VTC9 Chip Rev C."));

    session.state.protocol.clear();
    run().readerIndex = -1;
    EXPECT_TRUE(check());
    EXPECT_THAT(findings(), ElementsAre("    The TK160 reader has the firmware V5.10.", "    The TK560 Serial reader has the firmware V5.11.",
                                        "    The TK560 Serial reader has the VTC9 Chip Rev C."));
}

TEST_F(FirmwareCheck, ARequestThatFailsAfterTheDriverCheckEndsWithCouldNotBeRead) {
    auto& r = reader("Kavrin TK560 USB 0");
    r.nextReplies[cardreader::kVersionRequestCode].push_back(r.replies[cardreader::kVersionRequestCode]);
    r.replies[cardreader::kVersionRequestCode].result = 0x1F;
    auto e = env();
    checkReaderAndDriver(e, 2);
    ASSERT_TRUE(run().readerFound);
    EXPECT_FALSE(check());
    EXPECT_THAT(lines(), ElementsAre("Driver check:", "    The TK560 USB driver V2.03 is started.", "Firmware Check:",
                                     "    The function SCardControl returns error 0x1F.", kNotRead));
    EXPECT_TRUE(service().openContexts.empty());
}

TEST_F(FirmwareCheck, KeepsTenReadersAndSaysSo) {
    d().records[0].ReaderType = 0;
    for (int i = 0; i < 12; ++i) reader("Kavrin TK560 USB " + std::to_string(i));
    EXPECT_TRUE(check());
    ASSERT_EQ(10u, session.state.matchedReaders.size());
    EXPECT_EQ("Kavrin TK560 USB 9", session.state.matchedReaders.back());
    const auto found = findings();
    EXPECT_EQ(13u, found.size());
    EXPECT_EQ("    More than 10 readers answered; only the first 10 take part in the following tests.", found.back());
}

}  // namespace
}  // namespace probe
