#pragma once
// A run of the application object against the host fakes: the program file lies in a fresh
// folder (its Windows form under the default drive map), window services on the host's window are
// recorded (one line per call, see RecordingTransport::Lines), and the current directory is
// restored afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/LinkApp.h"
#include "support/FakeHost.h"
#include "support/RecordingTransport.h"
#include "support/TempFolder.h"

namespace ferrolin::test {

class AppTest : public ::testing::Test {
protected:
    AppTest() : m_savedFolder(std::filesystem::current_path()) {}
    ~AppTest() override { std::filesystem::current_path(m_savedFolder); }

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
