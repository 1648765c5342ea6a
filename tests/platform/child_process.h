// Pieces of a test run in a child process: as a user without the superuser's
// rights (tests run as root in CI, and root ignores permissions), or with a
// mount namespace of its own, so a small file system mounted there vanishes
// with the child however the test ends. The piece's text comes back.
#pragma once

#include <QStringList>

#include <functional>
#include <grp.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace child_process {

// The uid and gid of "nobody" on Debian.
inline constexpr uid_t NobodyId = 65534;

// Runs piece in a forked child after setup (which returns false to give up)
// and returns what piece returned, or "child failed: ..." when it did not run.
inline std::string Run(const std::function<bool()>& setup,
                       const std::function<std::string()>& piece) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "child failed: no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        const std::string text = setup() ? piece() : std::string("child failed: setup");
        std::size_t written = 0;
        while (written < text.size()) {
            const ssize_t step = ::write(pipeFds[1], text.data() + written, text.size() - written);
            if (step <= 0)
                break;
            written += static_cast<std::size_t>(step);
        }
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child < 0 ? "child failed: no fork" : text;
}

inline bool IsRoot() {
    return ::geteuid() == 0;
}

// As nobody when this process is root, otherwise as this process's own user.
inline std::string RunUnprivileged(const std::function<std::string()>& piece) {
    return Run(
        [] {
            return !IsRoot() || (::setgroups(0, nullptr) == 0 && ::setgid(NobodyId) == 0 &&
                                 ::setuid(NobodyId) == 0);
        },
        piece);
}

// With mounts of its own (root only).
inline std::string RunWithOwnMounts(const std::function<std::string()>& piece) {
    return Run(
        [] {
            return ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        },
        piece);
}

// The lines of a child's text.
inline QStringList Lines(const std::string& text) {
    return QString::fromStdString(text).split(QLatin1Char('\n'));
}

} // namespace child_process
