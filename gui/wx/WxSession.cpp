#include "gui/wx/WxSession.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdlib>

namespace ferrolin {

namespace {

// The component's application object is its own; wx needs one for its GUI, which does nothing
// at start-up (in particular it does not read the command line).
class WxApplication : public wxApp {
public:
    bool OnInit() override { return true; }
};

// Without a session bus (a bare X server, a container) GTK's settings store and accessibility
// bridge cannot be reached and print warnings on every file dialog; they then stay in memory.
void PrepareEnvironment() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (bus && *bus) return;
    setenv("GSETTINGS_BACKEND", "memory", 0);
    setenv("NO_AT_BRIDGE", "1", 0);
}

}  // namespace

WxSession::WxSession(const char* programName) {
    PrepareEnvironment();
    wxApp::SetInstance(new WxApplication);
    int argc = 1;
    char name[] = "ferrolin";
    char* argv[] = {programName ? const_cast<char*>(programName) : name, nullptr};
    m_started = wxEntryStart(argc, argv);
    if (!m_started) return;
    // wx's own messages go to standard error, never into a box the user did not ask for.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxTheApp->SetExitOnFrameDelete(false);
}

WxSession::~WxSession() {
    if (m_started) wxEntryCleanup();
}

}  // namespace ferrolin
