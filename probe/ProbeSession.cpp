#include "ProbeSession.h"

#include <algorithm>

#include "CtApiTest.h"
#include "DescriptionLoader.h"
#include "FirmwareCheck.h"
#include "FirmwareHandOff.h"
#include "InstallationCheck.h"
#include "ProbeTexts.h"
#include "ProtocolFile.h"
#include "ReaderCheck.h"
#include "SystemFilesCheck.h"
#include "WindowsVersionStep.h"
#include "ZkaTest.h"

namespace probe {

void ProbeSession::resetReaderState() {
    state.run.zkaReady = false;
    state.run.readerFound = false;
    state.run.secondaryReaderFound = false;
    state.run.readerIndex = 0;
}

void ProbeSession::initialise() {
    state.run.osFamily = queryOsFamily(platform_.system);
    ReaderDescription& description = state.description;
    description.namePatternCount = 0;
    description.readerRecordCount = 0;
    resetReaderState();
    loadDescription(description, platform_.profile, state.primaryDescriptionPath);
    description.primaryRecordCount = description.readerRecordCount;
    if (!state.secondaryDescriptionPath.empty()) {
        loadDescription(description, platform_.profile, state.secondaryDescriptionPath);
        const int index = std::min(description.primaryRecordCount, kMaxReaderRecords - 1);
        state.secondaryReaderName = description.records[index].ReaderName;
    }
    runTestSequence();
}

void ProbeSession::onInstallationTest() {
    state.protocol.clear();
    resetReaderState();
    runTestSequence();
}

void ProbeSession::onLanguageSwitch() {
    state.protocol.clear();
    resetReaderState();
    state.language = state.language == Language::English ? Language::German : Language::English;
    view_.applyLanguage(state.language);
    runTestSequence();
}

void ProbeSession::runTestSequence() {
    ProbeEnv e = env();
    TestRun& run = state.run;
    ProtocolList& protocol = state.protocol;
    run.isWindows95 = false;
    run.readerFound = false;
    run.driverInstalled = false;
    run.ctApiInstalled = false;
    bool passed = true;
    bool failed = false;  // a failure of the reader steps that fails the run whatever the pass flag says

    reportWindowsVersion(e);
    protocol.addSeparator();
    passed = checkInstallation(e);
    if (state.description.systemFileCount >= 1 && !checkSystemFiles(e)) passed = false;

    if (run.driverInstalled) {
        protocol.addSeparator();
        checkReaderAndDriver(e, run.osFamily);
        view_.repaintNow();
        if (!run.readerFound) {
            failed = true;
        } else {
            protocol.addSeparator();
            if (checkFirmware(e, run.osFamily)) {
                view_.repaintNow();
                if (run.ctApiInstalled) {
                    protocol.addSeparator();
                    if (!testCtApi(e) && !state.description.ctApiLibraryName.empty()) passed = false;
                }
                if (run.osFamily == 2 && run.zkaTestWanted) {
                    if (!run.zkaReady || !testZkaInterface(e, state.zkaLibraryPath)) failed = true;
                }
            }
        }
    }

    protocol.addSeparator();
    state.add(texts::kVerdictHeading);
    state.add(passed && !failed ? texts::kVerdictPassed : texts::kVerdictFailed);

    const ProtocolFileResult stored = writeProtocolFile(platform_, protocol, state.language);
    if (stored.outcome != ProtocolFileResult::Stored) return;
    protocol.addSeparator();
    state.add(texts::kStoredIn);
    protocol.add("    " + stored.path);

    int widest = 0;
    for (const std::string& line : protocol.lines()) widest = std::max(widest, view_.measureTextWidth(line));
    protocol.setHorizontalExtent(widest);

    if (run.readerFound && state.interactiveMode && run.osFamily == 2 && checkFirmwareCompatibility(e)) {
        handOffToFirmwareUpdate(e);
        view_.closeWithOk();
    }
}

std::optional<std::string> aboutVersionText(platform::FileSystem& files, const std::string& programFile) {
    const auto version = files.fixedFileVersion(programFile);
    if (!version) return std::nullopt;
    return format("TK560Probe Version %u.%02u.%02u.%02u", unsigned(version->fileVersionMS >> 16),
                  unsigned(version->fileVersionMS & 0xFFFF), unsigned(version->fileVersionLS >> 16),
                  unsigned(version->fileVersionLS & 0xFFFF));
}

}  // namespace probe
