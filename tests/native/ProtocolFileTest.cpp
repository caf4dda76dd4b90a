#include <gtest/gtest.h>

#include "ProtocolFile.h"
#include "platform/sim/SimMachine.h"

namespace probe {
namespace {

using platform::MessageAnswer;
using Outcome = ProtocolFileResult::Outcome;

const std::string kStars(76, '*');

struct LogMachine {
    LogMachine() {
        machine.files.addDirectory("C:\\Work");
        machine.files.setCurrentDirectory("C:\\Work");
        protocol.add("Microsoft Windows XP");
        protocol.addSeparator();
        protocol.add("    Der Installationstest war erfolgreich.");
    }
    ProtocolFileResult write(Language language = Language::English) {
        platform::Platform p = machine.platform();
        return writeProtocolFile(p, protocol, language);
    }
    std::string content(const std::string& path) {
        const auto* file = machine.files.file(path);
        return file ? file->content : "<missing>";
    }
    std::vector<std::string> questions() {
        std::vector<std::string> texts;
        for (const auto& shown : machine.dialogs.shown) texts.push_back(shown.text);
        return texts;
    }
    platform::sim::SimMachine machine;
    ProtocolList protocol;
};

TEST(ProtocolFile, BlockLayoutByteForByte) {
    LogMachine m;
    const auto result = m.write();
    ASSERT_EQ(Outcome::Stored, result.outcome);
    EXPECT_EQ("C:\\Work\\SetupProbe.log", result.path);
    const std::string block = kStars + "\r\n\r\nOctober 04 2006, 14:05 PM\r\n\r\nMicrosoft Windows XP\r\n \r\n"
                              "    Der Installationstest war erfolgreich.\r\n\r\n" + kStars + "\r\n";
    EXPECT_EQ(block, m.content("C:\\Work\\SetupProbe.log"));

    m.machine.clock.germanLocale = true;
    ASSERT_EQ(Outcome::Stored, m.write(Language::German).outcome);
    const std::string german = kStars + "\r\n\r\n4 Oktober 2006, 14:05 Uhr\r\n\r\nMicrosoft Windows XP\r\n \r\n"
                               "    Der Installationstest war erfolgreich.\r\n\r\n" + kStars + "\r\n";
    EXPECT_EQ(block + "\r\n\r\n" + german, m.content("C:\\Work\\SetupProbe.log"));
    EXPECT_TRUE(m.machine.dialogs.shown.empty());
}

TEST(ProtocolFile, EarlierContentStaysAndADriveRootGetsOneBackslash) {
    LogMachine m;
    m.machine.files.addFile("C:\\SetupProbe.log", "old\r\n");
    m.machine.files.setCurrentDirectory("C:\\");
    const auto result = m.write();
    EXPECT_EQ("C:\\SetupProbe.log", result.path);
    const std::string content = m.content("C:\\SetupProbe.log");
    EXPECT_EQ("old\r\n\r\n\r\n" + kStars + "\r\n", content.substr(0, 9 + 78));
}

TEST(ProtocolFile, TheDateLineFollowsTheSystemLocaleNotTheLanguage) {
    LogMachine m;
    m.machine.clock.germanLocale = true;
    m.write(Language::English);
    EXPECT_NE(std::string::npos, m.content("C:\\Work\\SetupProbe.log").find("\r\nOktober 04 2006, 14:05 PM\r\n"));
}

// The questions when the current directory cannot take the file.
struct QuestionCase {
    const char* name;
    bool fallbackExists;
    bool fallbackUnwritable;
    unsigned long createError;  // 0: the folder can be made
    std::vector<MessageAnswer> answers;
    std::vector<std::optional<std::string>> fileChoices;
    Language language;
    std::vector<std::string> expectedQuestions;
    Outcome expectedOutcome;
    std::string expectedPath;
};

class ProtocolFileQuestions : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(ProtocolFileQuestions, AskAndStoreAsTold) {
    const QuestionCase& c = GetParam();
    LogMachine m;
    m.machine.files.setReadOnlyDirectory("C:\\Work");
    m.machine.files.addDirectory("D:\\Picked");
    if (c.fallbackExists) m.machine.files.addDirectory("C:\\TK560 Logs");
    if (c.fallbackUnwritable) m.machine.files.setReadOnlyDirectory("C:\\TK560 Logs");
    if (!c.fallbackExists && c.createError) m.machine.files.failCreateDirectory("C:\\TK560 Logs", c.createError);
    m.machine.dialogs.answers.assign(c.answers.begin(), c.answers.end());
    m.machine.dialogs.fileChoices.assign(c.fileChoices.begin(), c.fileChoices.end());

    const auto result = m.write(c.language);

    EXPECT_EQ(c.expectedQuestions, m.questions());
    for (const auto& shown : m.machine.dialogs.shown) {
        EXPECT_EQ("TK560Probe", shown.caption);
        EXPECT_EQ(platform::MessageButtons::YesNo, shown.buttons);
        EXPECT_EQ(platform::MessageIcon::None, shown.icon);
    }
    EXPECT_EQ(c.expectedOutcome, result.outcome);
    EXPECT_EQ(c.expectedPath, result.path);
    if (c.expectedOutcome == Outcome::Stored) {
        EXPECT_EQ(0u, m.content(c.expectedPath).find(kStars));
    }
}

const std::string kOpenWork = "Error during opening the file: C:\\Work\\SetupProbe.log";
const std::string kOtherEn = "\nDo you wish to open the file SetupProbe.log in another location?";

INSTANTIATE_TEST_SUITE_P(
    Paths, ProtocolFileQuestions,
    ::testing::Values(
        QuestionCase{"FallbackExistsNoQuestion", true, false, 0, {}, {}, Language::English, {}, Outcome::Stored,
                     "C:\\TK560 Logs\\SetupProbe.log"},
        QuestionCase{"FallbackMissingAndRefused",
                     false, false, 0,
                     {MessageAnswer::No, MessageAnswer::No}, {}, Language::English,
                     {kOpenWork + "\nDo you wish to create the folder C:\\TK560 Logs ?", kOtherEn},
                     Outcome::GivenUp, ""},
        QuestionCase{"FallbackCreatedOnYes",
                     false, false, 0,
                     {MessageAnswer::Yes}, {}, Language::English,
                     {kOpenWork + "\nDo you wish to create the folder C:\\TK560 Logs ?"},
                     Outcome::Stored, "C:\\TK560 Logs\\SetupProbe.log"},
        QuestionCase{"AgreedButPathNotFound",
                     false, false, 3,
                     {MessageAnswer::Yes, MessageAnswer::No}, {}, Language::English,
                     {kOpenWork + "\nDo you wish to create the folder C:\\TK560 Logs ?",
                      kOpenWork + "\nDo you wish to create the folder C:\\TK560 Logs ?\nUnable to create the folder "
                                  "C:\\TK560 Logs" + kOtherEn},
                     Outcome::GivenUp, ""},
        QuestionCase{"AgreedButAccessDeniedIsNotTold",
                     false, false, 5,
                     {MessageAnswer::Yes, MessageAnswer::No}, {}, Language::English,
                     {kOpenWork + "\nDo you wish to create the folder C:\\TK560 Logs ?",
                      kOpenWork + "\nDo you wish to create the folder C:\\TK560 Logs ?" + kOtherEn},
                     Outcome::GivenUp, ""},
        QuestionCase{"FallbackFileUnopenable",
                     true, true, 0,
                     {MessageAnswer::No}, {}, Language::English,
                     {"Error during opening the file: C:\\TK560 Logs\\SetupProbe.log" + kOtherEn},
                     Outcome::GivenUp, ""},
        QuestionCase{"OpenDialogConfirmed",
                     true, true, 0,
                     {MessageAnswer::Yes}, {std::string("D:\\Picked\\mine.log")}, Language::English,
                     {"Error during opening the file: C:\\TK560 Logs\\SetupProbe.log" + kOtherEn},
                     Outcome::Stored, "D:\\Picked\\mine.log"},
        QuestionCase{"OpenDialogCancelled",
                     true, true, 0,
                     {MessageAnswer::Yes}, {std::nullopt}, Language::English,
                     {"Error during opening the file: C:\\TK560 Logs\\SetupProbe.log" + kOtherEn},
                     Outcome::GivenUp, ""},
        QuestionCase{"PickedFileUnopenableAsksAgainWithoutTheFallback",
                     true, true, 0,
                     {MessageAnswer::Yes, MessageAnswer::Yes}, {std::string("E:\\Nowhere\\x.log"), std::nullopt},
                     Language::English,
                     {"Error during opening the file: C:\\TK560 Logs\\SetupProbe.log" + kOtherEn,
                      "Error during opening the file: E:\\Nowhere\\x.log" + kOtherEn},
                     Outcome::GivenUp, ""},
        QuestionCase{"GermanQuestions",
                     false, false, 3,
                     {MessageAnswer::Yes, MessageAnswer::No}, {}, Language::German,
                     {"Fehler beim Öffnen der Datei: C:\\Work\\SetupProbe.log\nMöchten Sie das Verzeichnis C:\\TK560 "
                      "Logs anlegen ?",
                      "Fehler beim Öffnen der Datei: C:\\Work\\SetupProbe.log\nMöchten Sie das Verzeichnis C:\\TK560 "
                      "Logs anlegen ?\nDas Verzeichnis C:\\TK560 Logs konnte nicht angelegt werden\nSoll die Datei "
                      "SetupProbe.log von einem anderen Verzeichnis geöffnet werden?"},
                     Outcome::GivenUp, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProtocolFile, FallbackBecomesTheCurrentDirectoryForLaterCalls) {
    LogMachine m;
    m.machine.files.setReadOnlyDirectory("C:\\Work");
    m.machine.files.addDirectory("C:\\TK560 Logs");
    m.machine.system.windowsDir = "C:\\WINNT";
    ASSERT_EQ("C:\\TK560 Logs\\SetupProbe.log", m.write().path);
    EXPECT_EQ("C:\\TK560 Logs", m.machine.files.currentDirectory(256));
    m.machine.files.setReadOnlyDirectory("C:\\TK560 Logs");  // the file exists, so it still opens
    const auto second = m.write();
    EXPECT_EQ("C:\\TK560 Logs\\SetupProbe.log", second.path);
    EXPECT_TRUE(m.machine.dialogs.shown.empty());
    EXPECT_NE(std::string::npos, m.content(second.path).find("\r\n\r\n\r\n" + kStars));
}

TEST(ProtocolFile, OpenDialogIsAskedForALogFile) {
    LogMachine m;
    m.machine.files.setReadOnlyDirectory("C:\\Work");
    m.machine.files.addDirectory("C:\\TK560 Logs");
    m.machine.files.setReadOnlyDirectory("C:\\TK560 Logs");
    m.machine.dialogs.answers = {MessageAnswer::Yes};
    m.write();
    ASSERT_EQ(1u, m.machine.dialogs.fileRequests.size());
    const auto& request = m.machine.dialogs.fileRequests[0];
    EXPECT_EQ("SetupProbe.log", request.initialFileName);
    EXPECT_EQ("log", request.defaultExtension);
    EXPECT_EQ("*.log", request.filter);
    EXPECT_TRUE(request.overwritePrompt);
}

TEST(ProtocolFile, WriteFailureIsReportedAndEndsTheCall) {
    LogMachine m;
    m.machine.files.addFile("C:\\Work\\SetupProbe.log", "kept\r\n").writeLimit = 20;
    const auto result = m.write();
    EXPECT_EQ(Outcome::WriteFailed, result.outcome);
    ASSERT_EQ(1u, m.machine.dialogs.shown.size());
    EXPECT_EQ("An error occurred while writing the file C:\\Work\\SetupProbe.log.", m.machine.dialogs.shown[0].text);
    EXPECT_EQ(0u, m.content("C:\\Work\\SetupProbe.log").find("kept\r\n"));
}

}  // namespace
}  // namespace probe
