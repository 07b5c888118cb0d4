#include "quorvel/tool/LaunchCommand.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "quorvel/tool/HostWindowEventLine.h"
#include "quorvel/tool/HostWindowListener.h"
#include "quorvel/tool/LaunchOptions.h"

namespace quorvel {
namespace {

constexpr int kCannotHost = 125;
constexpr int kCannotExecute = 126;
constexpr int kNotFound = 127;

// Printable form of a datagram that was not understood, for the log line.
std::string Escaped(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text.push_back(c);
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            text += "\\x";
            text.push_back(kHex[byte >> 4]);
            text.push_back(kHex[byte & 0xF]);
        }
    }
    return text;
}

[[noreturn]] void StartProgram(const LaunchOptions& options) {
    if (options.store) setenv("QUORVEL_STORE", options.store->c_str(), 1);
    std::vector<std::string> words = options.program;
    if (const auto line = options.CommandLine()) words.push_back(*line);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    const int error = errno;
    const std::string message =
        "quorvel-host: cannot start " + options.program[0] + ": " + std::strerror(error) + "\n";
    (void)!write(STDERR_FILENO, message.data(), message.size());
    _exit(error == ENOENT ? kNotFound : kCannotExecute);
}

}  // namespace

int RunLaunch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = ParseLaunchOptions(words, &error);
    if (!options) {
        err << "quorvel-host launch: " << error << '\n';
        return kCannotHost;
    }
    std::optional<HostWindowListener> listener;
    if (options->window) {
        listener.emplace();
        if (!listener->Open(*options->window, &error)) {
            err << "quorvel-host: " << error << '\n';
            return kCannotHost;
        }
    }
    out.flush();
    err.flush();
    const pid_t child = fork();
    if (child < 0) {
        err << "quorvel-host: fork: " << std::strerror(errno) << '\n';
        return kCannotHost;
    }
    if (child == 0) StartProgram(*options);

    std::optional<long long> posted;
    auto drain = [&] {
        while (listener) {
            const auto received = listener->Poll();
            if (!received) return;
            if (!received->event) {
                err << "quorvel-host: ignored datagram \"" << Escaped(received->datagram) << "\"\n";
                continue;
            }
            out << HostWindowEventLine(*options->window, *received->event) << std::endl;
            if (received->event->kind == ferrolin::HostWindowEventKind::Post) {
                posted = received->event->lParam;
            }
        }
    };
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) break;
        if (done < 0 && errno != EINTR) {
            err << "quorvel-host: waitpid: " << std::strerror(errno) << '\n';
            return kCannotHost;
        }
        if (listener) {
            pollfd ready{listener->Fd(), POLLIN, 0};
            poll(&ready, 1, 20);
        } else {
            // Nothing to listen to: just wait for the program.
            if (waitpid(child, &status, 0) == child) break;
        }
        drain();
    }
    // Datagrams sent just before the program ended are still queued.
    drain();
    int programStatus = 0;
    if (WIFEXITED(status)) {
        programStatus = WEXITSTATUS(status);
        out << "program exited with status " << programStatus << std::endl;
    } else if (WIFSIGNALED(status)) {
        programStatus = 128 + WTERMSIG(status);
        out << "program killed by signal " << WTERMSIG(status) << std::endl;
    }
    return posted ? static_cast<int>(*posted & 0xFF) : programStatus;
}

}  // namespace quorvel
