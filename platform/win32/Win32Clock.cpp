#include "Win32Clock.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {
namespace {

SYSTEMTIME toSystemTime(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = t.year;
    st.wMonth = t.month;
    st.wDayOfWeek = t.dayOfWeek;
    st.wDay = t.day;
    st.wHour = t.hour;
    st.wMinute = t.minute;
    st.wSecond = t.second;
    st.wMilliseconds = t.milliseconds;
    return st;
}

}  // namespace

void Win32Clock::sleep(std::uint32_t milliseconds) { Sleep(milliseconds); }

std::uint32_t Win32Clock::tickCount() { return GetTickCount(); }

LocalTime Win32Clock::localTime() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDayOfWeek, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string Win32Clock::formatDate(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                                   const std::string& picture, std::uint32_t bufferSize) {
    const SYSTEMTIME st = toSystemTime(time);
    std::vector<char> buffer(bufferSize + 1, '\0');
    const int n = GetDateFormatA(locale, flags, &st, picture.c_str(), buffer.data(), static_cast<int>(bufferSize));
    return n > 0 ? std::string(buffer.data()) : std::string();
}

std::string Win32Clock::formatTime(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                                   const std::string& picture, std::uint32_t bufferSize) {
    const SYSTEMTIME st = toSystemTime(time);
    std::vector<char> buffer(bufferSize + 1, '\0');
    const int n = GetTimeFormatA(locale, flags, &st, picture.c_str(), buffer.data(), static_cast<int>(bufferSize));
    return n > 0 ? std::string(buffer.data()) : std::string();
}

}  // namespace platform::win32
