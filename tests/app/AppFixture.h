#pragma once
// A run of the application object against the host fakes: the program file lies in a fresh
// folder (its Windows form under the default drive map), window services on the host's window are
// recorded, and the current directory is restored afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/LinkApp.h"
#include "platform/window/WindowTransport.h"
#include "support/FakeHost.h"
#include "support/TempFolder.h"

namespace ferrolin::test {

// One line per call on a foreign window: "Enable(100,0)", "Foreground(100)",
// "Post(100,1024,5,1)", "Parent(...)", "Top(100)".
class RecordingTransport : public IWindowTransport {
public:
    void EnableWindow(HWND window, bool enable) override {
        events.push_back("Enable(" + std::to_string(window) + "," + (enable ? "1" : "0") + ")");
    }
    void SetParent(HWND child, HWND newParent) override {
        events.push_back("Parent(" + std::to_string(child) + "," + std::to_string(newParent) + ")");
    }
    void SetForegroundWindow(HWND window) override {
        events.push_back("Foreground(" + std::to_string(window) + ")");
    }
    void BringWindowToTop(HWND window) override {
        events.push_back("Top(" + std::to_string(window) + ")");
    }
    void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        events.push_back("Post(" + std::to_string(window) + "," + std::to_string(message) + "," +
                         std::to_string(wParam) + "," + std::to_string(lParam) + ")");
    }
    std::vector<std::string> events;
};

class AppTest : public ::testing::Test {
protected:
    AppTest() : m_savedFolder(std::filesystem::current_path()) { SetWindowTransport(&transport); }
    ~AppTest() override {
        SetWindowTransport(nullptr);
        std::filesystem::current_path(m_savedFolder);
    }

    // Places the target's definition file beside the program file.
    void WriteDefinitionFile(const std::string& text) {
        WriteFileBytes(programFolder.Path() / "VantoroDef.ini", text);
    }
    void InstallTarget() { WriteDefinitionFile("[ProgramLevel]\r\nMZ31=2\r\n"); }

    // An application object whose program file lies in programFolder.
    CLinkApp& MakeApp(const std::string& commandLine, const Edition& edition = BasicEdition()) {
        m_app = std::make_unique<CLinkApp>(edition);
        m_app->m_lpCmdLine = commandLine;
        m_app->m_programFilePath = programFolder.WindowsPath("FerrolinBasic");
        return *m_app;
    }

    FakeHost host;
    RecordingTransport transport;
    TempFolder programFolder;

private:
    std::filesystem::path m_savedFolder;
    std::unique_ptr<CLinkApp> m_app;
};

}  // namespace ferrolin::test
