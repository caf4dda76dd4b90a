#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ContractWorld.h"

namespace contract {
namespace {

using namespace std::string_literals;

std::string numberedKeys(int count, const char* prefix) {
    std::string lines;
    for (int i = 1; i <= count; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%s%03d=%d\r\n", prefix, i, i);
        lines += line;
    }
    return lines;
}

// The key list of `numberedKeys` as the platform returns it whole.
std::string numberedList(int count, const char* prefix) {
    std::string list;
    for (int i = 1; i <= count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%s%03d", prefix, i);
        list += name;
        list += '\0';
    }
    return list;
}

const std::string kFile =
    "; a comment before any section\r\n"
    "orphan=before every section\r\n"
    "[Keys]\r\n"
    "alpha=1\r\n"
    "Beta = two\r\n"
    "   gamma   =   three words   \r\n"
    "\tdelta\t=\ttabbed\t\r\n"
    "noequals\r\n"
    ";commented=out\r\n"
    "empty=\r\n"
    "quoted=\"in quotes\"\r\n"
    "single='single'\r\n"
    "unbalanced=\"open\r\n"
    "mixed=\"mixed'\r\n"
    "inner=\"a\" b\r\n"
    "semicolon=value ; not a comment\r\n"
    "equals=a=b\r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    "\r\n"
    "[Other]\r\n"
    "alpha=other\r\n"
    "[keys]\r\n"
    "alpha=second section of the same name\r\n"
    "late=only in the second section\r\n"
    "[Empty]\r\n"
    "[Long]\r\n"
    "long=" + std::string(300, 'x') + "\r\n"
    "[Many]\r\n" + numberedKeys(40, "key") +
    "[Big]\r\n" + numberedKeys(300, "big") +
    "[Last]\r\n"
    "only=1";  // no line end at the end of the file

struct Case {
    const char* what;
    const char* section;
    std::optional<std::string> key;  // nullopt: the key list
    std::string defaultValue;
    std::uint32_t bufferSize;
    std::string expected;
};

const std::string kKeysList =
    "alpha\0Beta\0gamma\0delta\0empty\0quoted\0single\0unbalanced\0mixed\0inner\0semicolon\0equals\0dup\0DUP\0"s;

const std::vector<Case> kCases = {
    // key lists
    {"key list: names as written, NUL after each, comments and lines without '=' left out", "Keys", std::nullopt,
     "", 2000, kKeysList},
    {"key list: section name in any case", "KEYS", std::nullopt, "", 2000, kKeysList},
    {"key list of a missing section: the default", "Nowhere", std::nullopt, "", 2000, ""},
    {"key list of a missing section: the default", "Nowhere", std::nullopt, "Default", 256, "Default"},
    {"key list of an empty section: the default", "Empty", std::nullopt, "Default", 256, "Default"},
    {"key list that fits with its double NUL", "Other", std::nullopt, "", 8, "alpha\0"s},
    {"key list one byte short: cut to size - 2", "Other", std::nullopt, "", 7, "alpha"},
    {"key list cut inside a name", "Many", std::nullopt, "", 18, numberedList(40, "key").substr(0, 16)},
    {"key list cut at a name's end", "Many", std::nullopt, "", 16, numberedList(40, "key").substr(0, 14)},
    {"key list of 240 bytes in 2000", "Many", std::nullopt, "", 2000, numberedList(40, "key")},
    {"key list beyond 2000 bytes: cut to 1998", "Big", std::nullopt, "", 2000,
     numberedList(300, "big").substr(0, 1998)},
    {"key list of the last line without line end", "Last", std::nullopt, "", 2000, "only\0"s},
    // values
    {"value", "Keys", "alpha", "dflt", 2000, "1"},
    {"key and section names in any case", "kEyS", "ALPHA", "dflt", 2000, "1"},
    {"blanks around name and value", "Keys", "beta", "dflt", 2000, "two"},
    {"blanks inside a value stay", "Keys", "gamma", "dflt", 2000, "three words"},
    {"tabs around name and value", "Keys", "delta", "dflt", 2000, "tabbed"},
    {"blanks around the name asked for", "Keys", "  gamma ", "dflt", 2000, "three words"},
    {"line without '=': the default", "Keys", "noequals", "dflt", 2000, "dflt"},
    {"empty value", "Keys", "empty", "dflt", 2000, ""},
    {"double quotes removed", "Keys", "quoted", "dflt", 2000, "in quotes"},
    {"single quotes removed", "Keys", "single", "dflt", 2000, "single"},
    {"an opening quote alone stays", "Keys", "unbalanced", "dflt", 2000, "\"open"},
    {"quotes of two kinds stay", "Keys", "mixed", "dflt", 2000, "\"mixed'"},
    {"quotes not around the whole value stay", "Keys", "inner", "dflt", 2000, "\"a\" b"},
    {"a semicolon inside a value is no comment", "Keys", "semicolon", "dflt", 2000, "value ; not a comment"},
    {"the first '=' ends the name", "Keys", "equals", "dflt", 2000, "a=b"},
    {"duplicate key: the first counts", "Keys", "dup", "dflt", 2000, "first"},
    {"duplicate section: only the first is read", "Keys", "late", "dflt", 2000, "dflt"},
    {"another section", "Other", "alpha", "dflt", 2000, "other"},
    {"keys before every section belong to none", "Keys", "orphan", "dflt", 2000, "dflt"},
    {"missing key: the default", "Keys", "nothing", "dflt", 2000, "dflt"},
    {"missing section: the default", "Nowhere", "alpha", "dflt", 2000, "dflt"},
    {"trailing blanks of the default dropped", "Keys", "nothing", "dflt  ", 2000, "dflt"},
    {"empty default", "Keys", "nothing", "", 2000, ""},
    {"value cut to size - 1", "Keys", "gamma", "dflt", 6, "three"},
    {"value in a buffer of one byte", "Keys", "alpha", "dflt", 1, ""},
    {"quoted value cut", "Keys", "quoted", "dflt", 4, "in "},
    {"long value in 2000 bytes", "Long", "long", "", 2000, std::string(300, 'x')},
    {"long value cut to 255", "Long", "long", "", 256, std::string(255, 'x')},
    {"default cut to size - 1", "Keys", "nothing", "Default", 4, "Def"},
    {"last line without line end", "Last", "only", "dflt", 2000, "1"},
};

}  // namespace

TEST(ProfileContract, ReadsKeyListsAndValuesAsThePlatformDoes) {
    auto world = makeContractWorld();
    const std::string path = world->scratchFolder() + "\\contract.ini";
    world->writeFile(path, kFile);
    auto& profile = world->platform().profile;
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.what) + " [" + c.section + "/" + (c.key ? *c.key : "<list>") + ", " +
                     std::to_string(c.bufferSize) + "]");
        EXPECT_EQ(c.expected, profile.getString(c.section, c.key, c.defaultValue, c.bufferSize, path));
    }
}

TEST(ProfileContract, MissingFileGivesTheDefault) {
    auto world = makeContractWorld();
    const std::string path = world->scratchFolder() + "\\absent.ini";
    auto& profile = world->platform().profile;
    EXPECT_EQ("", profile.getString("Keys", std::nullopt, "", 2000, path));
    EXPECT_EQ("Default", profile.getString("Keys", std::nullopt, "Default", 256, path));
    EXPECT_EQ("dflt", profile.getString("Keys", std::string("alpha"), "dflt", 2000, path));
}

}  // namespace contract
