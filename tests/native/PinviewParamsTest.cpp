#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "pinview/PinviewParams.h"
#include "pinview/PinviewRules.h"
#include "pinview/PinviewUtil.h"

namespace pinview {
namespace {

// A caller's block as the host lays it out: 76 bytes, zero unless set, then filler that must
// never be read.
struct HostBlock {
    std::vector<unsigned char> bytes = std::vector<unsigned char>(200, 0xEE);
    HostBlock(std::int32_t size) {
        std::fill(bytes.begin(), bytes.begin() + 76, 0);
        put(0, static_cast<std::uint32_t>(size));
    }
    HostBlock& put(std::size_t offset, std::uint32_t value) {
        std::memcpy(bytes.data() + offset, &value, 4);
        return *this;
    }
    const unsigned char* data() const { return bytes.data(); }
};

constexpr std::size_t kFlags = 4, kText1 = 8, kExtraWidth = 48, kPromptTop = 52, kMarkTop = 56, kStatusTop = 60;

TPromptGeometry loaded(const HostBlock& block) {
    TDlgParamsBlock current = ResetParams();
    EXPECT_TRUE(LoadParams(block.data(), current));
    return NormaliseParams(current);
}

void expectGeometry(const TPromptGeometry& g, std::uint32_t w, std::uint32_t t1, std::uint32_t t2, std::uint32_t t3) {
    EXPECT_EQ(w, g.Width);
    EXPECT_EQ(t1, g.PromptTop);
    EXPECT_EQ(t2, g.MarkTop);
    EXPECT_EQ(t3, g.StatusTop);
}

TEST(PinviewParams, NullBlockAndSizeZeroGiveTheDefaults) {
    TDlgParamsBlock current = ResetParams();
    current.Flags = 1;
    current.ExtraWidth = 300;
    ASSERT_TRUE(LoadParams(nullptr, current));
    EXPECT_EQ(76, current.Size);
    EXPECT_EQ(0u, current.Flags);  // reset before anything is copied
    expectGeometry(NormaliseParams(current), 135, 25, 50, 100);

    expectGeometry(loaded(HostBlock(0).put(kExtraWidth, 200).put(kPromptTop, 30)), 135, 25, 50, 100);
}

TEST(PinviewParams, SizeLimitsWhatIsCopied) {
    HostBlock eight(8);
    eight.put(kFlags, 1).put(kText1, 0x1234).put(kExtraWidth, 465);
    TDlgParamsBlock current = ResetParams();
    ASSERT_TRUE(LoadParams(eight.data(), current));
    EXPECT_EQ(8, current.Size);
    EXPECT_EQ(1u, current.Flags);
    EXPECT_EQ(0u, current.Texts[0]);
    EXPECT_EQ(135u, NormaliseParams(current).Width);

    // 200 bytes claimed: 76 copied, the filler beyond never reaches the block.
    HostBlock large(200);
    large.put(kExtraWidth, 465).put(72, 7);
    ASSERT_TRUE(LoadParams(large.data(), current));
    EXPECT_EQ(600u, NormaliseParams(current).Width);
    EXPECT_EQ(7u, current.Reserved);
    EXPECT_EQ(0, std::memcmp(&current, large.data(), 76));

    // 50 bytes: ExtraWidth only half copied.
    HostBlock half(50);
    half.put(kExtraWidth, 0x00020001);
    ASSERT_TRUE(LoadParams(half.data(), current));
    EXPECT_EQ(1u, current.ExtraWidth);
}

TEST(PinviewParams, WidthAndTopsAreBounded) {
    const std::map<std::uint32_t, std::uint32_t> widths = {
        {0, 135}, {464, 599}, {465, 600}, {466, 600}, {0x7FFFFFFF, 600}, {0xFFFFFF78, 600}};
    for (const auto& [extra, width] : widths)
        EXPECT_EQ(width, loaded(HostBlock(76).put(kExtraWidth, extra)).Width) << extra;

    expectGeometry(loaded(HostBlock(76).put(kPromptTop, 150).put(kMarkTop, 151).put(kStatusTop, 1)), 135, 150, 50, 1);
    expectGeometry(loaded(HostBlock(76).put(kPromptTop, 0xFFFFFFFF).put(kMarkTop, 149).put(kStatusTop, 0)), 135, 25,
                   149, 100);
}

TEST(PinviewParams, NegativeSizeAndOverflowingWidthAreRefusedAndLeaveTheBlockReset) {
    for (const HostBlock& refused : {HostBlock(-1).put(kFlags, 1), HostBlock(76).put(kFlags, 1).put(kExtraWidth, 0xFFFFFF79),
                                     HostBlock(76).put(kFlags, 1).put(kExtraWidth, 0xFFFFFFFF)}) {
        TDlgParamsBlock current = ResetParams();
        current.Texts[0] = 99;
        EXPECT_FALSE(LoadParams(refused.data(), current));
        EXPECT_EQ(76, current.Size);
        EXPECT_EQ(0u, current.Flags);
        EXPECT_EQ(0u, current.Texts[0]);
    }
}

TEST(PinviewParams, HostTextsAreUsedWhenGivenEvenIfEmpty) {
    TDlgParamsBlock current = ResetParams();
    current.Texts[0] = 0x1000;
    current.Texts[9] = 0x2000;
    const std::map<std::uint32_t, std::string> memory = {{0x1000, "<b>Host</b> prompt"}, {0x2000, ""}};
    auto read = [&](std::uint32_t address) { return memory.at(address); };
    EXPECT_EQ("<b>Host</b> prompt", HostText(current, 1, read));
    EXPECT_EQ("", HostText(current, 10, read));
    EXPECT_EQ(std::nullopt, HostText(current, 2, read));
    EXPECT_EQ(std::nullopt, HostText(current, 11, read));
}

TEST(PinviewParams, ModesAndTheirFirstPrompt) {
    const std::map<std::int32_t, int> valid = {{1, 1}, {2, 2}, {5, 3}};
    for (std::int32_t mode = -1; mode <= 6; ++mode) {
        EXPECT_EQ(valid.count(mode) == 1, IsValidMode(mode)) << mode;
        if (valid.count(mode)) {
            EXPECT_EQ(valid.at(mode), PromptTextId(mode));
        }
    }
}

TEST(PinviewRules, KeyEvents) {
    struct Case {
        std::int32_t event;
        std::string marks;
        std::optional<std::string> newMarks;
        int promptId;
        bool clearStatus;
    };
    const Case cases[] = {
        {1, "", ".", 0, false},     {1, "..", "...", 0, false},  {2, "...", "", 0, false},
        {8, "", "", 0, false},      {8, "...", "..", 0, false},  {16, "..", "", 3, true},
        {17, ".", "", 4, true},     {3, "..", std::nullopt, 0, false}, {0, ".", std::nullopt, 0, false},
    };
    for (const auto& c : cases) {
        const TKeyEffect effect = KeyEventEffect(c.event, c.marks);
        EXPECT_EQ(c.newMarks, effect.Marks) << c.event;
        EXPECT_EQ(c.promptId, effect.PromptTextId) << c.event;
        EXPECT_EQ(c.clearStatus, effect.ClearStatus) << c.event;
    }
}

TEST(PinviewRules, OutcomesAndTheirStatus) {
    const std::map<std::int32_t, std::pair<int, std::uint32_t>> outcomes = {
        {1, {8, 0x000080}}, {2, {9, 0x000080}}, {3, {5, 0x000000}}, {4, {6, 0x000080}}, {5, {7, 0x000080}}};
    for (std::int32_t outcome = -1; outcome <= 7; ++outcome) {
        const auto status = OutcomeStatus(outcome);
        ASSERT_EQ(outcomes.count(outcome) == 1, status.has_value()) << outcome;
        if (!status) continue;
        EXPECT_EQ(outcomes.at(outcome).first, status->TextId);
        EXPECT_EQ(outcomes.at(outcome).second, status->Color);
    }
}

TEST(PinviewRules, WindowStationChoice) {
    using S = std::optional<std::string>;
    struct Case {
        std::string current;
        S wanted;
        S target;
    };
    const Case cases[] = {
        {"WinSta0", S("WinSta0"), std::nullopt},        // already there; the desktop step still runs
        {"WinSta0", S("winsta0"), S("winsta0")},        // names compare case-sensitively
        {"WinSta0", S("Other"), S("Other")},
        {"Service-0x0-3e7$", std::nullopt, S("WinSta0")},
        {"Service-0x0-3e7$", S("Mine"), S("Mine")},
        {"WinSta0", std::nullopt, std::nullopt},
        {"???", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},               // a null name counts as the empty text
        {"", S(""), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(c.target, ChooseWindowStation(c.current, c.wanted)) << c.current;

    const char buffer[12] = "WinSta0\0\0\0";
    EXPECT_EQ("WinSta0", StationNameFromBuffer(buffer, 11));
    EXPECT_EQ("WinSta0", StationNameFromBuffer(buffer, 7));
}

TEST(PinviewUtil, BoundedDefault) {
    EXPECT_EQ(25u, BoundedDefault(0, 25, 150));
    EXPECT_EQ(1u, BoundedDefault(1, 25, 150));
    EXPECT_EQ(150u, BoundedDefault(150, 25, 150));
    EXPECT_EQ(25u, BoundedDefault(151, 25, 150));
    EXPECT_EQ(25u, BoundedDefault(0x80000000u, 25, 150));  // compared unsigned, not as negative
}

TEST(PinviewUtil, DeadlineSurvivesTheTickCountWrap) {
    for (std::uint32_t start : {1000u, 0xFFFFFFFFu - 500u, 0xFFFFFFFFu}) {
        const TDeadline deadline(start, 2000);
        EXPECT_FALSE(deadline.Passed(start));
        EXPECT_EQ(2001u, deadline.Remaining(start));
        EXPECT_FALSE(deadline.Passed(start + 1999));
        EXPECT_FALSE(deadline.Passed(start + 2000));
        EXPECT_EQ(1u, deadline.Remaining(start + 2000));
        EXPECT_TRUE(deadline.Passed(start + 2001));
        EXPECT_EQ(0u, deadline.Remaining(start + 2001));
        EXPECT_TRUE(deadline.Passed(start + 50000));
    }
    // Just before the wrap, 600 ms in: not yet, although the raw tick count is now small.
    const TDeadline nearWrap(0xFFFFFF00u, 2000);
    EXPECT_FALSE(nearWrap.Passed(0x00000158u));
    EXPECT_EQ(2000u - 600u + 1u, nearWrap.Remaining(0x00000158u));
}

}  // namespace
}  // namespace pinview
