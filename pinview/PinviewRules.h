#pragma once
// What the host's key events and outcomes do to the prompt's labels, and which window station a
// prompt moves to.
#include <cstdint>
#include <optional>
#include <string>

namespace pinview {

// Colours as COLORREF values (0x00BBGGRR).
constexpr std::uint32_t kDarkRed = 0x000080;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// The change one key event makes: a new mark text, and for events 16 and 17 a new prompt text
// (by id) with the status emptied. Nothing for an event without effect.
struct TKeyEffect {
    std::optional<std::string> Marks;
    int PromptTextId = 0;  // 0: the prompt stays
    bool ClearStatus = false;
};

TKeyEffect KeyEventEffect(std::int32_t event, const std::string& currentMarks);

// The status text id and colour of an outcome; nullopt for an outcome without its own text.
struct TOutcomeStatus {
    int TextId;
    std::uint32_t Color;
};

std::optional<TOutcomeStatus> OutcomeStatus(std::int32_t outcome);

// The window station a prompt moves to, if any. `currentName` is the name of the process's station
// ("???" when it could not be read); `wanted` the host's WinStation (nullopt when not given).
std::optional<std::string> ChooseWindowStation(const std::string& currentName,
                                               const std::optional<std::string>& wanted);

// The name of a window station as read into a fixed buffer: trailing NUL characters dropped.
std::string StationNameFromBuffer(const char* buffer, std::size_t size);

}  // namespace pinview
