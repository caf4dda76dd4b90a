#include <gtest/gtest.h>

#include "pinview/PinviewLng.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimSystem.h"

using platform::RegRoot;
using platform::RegValue;

namespace pinview {
namespace {

const std::string kKey = "Software\\Kavrin\\TKx60\\PINVIEW.DLL";

RegValue dword(std::uint32_t v) {
    std::string data;
    for (int i = 0; i < 4; ++i) data += static_cast<char>((v >> (8 * i)) & 0xFF);
    return {platform::kRegDword, data};
}

class PinviewLngTest : public ::testing::Test {
protected:
    std::string text(int id) { return GetLngText(id, registry, system); }
    void fixedLng(RegValue value) { registry.setValue(RegRoot::LocalMachine, kKey, "FixedLng", value); }
    void override(const std::string& language, const std::string& name, const std::string& text) {
        registry.setString(RegRoot::LocalMachine, kKey + "\\" + language, name, text);
    }

    platform::sim::SimRegistry registry;
    platform::sim::SimSystem system;
};

TEST_F(PinviewLngTest, UserLanguageChoosesTheBuiltInTextWithoutAnyKey) {
    struct Case {
        std::uint16_t langId;
        int id;
        std::string expected;
    };
    const Case cases[] = {
        {0x0C07, TXT_ENTER_PIN, "Bitte PIN eingeben."},  // German (Austria)
        {0x0816, TXT_ENTER_PIN, "Please enter PIN."},    // Portuguese falls back to English
        {0x040A, TXT_PIN_OK, "PIN correcto."},
        {0x080C, TXT_CANCEL, "&Annuler"},
        {0x0425, TXT_OLD_PIN, "Vana PIN kood."},
        {0x0409, TXT_END_TIEMOUT, "Timout for PIN entry!"},
    };
    for (const auto& c : cases) {
        system.langId = c.langId;
        EXPECT_EQ(c.expected, text(c.id)) << std::hex << c.langId;
    }
}

TEST_F(PinviewLngTest, FixedLanguageOverridesWinByFullIdThenPrimaryIdThenBuiltIn) {
    system.langId = 0x0407;
    fixedLng(dword(0x040C));
    EXPECT_EQ("Veuillez entrer votre code PIN.", text(TXT_ENTER_PIN));

    override("000C", "TXT_ENTER_PIN", "primaire");
    EXPECT_EQ("primaire", text(TXT_ENTER_PIN));
    override("040C", "TXT_ENTER_PIN", "complet");
    EXPECT_EQ("complet", text(TXT_ENTER_PIN));
    // The other ids are untouched by these overrides.
    EXPECT_EQ("Code PIN OK.", text(TXT_PIN_OK));
}

TEST_F(PinviewLngTest, FixedLanguageThatIsNotAPositiveDwordIsIgnored) {
    system.langId = 0x0407;
    const RegValue ignored[] = {
        {platform::kRegSz, std::string("1036\0", 5)},
        {platform::kRegBinary, dword(0x040C).data},
        dword(0x8000040C),  // negative as a signed number
        dword(0),
        {platform::kRegDword, std::string("\x0C\x04", 2)},
    };
    for (const auto& value : ignored) {
        fixedLng(value);
        EXPECT_EQ(0u, ReadFixedLng(registry));
        EXPECT_EQ("Bitte PIN eingeben.", text(TXT_ENTER_PIN));
    }
}

TEST_F(PinviewLngTest, PrimaryFixedLanguageLooksAtItsOwnKey) {
    system.langId = 0x0409;
    fixedLng(dword(0x0007));
    override("0007", "TXT_CANCEL", "Abbruch");
    EXPECT_EQ("Abbruch", text(TXT_CANCEL));
    EXPECT_EQ("Bitte alte PIN eingeben.", text(TXT_OLD_PIN));
}

TEST_F(PinviewLngTest, UnusableOverridesFallBackToTheNextStep) {
    system.langId = 0x0407;
    override("0407", "TXT_PIN_OK", "");  // empty: the built-in text, not an empty one
    EXPECT_EQ("PIN ok.", text(TXT_PIN_OK));

    registry.setValue(RegRoot::LocalMachine, kKey + "\\0407", "TXT_PIN_ERROR", {platform::kRegSz, ""});
    registry.setValue(RegRoot::LocalMachine, kKey + "\\0007", "TXT_PIN_ERROR", {platform::kRegSz, std::string("Falsch\0x", 8)});
    EXPECT_EQ("Falsch", text(TXT_PIN_ERROR));  // zero-length value skipped; text cut at its NUL

    registry.setValue(RegRoot::LocalMachine, kKey + "\\0407", "TXT_NEW_PIN", {platform::kRegBinary, "binary"});
    EXPECT_EQ("Bitte neue PIN eingeben.", text(TXT_NEW_PIN));

    registry.setValue(RegRoot::LocalMachine, kKey + "\\0407", "TXT_OLD_PIN", {2, std::string("%PIN%\0", 6)});
    EXPECT_EQ("%PIN%", text(TXT_OLD_PIN));  // REG_EXPAND_SZ is used without expansion

    override("0407", "TXT_CANCEL", std::string(5000, 'x'));  // too long to read
    EXPECT_EQ("&Abbrechen", text(TXT_CANCEL));
}

TEST_F(PinviewLngTest, RegistryIsReadAnewOnEveryLookup) {
    system.langId = 0x0409;
    EXPECT_EQ("PIN error!", text(TXT_PIN_ERROR));
    override("0409", "TXT_PIN_ERROR", "Wrong PIN");
    EXPECT_EQ("Wrong PIN", text(TXT_PIN_ERROR));
    fixedLng(dword(0x0425));
    EXPECT_EQ("Vale PIN-kood!", text(TXT_PIN_ERROR));
    registry.removeValue(RegRoot::LocalMachine, kKey, "FixedLng");
    EXPECT_EQ("Wrong PIN", text(TXT_PIN_ERROR));
}

TEST(PinviewLngTable, TextsAreWindows1252BytesAndNamesAreExact) {
    EXPECT_EQ("Bitte neue PIN best\xE4tigen.", BuiltInText(kGerman, TXT_CONFIRM_PIN));
    EXPECT_EQ("PINs stimmen nicht \xFC" "berein!", BuiltInText(kGerman, TXT_PIN_NO_MATCH));
    EXPECT_EQ("Zeit\xFC" "berschreitung f\xFCr PIN Eingabe!", BuiltInText(kGerman, TXT_END_TIEMOUT));
    EXPECT_EQ("Los c\xF3" "digos PIN no coinciden!", BuiltInText(kSpanish, TXT_PIN_NO_MATCH));
    EXPECT_EQ("Temps de saisie du code PIN d\xE9pass\xE9.", BuiltInText(kFrench, TXT_END_TIEMOUT));
    EXPECT_EQ("PIN'i sisestamiseks antud aeg l\xF5ppes!", BuiltInText(kEstonian, TXT_END_TIEMOUT));
    for (int language : {kGerman, kEnglish, kEstonian}) EXPECT_EQ("PIN ok.", BuiltInText(language, TXT_PIN_OK));
    for (int language = kGerman; language <= kEstonian; ++language)
        for (int id = kFirstTextId; id <= kLastTextId; ++id)
            EXPECT_FALSE(BuiltInText(language, id).empty()) << language << " " << id;

    const char* names[] = {"TXT_ENTER_PIN", "TXT_OLD_PIN",      "TXT_NEW_PIN",    "TXT_CONFIRM_PIN", "TXT_PIN_OK",
                           "TXT_PIN_ERROR", "TXT_PIN_NO_MATCH", "TXT_END_CANCEL", "TXT_END_TIEMOUT", "TXT_CANCEL"};
    for (int id = 1; id <= 10; ++id) EXPECT_EQ(names[id - 1], TextIdName(id));
    EXPECT_EQ("", TextIdName(0));
    EXPECT_EQ("", TextIdName(11));
}

TEST(PinviewLngTable, LanguageIndexAndOverrideKeyNames) {
    const std::pair<std::uint32_t, int> indexes[] = {{0x07, kGerman}, {0x09, kEnglish}, {0x0A, kSpanish},
                                                     {0x0C, kFrench}, {0x25, kEstonian}, {0x16, kEnglish},
                                                     {0x00, kEnglish}};
    for (const auto& [primary, index] : indexes) EXPECT_EQ(index, LanguageIndex(primary)) << primary;

    EXPECT_EQ(kKey + "\\0407", OverrideKeyPath(0x0407));
    EXPECT_EQ(kKey + "\\040C", OverrideKeyPath(0x040C));
    EXPECT_EQ(kKey + "\\0007", OverrideKeyPath(0x07));
    EXPECT_EQ(kKey + "\\10407", OverrideKeyPath(0x10407));
}

}  // namespace
}  // namespace pinview
