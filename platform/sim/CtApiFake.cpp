#include "CtApiFake.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ScriptText.h"

namespace platform::sim {
namespace {

const char* cleared(const void* area, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(area);
    return std::all_of(bytes, bytes + size, [](std::uint8_t b) { return b == 0; }) ? "cleared" : "dirty";
}

}  // namespace

CtApiScript CtApiScript::parse(const std::string& text) {
    CtApiScript script;
    for (const ScriptLine& line : scriptLines(text)) {
        const auto& w = line.words;
        if (line.keyword == "version") {
            script.versionText = line.rest;
        } else if (line.keyword == "init" && w.size() >= 2) {
            script.initResults[static_cast<std::uint16_t>(numberFrom(w[0]))] = static_cast<std::int8_t>(numberFrom(w[1]));
        } else if (line.keyword == "data" && w.size() >= 2) {
            Answer answer;
            answer.result = static_cast<std::int8_t>(numberFrom(w[1]));
            if (w.size() >= 3 && w[2] != "-") answer.response = bytesFromHex(w[2]);
            if (w.size() >= 4) answer.reportedLength = static_cast<std::uint16_t>(numberFrom(w[3]));
            const std::vector<std::uint8_t> command = bytesFromHex(w[0]);
            script.answers[hexFromBytes(command.data(), command.size())].push_back(answer);
        } else if (line.keyword == "close" && !w.empty()) {
            script.closeResult = static_cast<std::int8_t>(numberFrom(w[0]));
        } else if (line.keyword == "log") {
            script.logPath = line.rest;
        }
    }
    return script;
}

CtApiFake::CtApiFake(CtApiScript script, std::function<void(const std::string&)> record)
    : script_(std::move(script)), record_(std::move(record)) {}

std::int8_t CtApiFake::init(std::uint16_t ctn, std::uint16_t port) {
    const auto found = script_.initResults.find(ctn);
    const std::int8_t result = found == script_.initResults.end() ? 0 : found->second;
    char line[96];
    std::snprintf(line, sizeof line, "CT_init ctn=%u pn=%u -> %d", unsigned(ctn), unsigned(port), int(result));
    record_(line);
    return result;
}

std::int8_t CtApiFake::data(std::uint16_t ctn, std::uint8_t* destination, std::uint8_t* source,
                            std::uint16_t commandLength, const std::uint8_t* command, std::uint16_t* responseLength,
                            std::uint8_t* response) {
    const std::uint16_t room = *responseLength;
    const std::string key = hexFromBytes(command, commandLength);
    char line[160];
    std::snprintf(line, sizeof line, "CT_data ctn=%u dad=%u sad=%u lenc=%u command=%s lenr=%u response=%s",
                  unsigned(ctn), unsigned(*destination), unsigned(*source), unsigned(commandLength),
                  key.c_str(), unsigned(room), cleared(response, room));

    CtApiScript::Answer answer{0, {0x90, 0x00}, std::nullopt};
    const auto scripted = script_.answers.find(key);
    if (scripted != script_.answers.end() && !scripted->second.empty()) {
        std::size_t& next = next_[key];
        answer = scripted->second[std::min(next, scripted->second.size() - 1)];
        ++next;
    }
    std::memcpy(response, answer.response.data(), std::min<std::size_t>(answer.response.size(), room));
    *responseLength = answer.reportedLength.value_or(static_cast<std::uint16_t>(answer.response.size()));

    char result[48];
    std::snprintf(result, sizeof result, " -> %d lenr=%u", int(answer.result), unsigned(*responseLength));
    record_(std::string(line) + result);
    return answer.result;
}

std::int8_t CtApiFake::close(std::uint16_t ctn) {
    char line[64];
    std::snprintf(line, sizeof line, "CT_close ctn=%u -> %d", unsigned(ctn), int(script_.closeResult));
    record_(line);
    return script_.closeResult;
}

void CtApiFake::versionString(char* text, std::uint32_t number) {
    char line[80];
    std::snprintf(line, sizeof line, "Get_VersionString text=%s number=%u", cleared(text, kVersionTextSize),
                  unsigned(number));
    record_(line);
    const std::size_t length = std::min(script_.versionText.size(), kVersionTextSize);
    std::memcpy(text, script_.versionText.data(), length);
    if (length < kVersionTextSize) text[length] = '\0';
}

}  // namespace platform::sim
