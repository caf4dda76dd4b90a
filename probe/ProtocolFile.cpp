#include "ProtocolFile.h"

#include "ProbeTexts.h"

namespace probe {
namespace {

const std::string kAsterisks(76, '*');
constexpr std::uint32_t kCurrentDirectoryBuffer = 256;
constexpr std::uint32_t kWindowsDirectoryBuffer = 260;
constexpr std::uint32_t kDateTimeBuffer = 200;

std::string firstPath(platform::FileSystem& files) {
    std::string path = files.currentDirectory(kCurrentDirectoryBuffer);
    if (path.size() >= 4) path += '\\';
    return path + texts::kLogFileName;
}

// The Windows directory cut after its first backslash (its drive root), then the folder name.
std::string fallbackFolder(platform::SystemInfo& system) {
    const std::string windows = system.windowsDirectory(kWindowsDirectoryBuffer);
    const auto slash = windows.find('\\');
    const std::string root = slash == std::string::npos ? windows + "\\" : windows.substr(0, slash + 1);
    return root + texts::kFallbackFolderName;
}

bool ask(platform::Dialogs& dialogs, const std::string& question) {
    return dialogs.messageBox(question, texts::kQuestionCaption, platform::MessageButtons::YesNo,
                              platform::MessageIcon::None) == platform::MessageAnswer::Yes;
}

}  // namespace

std::string protocolBlock(platform::Clock& clock, const ProtocolList& protocol, Language language) {
    const bool german = language == Language::German;
    const platform::LocalTime now = clock.localTime();
    const std::string date = clock.formatDate(platform::kLocaleSystemDefault, 0, now,
                                              german ? "d MMMM yyyy" : "MMMM dd yyyy", kDateTimeBuffer);
    const std::string time =
        german ? clock.formatTime(platform::kLocaleSystemDefault,
                                  platform::kTimeNoSeconds | platform::kTimeNoTimeMarker |
                                      platform::kTimeForce24HourFormat,
                                  now, "HH:mm", kDateTimeBuffer)
               : clock.formatTime(platform::kLocaleSystemDefault, platform::kTimeNoSeconds, now, "HH:mm tt",
                                  kDateTimeBuffer);
    std::string block = kAsterisks + "\n\n" + date + ", " + time + (german ? " Uhr\n\n" : "\n\n");
    for (const std::string& line : protocol.lines()) block += line + "\n";
    block += "\n" + kAsterisks + "\n";
    return block;
}

ProtocolFileResult writeProtocolFile(platform::Platform& platform, const ProtocolList& protocol, Language language) {
    platform::FileSystem& files = platform.files;
    std::string path = firstPath(files);
    bool fallbackTried = false;
    for (;;) {
        // An existing file is opened at its end and gets two empty lines first. A file that
        // appears between the probe and the open is appended to as well, never truncated.
        const bool existed = files.fileExists(path);
        std::unique_ptr<platform::TextFile> file = files.openText(
            path, existed ? platform::TextFileMode::ReadWriteAtEnd : platform::TextFileMode::CreateOrAppend);
        if (file) {
            const std::string block = (existed ? std::string("\n\n") : std::string()) +
                                      protocolBlock(platform.clock, protocol, language);
            if (!file->write(block)) {
                file.reset();
                platform.dialogs.messageBox(format(texts::kWriteError.in(language), path.c_str()),
                                            texts::kQuestionCaption, platform::MessageButtons::Ok,
                                            platform::MessageIcon::Error);
                return {ProtocolFileResult::WriteFailed, path};
            }
            return {ProtocolFileResult::Stored, path};
        }

        std::string message = format(texts::kOpenError.in(language), path.c_str());
        path.clear();
        bool retry = false;
        if (!fallbackTried) {
            fallbackTried = true;
            const std::string folder = fallbackFolder(platform.system);
            path = folder + "\\" + texts::kLogFileName;
            if (files.setCurrentDirectory(folder)) continue;
            message = format(texts::kCreateFolderQuestion.in(language), message.c_str(), folder.c_str());
            if (ask(platform.dialogs, message)) {
                if (files.createDirectory(folder)) {
                    retry = true;
                } else if (files.lastError() == platform::kErrorPathNotFound) {
                    message = format(texts::kCreateFolderFailed.in(language), message.c_str(), folder.c_str());
                }
            } else {
                message.clear();
            }
        }
        if (retry) continue;

        const std::string question = message + format(texts::kOtherLocationQuestion.in(language), texts::kLogFileName);
        if (!ask(platform.dialogs, question)) return {ProtocolFileResult::GivenUp, {}};
        platform::OpenFileRequest request;
        request.initialFileName = texts::kLogFileName;
        request.defaultExtension = "log";
        request.filter = "*.log";
        request.overwritePrompt = true;
        std::optional<std::string> chosen = platform.dialogs.openFile(request);
        if (!chosen) return {ProtocolFileResult::GivenUp, {}};
        path = *chosen;
    }
}

}  // namespace probe
