#pragma once
// wxWidgets started for the length of a scope, without wx's own main loop: the component runs
// on the starting thread and its dialogs run their own modal loops, as the framework's did.
// One session per process.

namespace ferrolin {

class WxSession {
public:
    // Starts wx with the program's name only: the host's command line is the component's, not
    // the toolkit's. IsStarted() is false when wx could not start (no usable display).
    explicit WxSession(const char* programName);
    ~WxSession();
    WxSession(const WxSession&) = delete;
    WxSession& operator=(const WxSession&) = delete;

    bool IsStarted() const { return m_started; }

private:
    bool m_started = false;
};

}  // namespace ferrolin
