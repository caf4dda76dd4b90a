#include "PinviewLng.h"

#include <array>
#include <cstdio>

namespace pinview {
namespace {

constexpr std::uint32_t kRegExpandSz = 2;

// An override longer than this counts as unreadable, and the lookup falls back to the next step.
constexpr std::uint32_t kOverrideBufferSize = 4096;

constexpr std::array<const char*, 10> kTextIdNames = {
    "TXT_ENTER_PIN",  "TXT_OLD_PIN",      "TXT_NEW_PIN",    "TXT_CONFIRM_PIN", "TXT_PIN_OK",
    "TXT_PIN_ERROR",  "TXT_PIN_NO_MATCH", "TXT_END_CANCEL", "TXT_END_TIEMOUT", "TXT_CANCEL",
};

// Rows: text ids 1..10; columns: German, English, Spanish, French, Estonian.
constexpr std::array<std::array<const char*, 5>, 10> kTexts = {{
    {"Bitte PIN eingeben.", "Please enter PIN.", "Escriba su PIN.", "Veuillez entrer votre code PIN.",
     "Sisesta PIN kood."},
    {"Bitte alte PIN eingeben.", "Please enter old PIN.", "Escriba su antiguo PIN.",
     "Veuillez entrer l'ancien code PIN.", "Vana PIN kood."},
    {"Bitte neue PIN eingeben.", "Please enter new PIN.", "Escriba su nuevo PIN.",
     "Veuillez entrer le nouveau code PIN.", "Uus PIN kood."},
    {"Bitte neue PIN bestätigen.", "Please confirm new PIN.", "Confirme su nuevo PIN.",
     "Veuillez confirmer le nouveau code PIN.", "Korda uus PIN."},
    {"PIN ok.", "PIN ok.", "PIN correcto.", "Code PIN OK.", "PIN ok."},
    {"PIN Fehler!", "PIN error!", "Error de PIN!", "Erreur de code PIN!", "Vale PIN-kood!"},
    {"PINs stimmen nicht überein!", "PINs don't match!", "Los códigos PIN no coinciden!",
     "Les codes PIN ne sont pas identiques!", "Uued PIN koodid ei kattu!"},
    {"PIN Eingabe abgebrochen!", "PIN entry cancelled!", "Entrada de PIN cancelada.",
     "Saisie du code PIN annulée.", "PIN sisestus katkestatud!"},
    {"Zeitüberschreitung für PIN Eingabe!", "Timout for PIN entry!",
     "Superado tiempo de espera para escribir el PIN.", "Temps de saisie du code PIN dépassé.",
     "PIN'i sisestamiseks antud aeg lõppes!"},
    {"&Abbrechen", "&Cancel", "&Cancelar", "&Annuler", "&Katkesta"},
}};

bool validId(int id) { return id >= kFirstTextId && id <= kLastTextId; }

// The override of one text under one language's key; empty when there is none or it is unreadable.
std::string overrideText(platform::Registry& registry, std::uint32_t languageId, int id) {
    auto key = registry.openKey(platform::RegRoot::LocalMachine, OverrideKeyPath(languageId));
    if (!key) return {};
    platform::RegValue value;
    if (key->queryValue(TextIdName(id), kOverrideBufferSize, value) != platform::kErrorSuccess) return {};
    if (value.type != platform::kRegSz && value.type != kRegExpandSz) return {};
    std::string text = value.data;
    if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    return text;
}

}  // namespace

const char* const kPinviewKey = "Software\\Kavrin\\TKx60\\PINVIEW.DLL";

std::string TextIdName(int id) { return validId(id) ? kTextIdNames[id - 1] : ""; }

std::string BuiltInText(int languageIndex, int id) {
    if (!validId(id) || languageIndex < kGerman || languageIndex > kEstonian) return {};
    return kTexts[id - 1][languageIndex - 1];
}

int LanguageIndex(std::uint32_t primaryLanguageId) {
    switch (primaryLanguageId) {
        case 0x07: return kGerman;
        case 0x09: return kEnglish;
        case 0x0A: return kSpanish;
        case 0x0C: return kFrench;
        case 0x25: return kEstonian;
        default: return kEnglish;
    }
}

std::string OverrideKeyPath(std::uint32_t languageId) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%.4X", static_cast<unsigned>(languageId));
    return std::string(kPinviewKey) + "\\" + hex;
}

std::uint32_t ReadFixedLng(platform::Registry& registry) {
    auto key = registry.openKey(platform::RegRoot::LocalMachine, kPinviewKey);
    if (!key) return 0;
    platform::RegValue value;
    if (key->queryValue("FixedLng", 4, value) != platform::kErrorSuccess) return 0;
    if (value.type != platform::kRegDword || value.data.size() != 4) return 0;
    std::uint32_t id = 0;
    for (int i = 3; i >= 0; --i) id = (id << 8) | static_cast<unsigned char>(value.data[i]);
    if (id & 0x80000000u) return 0;  // negative as a signed number
    return id;
}

std::string GetLngText(int id, platform::Registry& registry, platform::SystemInfo& system) {
    if (!validId(id)) return {};
    std::uint32_t language = ReadFixedLng(registry);
    if (language == 0) language = system.userDefaultLangId();
    const std::uint32_t primary = language & 0xFF;
    if (std::string text = overrideText(registry, language, id); !text.empty()) return text;
    if (std::string text = overrideText(registry, primary, id); !text.empty()) return text;
    return BuiltInText(LanguageIndex(primary), id);
}

}  // namespace pinview
