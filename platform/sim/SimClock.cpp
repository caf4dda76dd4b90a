#include "SimClock.h"

#include <cstdio>

namespace platform::sim {
namespace {

const char* const kEnglishMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
const char* const kGermanMonths[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                     "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

std::string number(unsigned value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*u", width, value);
    return buffer;
}

std::size_t runLength(const std::string& picture, std::size_t at) {
    std::size_t end = at;
    while (end < picture.size() && picture[end] == picture[at]) ++end;
    return end - at;
}

std::string fit(const std::string& text, std::uint32_t bufferSize) {
    return text.size() < bufferSize ? text : std::string();
}

}  // namespace

std::string SimClock::formatDate(std::uint32_t, std::uint32_t, const LocalTime& time, const std::string& picture,
                                 std::uint32_t bufferSize) {
    std::string out;
    for (std::size_t i = 0; i < picture.size();) {
        const std::size_t n = runLength(picture, i);
        switch (picture[i]) {
            case 'd': out += n >= 2 ? number(time.day, 2) : number(time.day, 1); break;
            case 'M':
                if (n >= 3) out += (germanLocale ? kGermanMonths : kEnglishMonths)[(time.month + 11) % 12];
                else out += number(time.month, int(n));
                break;
            case 'y': out += n >= 3 ? number(time.year, 4) : number(time.year % 100, 2); break;
            default: out.append(n, picture[i]);
        }
        i += n;
    }
    return fit(out, bufferSize);
}

std::string SimClock::formatTime(std::uint32_t, std::uint32_t flags, const LocalTime& time,
                                 const std::string& picture, std::uint32_t bufferSize) {
    std::string out;
    for (std::size_t i = 0; i < picture.size();) {
        const std::size_t n = runLength(picture, i);
        switch (picture[i]) {
            case 'H': out += number(time.hour, int(n)); break;
            case 'h': out += number((flags & kTimeForce24HourFormat) ? time.hour : (time.hour + 11) % 12 + 1, int(n)); break;
            case 'm': out += number(time.minute, int(n)); break;
            case 's':
                if (!(flags & kTimeNoSeconds)) out += number(time.second, int(n));
                break;
            case 't':
                if (!(flags & kTimeNoTimeMarker)) out += time.hour < 12 ? (n == 1 ? "A" : "AM") : (n == 1 ? "P" : "PM");
                break;
            default: out.append(n, picture[i]);
        }
        i += n;
    }
    return fit(out, bufferSize);
}

}  // namespace platform::sim
