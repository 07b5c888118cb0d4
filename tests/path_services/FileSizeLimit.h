#pragma once
// While it lives, writes to files fail once they would grow a file past `limit` bytes: a real
// failing write (as a full disk gives) that works for root too. The signal that would end the
// process is ignored, so the write reports the failure instead.

#include <signal.h>
#include <sys/resource.h>

namespace ferrolin {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = m_saved;
        capped.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        ::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    sighandler_t m_oldHandler;
};

}  // namespace ferrolin
