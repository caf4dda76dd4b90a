#pragma once
// A scripted ZKA signature library. The simulated machine runs it behind its ZKA libraries, and the
// stand-in ZkaSigApi.dll runs the very same code, so both answer a script alike and record the same lines.
//
// Script, one instruction per line ('#' starts a comment line):
//   version TEXT                         what zka_sig_open writes into the version text area
//   open CODE [ERROR|- [LENGTH]]         the next answer of zka_sig_open: its return code and the
//   card CODE [ERROR|- [LENGTH]]         error bytes (hex) it reports; "-" leaves the caller's error
//   close CODE [ERROR|- [LENGTH]]        length and bytes as they were, no bytes report length 0;
//                                        LENGTH, when given, is the error length reported.
//                                        Answers are used in order, the last one repeats.
//   log PATH                             where the stand-in appends its record lines
// An entry point without answers returns 0 and reports error length 0.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::sim {

struct ZkaScript {
    struct Answer {
        std::int32_t code = 0;
        bool leavesError = false;
        std::vector<std::uint8_t> error;
        std::optional<std::uint32_t> reportedLength;  // the byte count when not given
    };

    std::string versionText = "ZKA stand-in 1.0";
    std::map<std::string, std::vector<Answer>> answers;  // by "open", "card", "close"
    std::string logPath;

    static ZkaScript parse(const std::string& text);
};

class ZkaFake {
public:
    static constexpr std::size_t kAreaSize = 128;

    // `record` receives one line per call, as the stand-in writes it to its log.
    ZkaFake(ZkaScript script, std::function<void(const std::string&)> record);

    std::int32_t open(std::uint32_t* readerHandle, const char* readerName, char* versionText, const char* reserved1,
                      const char* reserved2, std::uint32_t* errorLength, std::uint8_t* errorBytes);
    std::int32_t cardAvailable(std::uint32_t readerHandle, std::uint32_t* errorLength, std::uint8_t* errorBytes);
    std::int32_t close(std::uint32_t readerHandle, std::uint32_t* errorLength, std::uint8_t* errorBytes);

private:
    ZkaScript::Answer next(const std::string& entry);
    void report(const ZkaScript::Answer& answer, std::uint32_t* errorLength, std::uint8_t* errorBytes);

    ZkaScript script_;
    std::function<void(const std::string&)> record_;
    std::map<std::string, std::size_t> next_;
    std::uint32_t opened_ = 0;
};

}  // namespace platform::sim
