#include "ChildRuns.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <deque>
#include <vector>

namespace mirel::witness {
namespace {

struct Running {
    std::size_t part;
    pid_t pid;
    int pipe;
};

std::vector<double> readNumbers(int fd) {
    std::vector<char> bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    std::vector<double> values(bytes.size() / sizeof(double));
    std::copy(bytes.begin(), bytes.begin() + static_cast<long>(values.size() * sizeof(double)),
              reinterpret_cast<char*>(values.data()));
    return values;
}

std::optional<Running> start(std::size_t part, const std::vector<std::string>& arguments) {
    int fds[2];
    if (::pipe(fds) != 0) return std::nullopt;
    std::vector<char*> argv;
    static char self[] = "/proc/self/exe";
    argv.push_back(self);
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        ::execv(self, argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        return std::nullopt;
    }
    return Running{part, pid, fds[0]};
}

}  // namespace

std::vector<std::optional<std::vector<double>>> runChildren(
    const std::vector<std::vector<std::string>>& arguments, int parallel) {
    std::vector<std::optional<std::vector<double>>> results(arguments.size());
    std::deque<Running> running;
    std::size_t next = 0;
    while (next < arguments.size() || !running.empty()) {
        while (next < arguments.size() && static_cast<int>(running.size()) < parallel) {
            if (auto child = start(next, arguments[next])) running.push_back(*child);
            ++next;
        }
        if (running.empty()) break;
        // Reading the oldest child to its end before waiting for it: its
        // output may be larger than a pipe holds.
        const Running oldest = running.front();
        running.pop_front();
        std::vector<double> values = readNumbers(oldest.pipe);
        ::close(oldest.pipe);
        int status = 0;
        ::waitpid(oldest.pid, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) results[oldest.part] = std::move(values);
    }
    return results;
}

void writeNumbers(const std::vector<double>& values) {
    std::fwrite(values.data(), sizeof(double), values.size(), stdout);
    std::fflush(stdout);
}

}  // namespace mirel::witness
