#include "app/main/EditionMain.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/BackendChoice.h"
#include "app/CommandLineText.h"
#include "app/LinkApp.h"
#include "app/main/MainTexts.h"
#include "gui/script/ScriptBackend.h"
#include "platform/hostwindow/SocketWindowTransport.h"
#include "platform/window/WindowBackend.h"
#include "platform/window/WindowTransport.h"
#include "quorvel/engine/StandInHost.h"
#ifdef FERROLIN_WITH_WX
#include "gui/wx/WxEntry.h"
#endif

namespace ferrolin {

namespace {

int RunLinkApp(const Edition& edition, const std::string& commandLine) {
    CLinkApp app(edition);
    app.m_lpCmdLine = commandLine;
    const int status = app.Run();
    if (!app.IsConnected()) std::fprintf(stderr, main_text::kNotConnected, edition.programName);
    return status;
}

}  // namespace

int EditionMain(const Edition& edition, int argc, char** argv) {
    const std::string commandLine = CommandLineFromArguments(argc, argv);
    // Answered without touching the host or any toolkit.
    if (commandLine == "--help") {
        std::printf(main_text::kUsage, edition.programName);
        return 0;
    }
    if (commandLine == "--version") {
        std::printf(main_text::kVersion, edition.programName);
        return 0;
    }

    const BackendChoice choice = ChooseBackend(std::getenv("FERROLIN_UI"), std::getenv("DISPLAY"),
                                               std::getenv("WAYLAND_DISPLAY"));
    switch (choice.kind) {
        case BackendChoice::None:
            std::fprintf(stderr, main_text::kNoDisplay, edition.programName);
            return kResultFailed;
        case BackendChoice::Unknown:
            std::fprintf(stderr, main_text::kUnknownBackend, edition.programName);
            return kResultFailed;
        case BackendChoice::Script:
        case BackendChoice::Wx:
            break;
    }

    quorvel::InstallStandInHost();
    SocketWindowTransport transport;
    SetWindowTransport(&transport);

    int status = kResultFailed;
    if (choice.kind == BackendChoice::Script) {
        std::string error;
        std::unique_ptr<ScriptBackend> script = ScriptBackend::FromFile(choice.scriptPath, &error);
        if (!script) {
            std::fprintf(stderr, main_text::kScriptUnreadable, edition.programName, error.c_str());
        } else {
            SetWindowBackend(script.get());
            status = RunLinkApp(edition, commandLine);
            SetWindowBackend(nullptr);
        }
    } else {
#ifdef FERROLIN_WITH_WX
        const auto result =
            RunWithWxBackend(argc, argv, [&] { return RunLinkApp(edition, commandLine); });
        if (result) {
            status = *result;
        } else {
            std::fprintf(stderr, main_text::kNoDisplay, edition.programName);
        }
#else
        std::fprintf(stderr, main_text::kNoWx, edition.programName);
#endif
    }
    SetWindowTransport(nullptr);
    return status;
}

}  // namespace ferrolin
