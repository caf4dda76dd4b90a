// The shared smart-card helpers: vendor requests and reply decoding, the reader list, context and
// card ownership.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/SimSmartCard.h"
#include "probe/reader/CardConnection.h"
#include "probe/reader/ReaderList.h"
#include "probe/reader/VendorRequests.h"

using namespace cardreader;
using platform::sim::SimSmartCard;
using testing::ElementsAre;

namespace {

std::string versionBytes(std::uint8_t dMajor, std::uint8_t dMinor, std::uint8_t fMajor, std::uint8_t fMinor) {
    return std::string{0, 0, 0, 0, char(dMajor), char(dMinor), char(fMajor), char(fMinor), 0, 0, 0, 0};
}

TEST(VendorRequests, DecodeVersionsAndChipRevision) {
    struct Case {
        std::uint8_t bytes[4];
        const char* driver;
        const char* firmware;
    };
    const Case cases[] = {
        {{0x02, 0x03, 0x05, 0x10}, "V2.03", "V5.10"},
        {{0x0C, 0x63, 0x05, 0x0A}, "V12.99", "V5.0a"},
        {{0xFF, 0x00, 0x12, 0x34}, "V255.00", "V12.34"},
    };
    for (const Case& c : cases) {
        VersionReply reply;
        reply.bytes[4] = c.bytes[0], reply.bytes[5] = c.bytes[1], reply.bytes[6] = c.bytes[2], reply.bytes[7] = c.bytes[3];
        EXPECT_EQ(c.driver, driverVersionText(reply));
        EXPECT_EQ(c.firmware, firmwareVersionText(reply));
        EXPECT_TRUE(reply.hasFirmwareVersion());
    }
    EXPECT_FALSE(VersionReply{}.hasFirmwareVersion());

    ChipRevisionReply chip;
    for (auto [first, text] : {std::pair{0x01, "VTC9 Chip Rev C"}, {0x02, "VTC9 Chip Rev A"}, {0x00, "VTC9 Chip Rev A"}}) {
        chip.bytes[0] = std::uint8_t(first);
        EXPECT_STREQ(text, chipRevisionText(chip));
    }
}

class ReaderServiceTest : public testing::Test {
protected:
    SimSmartCard service;
};

TEST_F(ReaderServiceTest, RequestsCarryTheirCodesAndInputsAndZeroFillIsAChoice) {
    auto& reader = service.addReader("Kavrin TK560 USB 0");
    reader.replies[kVersionRequestCode] = {0, versionBytes(2, 3, 5, 0x10), std::nullopt};
    reader.replies[kChipRevisionRequestCode] = {0, std::string("\x01\x00\x00\x00\x00", 5), std::nullopt};
    ServiceContext context(service);
    ASSERT_EQ(0, context.establish(platform::kScardScopeSystem));
    CardConnection card(context, platform::kScardLeaveCard);
    ASSERT_EQ(0, card.connect("Kavrin TK560 USB 0", platform::kScardShareDirect, platform::kScardProtocolNone));

    VersionReply version;
    ASSERT_EQ(0, sendVersionRequest(service, card.handle(), version, ReplyBuffer::ZeroFirst));
    EXPECT_EQ(12u, version.returned);
    EXPECT_EQ("V2.03", driverVersionText(version));
    ChipRevisionReply chip;
    ASSERT_EQ(0, sendChipRevisionRequest(service, card.handle(), chip));
    EXPECT_TRUE(chip.revisionC());

    // A reply of 5 bytes: with zero fill the old bytes are gone, without they stay.
    reader.replies[kVersionRequestCode] = {0, std::string(5, '\0'), std::nullopt};
    VersionReply kept = version;
    ASSERT_EQ(0, sendVersionRequest(service, card.handle(), kept, ReplyBuffer::AsItIs));
    EXPECT_EQ(5u, kept.returned);
    EXPECT_EQ("V5.10", firmwareVersionText(kept));
    ASSERT_EQ(0, sendVersionRequest(service, card.handle(), version, ReplyBuffer::ZeroFirst));
    EXPECT_FALSE(version.hasFirmwareVersion());

    reader.replies[kVersionRequestCode].result = platform::kScardWRemovedCard;
    EXPECT_EQ(platform::kScardWRemovedCard, sendVersionRequest(service, card.handle(), version, ReplyBuffer::ZeroFirst));

    EXPECT_THAT(std::vector<std::string>(service.calls.begin() + 2, service.calls.end()),
                ElementsAre("SCardControl(0x312004,-,12)", "SCardControl(0x3136B0,13 00,5)",
                            "SCardControl(0x312004,-,12)", "SCardControl(0x312004,-,12)",
                            "SCardControl(0x312004,-,12)"));
}

TEST_F(ReaderServiceTest, ContextAndCardAreReleasedWithTheirDisposition) {
    service.addReader("R");
    {
        ServiceContext context(service);
        ASSERT_EQ(0, context.establish(platform::kScardScopeUser));
        CardConnection card(context, platform::kScardUnpowerCard);
        ASSERT_EQ(0, card.connect("R", platform::kScardShareShared, platform::kScardProtocolT0OrT1));
        CardConnection missing(context, platform::kScardUnpowerCard);
        EXPECT_EQ(platform::kScardEUnknownReader, missing.connect("Q", platform::kScardShareShared, 3));
        EXPECT_FALSE(missing.connected());
    }
    EXPECT_THAT(service.calls, ElementsAre("SCardEstablishContext(0)", "SCardConnectA(R,2,3)", "SCardConnectA(Q,2,3)",
                                           "SCardDisconnect(2)", "SCardReleaseContext"));
    EXPECT_TRUE(service.openContexts.empty());
    EXPECT_TRUE(service.openCards.empty());
    EXPECT_EQ(0, service.invalidHandleCalls);

    // A context that could not be established is not released, unless asked to.
    service.calls.clear();
    service.establishResult = platform::kScardENoService;
    {
        ServiceContext context(service);
        EXPECT_EQ(platform::kScardENoService, context.establish(platform::kScardScopeSystem));
    }
    ServiceContext failed(service);
    failed.establish(platform::kScardScopeSystem);
    failed.cancelAndRelease();
    EXPECT_THAT(service.calls, ElementsAre("SCardEstablishContext(2)", "SCardEstablishContext(2)", "SCardCancel",
                                           "SCardReleaseContext"));
}

TEST_F(ReaderServiceTest, ListsNamesInOrderWithTheLengthQueryFirst) {
    service.addReader("Kavrin TK560 USB 0");
    service.addReader("Other Reader 1");
    ServiceContext context(service);
    context.establish(platform::kScardScopeSystem);
    const ReaderListing listing = listReaders(context);
    EXPECT_EQ(ReaderListing::Outcome::Listed, listing.outcome);
    EXPECT_THAT(listing.names, ElementsAre("Kavrin TK560 USB 0", "Other Reader 1"));
    EXPECT_FALSE(listing.damaged);
    EXPECT_THAT(service.calls, ElementsAre("SCardEstablishContext(2)", "SCardListReadersA(null)", "SCardListReadersA(35)"));
}

TEST_F(ReaderServiceTest, FailedListingsTellWhichStepFailed) {
    using Outcome = ReaderListing::Outcome;
    struct Case {
        const char* what;
        void (*arrange)(SimSmartCard&);
        Outcome outcome;
        platform::ScardResult code;
    };
    const Case cases[] = {
        {"no readers", [](SimSmartCard&) {}, Outcome::LengthQueryFailed, platform::kScardENoReadersAvailable},
        {"query fails", [](SimSmartCard& s) { s.addReader("R"), s.lengthQueryResult = 0x1F; }, Outcome::LengthQueryFailed, 0x1F},
        {"length 0", [](SimSmartCard& s) { s.rawList = ""; }, Outcome::EmptyLength, 0},
        {"read fails", [](SimSmartCard& s) { s.addReader("R"), s.readResult = platform::kScardENoService; }, Outcome::ReadFailed,
         platform::kScardENoService},
        {"list too long to allocate", [](SimSmartCard& s) { s.rawList = std::string("R\0\0", 3), s.rawLength = 0xFFFFFFFFu; },
         Outcome::NoMemory, 0},
    };
    for (const Case& c : cases) {
        SimSmartCard sim;
        c.arrange(sim);
        ServiceContext context(sim);
        context.establish(platform::kScardScopeSystem);
        const ReaderListing listing = listReaders(context);
        EXPECT_EQ(c.outcome, listing.outcome) << c.what;
        EXPECT_EQ(c.code, listing.code) << c.what;
        EXPECT_TRUE(listing.names.empty()) << c.what;
    }
}

TEST_F(ReaderServiceTest, BadListsAreReadWithinTheirLength) {
    struct Case {
        const char* what;
        std::string list;
        std::optional<std::uint32_t> readLength;
        std::vector<std::string> names;
        bool damaged;
        int overlong;
    };
    const std::string longName(256, 'L');
    const Case cases[] = {
        {"only the closing NUL", std::string(1, '\0'), {}, {}, false, 0},
        {"final NUL missing", std::string("A\0B\0", 4), {}, {"A", "B"}, true, 0},
        {"last name cut off", std::string("A\0Kavrin", 8), {}, {"A"}, true, 0},
        {"claims more than the buffer", std::string("A\0\0", 3), 4000u, {"A"}, true, 0},
        {"reports less than written", std::string("A\0B\0\0", 5), 2u, {"A"}, true, 0},
        {"name of 256 characters", std::string("A\0", 2) + longName + '\0' + std::string(255, 'M') + '\0' + '\0', {},
         {"A", std::string(255, 'M')}, false, 1},
    };
    for (const Case& c : cases) {
        SimSmartCard sim;
        sim.rawList = c.list;
        sim.rawReadLength = c.readLength;
        ServiceContext context(sim);
        context.establish(platform::kScardScopeSystem);
        const ReaderListing listing = listReaders(context);
        EXPECT_EQ(ReaderListing::Outcome::Listed, listing.outcome) << c.what;
        EXPECT_EQ(c.names, listing.names) << c.what;
        EXPECT_EQ(c.damaged, listing.damaged) << c.what;
        EXPECT_EQ(c.overlong, listing.overlongNames) << c.what;
    }
}

}  // namespace
