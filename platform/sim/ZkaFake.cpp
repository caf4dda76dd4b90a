#include "ZkaFake.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ScriptText.h"

namespace platform::sim {
namespace {

bool isCleared(const char* area) {
    return std::all_of(area, area + ZkaFake::kAreaSize, [](char c) { return c == '\0'; });
}

std::string resultText(std::int32_t code, std::uint32_t errorLength) {
    char text[64];
    std::snprintf(text, sizeof text, " -> %ld errlen=%lu", long(code), static_cast<unsigned long>(errorLength));
    return text;
}

}  // namespace

ZkaScript ZkaScript::parse(const std::string& text) {
    ZkaScript script;
    for (const ScriptLine& line : scriptLines(text)) {
        const auto& w = line.words;
        if (line.keyword == "version") {
            script.versionText = line.rest;
        } else if ((line.keyword == "open" || line.keyword == "card" || line.keyword == "close") && !w.empty()) {
            Answer answer;
            answer.code = static_cast<std::int32_t>(numberFrom(w[0]));
            if (w.size() >= 2) {
                answer.leavesError = w[1] == "-";
                if (!answer.leavesError) answer.error = bytesFromHex(w[1]);
            }
            if (w.size() >= 3) answer.reportedLength = static_cast<std::uint32_t>(numberFrom(w[2]));
            script.answers[line.keyword].push_back(answer);
        } else if (line.keyword == "log") {
            script.logPath = line.rest;
        }
    }
    return script;
}

ZkaFake::ZkaFake(ZkaScript script, std::function<void(const std::string&)> record)
    : script_(std::move(script)), record_(std::move(record)) {}

ZkaScript::Answer ZkaFake::next(const std::string& entry) {
    const auto scripted = script_.answers.find(entry);
    if (scripted == script_.answers.end() || scripted->second.empty()) return {};
    std::size_t& next = next_[entry];
    const ZkaScript::Answer answer = scripted->second[std::min(next, scripted->second.size() - 1)];
    ++next;
    return answer;
}

void ZkaFake::report(const ZkaScript::Answer& answer, std::uint32_t* errorLength, std::uint8_t* errorBytes) {
    if (answer.leavesError) return;
    std::memcpy(errorBytes, answer.error.data(), std::min(answer.error.size(), kAreaSize));
    *errorLength = answer.reportedLength.value_or(static_cast<std::uint32_t>(answer.error.size()));
}

std::int32_t ZkaFake::open(std::uint32_t* readerHandle, const char* readerName, char* versionText,
                           const char* reserved1, const char* reserved2, std::uint32_t* errorLength,
                           std::uint8_t* errorBytes) {
    const ZkaScript::Answer answer = next("open");
    std::string line = "zka_sig_open reader=" + std::string(readerName, std::find(readerName, readerName + kAreaSize, '\0')) +
                       " buffers=" + (isCleared(reserved1) && isCleared(reserved2) ? "cleared" : "dirty");
    const std::size_t length = std::min(script_.versionText.size(), kAreaSize);
    std::memcpy(versionText, script_.versionText.data(), length);
    if (length < kAreaSize) versionText[length] = '\0';
    if (answer.code == 0) *readerHandle = 0x100 + ++opened_;
    report(answer, errorLength, errorBytes);
    record_(line + resultText(answer.code, *errorLength) + " handle=" + std::to_string(*readerHandle));
    return answer.code;
}

std::int32_t ZkaFake::cardAvailable(std::uint32_t readerHandle, std::uint32_t* errorLength, std::uint8_t* errorBytes) {
    const ZkaScript::Answer answer = next("card");
    report(answer, errorLength, errorBytes);
    record_("zka_sig_card_available handle=" + std::to_string(readerHandle) + resultText(answer.code, *errorLength));
    return answer.code;
}

std::int32_t ZkaFake::close(std::uint32_t readerHandle, std::uint32_t* errorLength, std::uint8_t* errorBytes) {
    const ZkaScript::Answer answer = next("close");
    report(answer, errorLength, errorBytes);
    record_("zka_sig_close handle=" + std::to_string(readerHandle) + resultText(answer.code, *errorLength));
    return answer.code;
}

}  // namespace platform::sim
