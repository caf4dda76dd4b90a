#pragma once
// A scripted card-terminal library. The simulated machine runs it behind its CT-API libraries, and the
// CT-API stand-in DLL runs the very same code, so both answer a script alike and record the same lines.
//
// Script, one instruction per line ('#' starts a comment line):
//   version TEXT                          what Get_VersionString writes (the rest of the line)
//   init CTN RESULT                       CT_init's result for that terminal number (default 0)
//   data COMMAND RESULT [RESPONSE|- [LENGTH]]
//                                         the next answer to CT_data with that command (hex bytes);
//                                         answers are used in order, the last one repeats; the response
//                                         length reported is LENGTH when given, else the byte count
//   close RESULT                          CT_close's result (default 0)
//   log PATH                              where the stand-in appends its record lines
// A command without data lines is answered with result 0 and the response 90 00.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::sim {

struct CtApiScript {
    struct Answer {
        std::int8_t result = 0;
        std::vector<std::uint8_t> response;
        std::optional<std::uint16_t> reportedLength;  // the byte count when not given
    };

    std::string versionText = "CT-API stand-in 1.0";
    std::map<std::uint16_t, std::int8_t> initResults;
    std::map<std::string, std::vector<Answer>> answers;  // by command bytes in upper-case hex
    std::int8_t closeResult = 0;
    std::string logPath;

    static CtApiScript parse(const std::string& text);
};

class CtApiFake {
public:
    static constexpr std::size_t kVersionTextSize = 120;

    // `record` receives one line per call, as the stand-in writes it to its log.
    CtApiFake(CtApiScript script, std::function<void(const std::string&)> record);

    std::int8_t init(std::uint16_t ctn, std::uint16_t port);
    std::int8_t data(std::uint16_t ctn, std::uint8_t* destination, std::uint8_t* source, std::uint16_t commandLength,
                     const std::uint8_t* command, std::uint16_t* responseLength, std::uint8_t* response);
    std::int8_t close(std::uint16_t ctn);
    // Fills at most kVersionTextSize bytes; terminated only when the text is shorter.
    void versionString(char* text, std::uint32_t number);

private:
    CtApiScript script_;
    std::function<void(const std::string&)> record_;
    std::map<std::string, std::size_t> next_;
};

}  // namespace platform::sim
