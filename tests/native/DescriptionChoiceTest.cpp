#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DescriptionChoice.h"
#include "platform/sim/SimMachine.h"

namespace probe {
namespace {

using namespace std::string_literals;
using platform::RegRoot;
using platform::RegValue;

const char* const kKey = "SOFTWARE\\SmartCardReader Installation\\InstallationTest";
const char* const kProgramDir = "C:\\Program Files\\TK560";

RegValue text(const std::string& s) { return RegValue{platform::kRegSz, s + '\0'}; }
RegValue dword(std::uint32_t v) {
    return RegValue{platform::kRegDword, std::string(reinterpret_cast<const char*>(&v), 4)};
}

struct Entry {
    std::string name;
    RegValue value;
};

struct Case {
    const char* what;
    std::vector<std::string> filesBeside;
    bool keyExists;
    std::vector<Entry> entries;  // in enumeration order
    bool proceed;
    std::string primary;
    std::string secondary;
    bool zka;
};

const std::vector<Case> kCases = {
    {"a description beside the program wins over the registry, and the ZKA test is not wanted",
     {"INST360.INI"}, true, {{"TestZKA", text("1")}, {"a", text("C:\\Setup\\inst160.ini")}},
     true, "C:\\Program Files\\TK560\\INST360.INI", "", false},
    {"of two descriptions beside the program the file search's first", {"Inst_b.ini", "Inst_a.ini"}, false, {},
     true, "C:\\Program Files\\TK560\\Inst_a.ini", "", false},
    {"Inst1.inix is no description: the registry is read", {"Inst1.inix"}, true,
     {{"a", text("C:\\Setup\\inst360.ini")}}, true, "c:\\setup\\inst360.ini", "", false},
    {"only a secondary file: it becomes the primary one", {}, true, {{"a", text("D:\\TK\\Inst160.ini")}}, true,
     "d:\\tk\\inst160.ini", "", false},
    {"both files", {}, true,
     {{"x", text("C:\\Setup\\inst160.ini")}, {"y", text("C:\\Setup\\INST360.INI")}}, true,
     "c:\\setup\\inst360.ini", "c:\\setup\\inst160.ini", false},
    {"the later of two primary files wins", {}, true,
     {{"one", text("C:\\A\\inst360.ini")}, {"two", text("C:\\B\\inst360.ini")}}, true, "c:\\b\\inst360.ini", "",
     false},
    {"one text naming both files sets both", {}, true, {{"a", text("inst360.ini;inst160.ini")}}, true,
     "inst360.ini;inst160.ini", "inst360.ini;inst160.ini", false},
    {"TestZKA text 1", {}, true, {{"TestZKA", text("1")}, {"a", text("inst360.ini")}}, true, "inst360.ini", "", true},
    {"TestZKA double word 1", {}, true, {{"TestZKA", dword(1)}, {"a", text("inst360.ini")}}, true, "inst360.ini", "",
     true},
    {"TestZKA binary 2", {}, true, {{"TestZKA", RegValue{platform::kRegBinary, "\x02"}}, {"a", text("inst360.ini")}},
     true, "inst360.ini", "", true},
    {"TestZKA text 0", {}, true, {{"TestZKA", text("0")}, {"a", text("inst360.ini")}}, true, "inst360.ini", "",
     false},
    {"TestZKA empty text", {}, true, {{"TestZKA", text("")}, {"a", text("inst360.ini")}}, true, "inst360.ini", "",
     false},
    {"TestZKA double word 0", {}, true, {{"TestZKA", dword(0)}, {"a", text("inst360.ini")}}, true, "inst360.ini", "",
     false},
    {"TestZKA too long to read", {}, true,
     {{"a", text("inst360.ini")}, {"TestZKA", text("1" + std::string(300, 'x'))}}, true, "inst360.ini", "", false},
    {"a value too long to read ends the list", {}, true,
     {{"a", text("C:\\A\\inst360.ini")}, {"long", text(std::string(300, 'x'))}, {"b", text("C:\\B\\inst360.ini")}},
     true, "c:\\a\\inst360.ini", "", false},
    {"a value name too long to read ends the list", {}, true,
     {{"a", text("C:\\A\\inst360.ini")}, {std::string(260, 'n'), text("x")}, {"b", text("C:\\B\\inst360.ini")}},
     true, "c:\\a\\inst360.ini", "", false},
    {"the key holds only TestZKA", {}, true, {{"TestZKA", text("1")}}, false, "", "", true},
    {"the key holds no known file name", {}, true, {{"a", text("C:\\Setup\\setup.ini")}}, false, "", "", false},
    {"no key", {}, false, {}, false, "", "", false},
};

TEST(DescriptionChoiceTest, ChoosesTheDescriptionFiles) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        platform::sim::SimMachine machine;
        machine.files.addDirectory(kProgramDir);
        for (const auto& name : c.filesBeside) machine.files.addFile(std::string(kProgramDir) + "\\" + name, "[x]");
        if (c.keyExists) machine.registry.addKey(RegRoot::LocalMachine, kKey);
        for (const auto& e : c.entries) machine.registry.setValue(RegRoot::LocalMachine, kKey, e.name, e.value);
        auto ports = machine.platform();

        const DescriptionChoiceResult result = chooseDescription(ports, kProgramDir);

        EXPECT_EQ(c.proceed, result.proceed);
        if (c.proceed) {
            EXPECT_EQ(c.primary, result.primaryPath);
            EXPECT_EQ(c.secondary, result.secondaryPath);
            EXPECT_EQ(c.zka, result.zkaTestWanted);
            EXPECT_TRUE(machine.dialogs.shown.empty());
        } else {
            ASSERT_EQ(1u, machine.dialogs.shown.size());
            EXPECT_EQ("No TK560 Reader information available. \nInstall the reader and try again",
                      machine.dialogs.shown[0].text);
            EXPECT_EQ("TK560Probe", machine.dialogs.shown[0].caption);
            EXPECT_EQ(platform::MessageButtons::Ok, machine.dialogs.shown[0].buttons);
            EXPECT_EQ(platform::MessageIcon::Error, machine.dialogs.shown[0].icon);
        }
    }
}

TEST(DescriptionChoiceTest, KeepsTwentyEntries) {
    platform::sim::SimMachine machine;
    for (int i = 1; i <= 19; ++i)
        machine.registry.setValue(RegRoot::LocalMachine, kKey, "e" + std::to_string(i), text("C:\\A\\inst360.ini"));
    machine.registry.setValue(RegRoot::LocalMachine, kKey, "e20", text("C:\\Twentieth\\inst160.ini"));
    machine.registry.setValue(RegRoot::LocalMachine, kKey, "e21", text("C:\\Beyond\\inst360.ini"));
    auto ports = machine.platform();

    const DescriptionChoiceResult result = chooseDescription(ports, kProgramDir);

    EXPECT_TRUE(result.proceed);
    EXPECT_EQ("c:\\a\\inst360.ini", result.primaryPath);
    EXPECT_EQ("c:\\twentieth\\inst160.ini", result.secondaryPath);
}

TEST(DescriptionChoiceTest, CaptionIsTheProgramFileName) {
    platform::sim::SimMachine machine;
    machine.system.moduleFile = "C:\\Tools\\Setup.Probe.exe";
    auto ports = machine.platform();

    EXPECT_FALSE(chooseDescription(ports, "C:\\Tools").proceed);

    ASSERT_EQ(1u, machine.dialogs.shown.size());
    EXPECT_EQ("Setup.Probe", machine.dialogs.shown[0].caption);
}

}  // namespace
}  // namespace probe
