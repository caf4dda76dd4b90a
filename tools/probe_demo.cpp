// TK560Probe's run on the simulated machine, for machines where Wine cannot run: the bundled
// demo installation (the same files and scripts the Wine demo lays out) on a simulated Windows XP,
// with a healthy TK560 reader. Prints the main window's lines and the log file it wrote.
//   probe_demo [-D]      -D: German, as the real program's switch
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "DescriptionChoice.h"
#include "ProbeSession.h"
#include "ProbeStartup.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimSmartCardScenario.h"

#ifndef TK_DEMO_DIR
#error "TK_DEMO_DIR names the demo folder"
#endif

namespace {

using platform::RegRoot;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string windowsText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

class ConsoleView : public probe::ProbeView {
public:
    void repaintNow() override {}
    int measureTextWidth(const std::string& text) override { return static_cast<int>(text.size()) * 6; }
    void closeWithOk() override { closed = true; }
    void applyLanguage(probe::Language) override {}
    bool closed = false;
};

void layOutInstallation(platform::sim::SimMachine& m) {
    const std::string demo = TK_DEMO_DIR;
    // Windows XP SP3.
    m.system.version = {5, 1, 2600, 2, "Service Pack 3"};
    const std::string nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    m.registry.setString(RegRoot::LocalMachine, nt, "ProductName", "Microsoft Windows XP");
    m.registry.setString(RegRoot::LocalMachine, nt, "CurrentVersion", "5.1");
    m.registry.setString(RegRoot::LocalMachine, nt, "CurrentBuildNumber", "2600");
    m.registry.setString(RegRoot::LocalMachine, nt, "CSDVersion", "Service Pack 3");
    m.system.windowsDir = "C:\\WINDOWS";
    m.system.systemDir = "C:\\WINDOWS\\system32";

    // The program, with its description named by the registry list of installed readers.
    m.system.moduleFile = "C:\\TK560\\TK560Probe.exe";
    m.files.addFile(m.system.moduleFile);
    m.files.setCurrentDirectory("C:\\TK560");
    m.files.addFile("C:\\Setup\\inst360.ini", windowsText(readFile(demo + "/installation/Inst360.ini")));
    const std::string installed = "SOFTWARE\\SmartCardReader Installation\\InstallationTest";
    m.registry.setString(RegRoot::LocalMachine, installed, "TestZKA", "1");
    m.registry.setString(RegRoot::LocalMachine, installed, "TK560", "C:\\Setup\\inst360.ini");

    // Driver and system files with their versions.
    m.files.addVersionedFile("C:\\WINDOWS\\system32\\drivers\\tkr_drv.sys", 4, 30, 0, 17);
    m.files.addVersionedFile("C:\\WINDOWS\\system32\\drivers\\smclib.sys", 5, 1, 2600, 0);
    m.files.addVersionedFile("C:\\WINDOWS\\system32\\scardsvr.exe", 5, 1, 2600, 0);

    // The reader.
    std::string error;
    if (!platform::sim::loadSmartCardScenario(readFile(demo + "/reader.scenario"), m.smartCard, error))
        std::cerr << "reader scenario: " << error << "\n";

    // CT-API library answering a healthy reset with a card inserted; the ZKA library in C:\ZKA.
    m.files.addVersionedFile("C:\\WINDOWS\\system32\\ctk560.dll", 3, 1, 0, 7);
    m.libraries.addCtApi("C:\\WINDOWS\\system32\\ctk560.dll",
                         platform::sim::CtApiScript::parse("version KV-CTAPI 3.1 (stand-in)\n"
                                                           "data 2010000000 0 9000\n"
                                                           "data 2010010100 0 3BFF1800FF8131FE45656311\n"));
    m.files.addVersionedFile("C:\\ZKA\\ZkaSigApi.dll", 2, 0, 0, 4);
    m.libraries.addZka("C:\\ZKA\\ZkaSigApi.dll", platform::sim::ZkaScript::parse("version 2.0.0.4 (stand-in)\n"));
    m.system.environment["ZKA_SIG_HOME"] = "C:\\ZKA";

    // The firmware update launcher finds the firmware fitting.
    m.processes.addProgram("C:\\USBDFU\\Romloader.exe", 0);
}

}  // namespace

int main(int argc, char** argv) {
    std::string arguments;
    for (int i = 1; i < argc; ++i) arguments += std::string(i > 1 ? " " : "") + argv[i];

    platform::sim::SimMachine machine;
    layOutInstallation(machine);
    platform::Platform ports = machine.platform();
    ConsoleView view;
    probe::ProbeSession session(ports, view);
    probe::ProbeState& state = session.state;
    state.moduleDirectory = probe::programDirectory(machine.system);
    state.language = probe::languageFromArguments(arguments);
    const probe::DescriptionChoiceResult choice = probe::chooseDescription(ports, state.moduleDirectory);
    if (!choice.proceed) {
        std::cerr << "no description file\n";
        return 1;
    }
    state.run.zkaTestWanted = choice.zkaTestWanted;
    state.primaryDescriptionPath = choice.primaryPath;
    state.secondaryDescriptionPath = choice.secondaryPath;
    state.interactiveMode = true;
    session.initialise();

    std::cout << "Main window (simulated Windows XP):\n\n";
    for (const std::string& line : state.protocol.lines()) std::cout << "  | " << line << "\n";
    const auto* log = machine.files.file("C:\\TK560\\SetupProbe.log");
    std::cout << "\nC:\\TK560\\SetupProbe.log:\n\n";
    if (log) {
        std::string text = log->content;
        std::string lf;
        for (char c : text)
            if (c != '\r') lf += c;
        std::cout << lf;
    } else {
        std::cout << "(not written)\n";
    }
    std::cout << "\nSmart-card service calls:\n";
    for (const std::string& call : machine.smartCard.calls) std::cout << "  " << call << "\n";
    return 0;
}
