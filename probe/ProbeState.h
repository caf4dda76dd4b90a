#pragma once
// Everything the main window holds for its runs, and what a check is handed.
#include <string>
#include <vector>

#include "Language.h"
#include "ProtocolList.h"
#include "ReaderDescription.h"
#include "TestRun.h"
#include "ZkaInterface.h"
#include "platform/Platform.h"

namespace probe {

struct ProbeState {
    Language language = Language::English;
    std::string moduleDirectory;
    std::string primaryDescriptionPath;
    std::string secondaryDescriptionPath;
    std::string secondaryReaderName;
    bool interactiveMode = false;
    TestRun run;
    ReaderDescription description;  // filled once per window
    ProtocolList protocol;
    std::string zkaLibraryPath;              // set by the installation check
    ZkaInterface zka;                        // the signature interface test's state
    std::vector<std::string> matchedReaders;  // MatchedReaders: at most 10 reader names
    std::string messageEnglish;               // the message pair of the reader checks
    std::string messageGerman;

    const char* text(const Text& t) const { return t.in(language); }
    void add(const Text& t) { protocol.add(text(t)); }
    // Adds the current language's text of the message pair.
    void addMessage() { protocol.add(language == Language::German ? messageGerman : messageEnglish); }
};

// The main window as a run sees it.
class ProbeView {
public:
    virtual ~ProbeView() = default;
    virtual void repaintNow() = 0;
    // Width in pixels of a line on the list box's device context as handed out (its default font).
    virtual int measureTextWidth(const std::string& text) = 0;
    virtual void closeWithOk() = 0;
    virtual void applyLanguage(Language language) = 0;
};

// What a check works with.
struct ProbeEnv {
    platform::Platform platform;
    ProbeState& state;
    ProbeView& view;
};

}  // namespace probe
