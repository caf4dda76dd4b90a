#pragma once
// The prompt's ten texts in five languages, the language choice and the administrator's overrides
// under HKEY_LOCAL_MACHINE. Reads the registry anew on every lookup: nothing is cached.
#include <cstdint>
#include <string>

#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace pinview {

enum TTextId : int {
    TXT_ENTER_PIN = 1,
    TXT_OLD_PIN = 2,
    TXT_NEW_PIN = 3,
    TXT_CONFIRM_PIN = 4,
    TXT_PIN_OK = 5,
    TXT_PIN_ERROR = 6,
    TXT_PIN_NO_MATCH = 7,
    TXT_END_CANCEL = 8,
    TXT_END_TIEMOUT = 9,
    TXT_CANCEL = 10,
};

constexpr int kFirstTextId = TXT_ENTER_PIN;
constexpr int kLastTextId = TXT_CANCEL;

// Language index of the built-in table: 1 German, 2 English, 3 Spanish, 4 French, 5 Estonian.
constexpr int kGerman = 1, kEnglish = 2, kSpanish = 3, kFrench = 4, kEstonian = 5;

extern const char* const kPinviewKey;  // "Software\Kavrin\TKx60\PINVIEW.DLL"

// The registry value name of a text id ("TXT_ENTER_PIN" ...); empty for an id outside 1..10.
std::string TextIdName(int id);

// The built-in text of id in the language with that index; empty for an id or index out of range.
std::string BuiltInText(int languageIndex, int id);

// Language index for a primary language id (the low 8 bits of a Windows language id).
int LanguageIndex(std::uint32_t primaryLanguageId);

// Name of the override key of a language id: the key above, a backslash and the id as upper-case
// hexadecimal with at least four digits.
std::string OverrideKeyPath(std::uint32_t languageId);

// "FixedLng": a language id that replaces the user's, 0 for none.
std::uint32_t ReadFixedLng(platform::Registry& registry);

// The text for id 1..10 in the chosen language, overrides applied; empty for another id.
std::string GetLngText(int id, platform::Registry& registry, platform::SystemInfo& system);

}  // namespace pinview
