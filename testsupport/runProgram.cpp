#include "runProgram.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Pipe {
    int readEnd = -1;
    int writeEnd = -1;
};

Pipe makePipe()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    return Pipe{ends[0], ends[1]};
}

void closeIfOpen(int& fd)
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

[[noreturn]] void becomeProgram(const std::string& path, Pipe& in, Pipe& out, Pipe& err)
{
    dup2(in.readEnd, STDIN_FILENO);
    dup2(out.writeEnd, STDOUT_FILENO);
    dup2(err.writeEnd, STDERR_FILENO);
    std::vector<char> program(path.begin(), path.end());
    program.push_back('\0');
    char* const arguments[] = {program.data(), nullptr};
    execv(program.data(), arguments);
    _exit(127);
}

// Reads what is ready on `fd` into `into`; closes `fd` at end of file.
void drain(int& fd, std::string& into)
{
    char buffer[65536];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count > 0) {
        into.append(buffer, static_cast<std::size_t>(count));
    } else if (count == 0 || errno != EINTR) {
        closeIfOpen(fd);
    }
}

int statusOf(int waitStatus)
{
    if (WIFEXITED(waitStatus)) {
        return WEXITSTATUS(waitStatus);
    }
    return 128 + WTERMSIG(waitStatus);
}

} // namespace

ProgramRun runProgram(const std::string& path, const std::string& input,
                      std::chrono::milliseconds limit)
{
    // A program may end before it has read all its input; writing on then must give an
    // error, not kill the test.
    std::signal(SIGPIPE, SIG_IGN);

    Pipe in = makePipe();
    Pipe out = makePipe();
    Pipe err = makePipe();
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (child == 0) {
        becomeProgram(path, in, out, err);
    }
    closeIfOpen(in.readEnd);
    closeIfOpen(out.writeEnd);
    closeIfOpen(err.writeEnd);
    fcntl(in.writeEnd, F_SETFL, O_NONBLOCK);

    ProgramRun run;
    std::size_t written = 0;
    if (input.empty()) {
        closeIfOpen(in.writeEnd);
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (out.readEnd >= 0 || err.readEnd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.timedOut = true;
            kill(child, SIGKILL);
            break;
        }
        pollfd watched[3] = {
            {out.readEnd, POLLIN, 0}, {err.readEnd, POLLIN, 0}, {in.writeEnd, POLLOUT, 0}};
        if (poll(watched, 3, static_cast<int>(left.count())) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
        }
        if (watched[0].revents != 0) {
            drain(out.readEnd, run.output);
        }
        if (watched[1].revents != 0) {
            drain(err.readEnd, run.errors);
        }
        if (watched[2].revents != 0) {
            const ssize_t count =
                write(in.writeEnd, input.data() + written, input.size() - written);
            if (count > 0) {
                written += static_cast<std::size_t>(count);
            }
            if ((count < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) {
                closeIfOpen(in.writeEnd); // all given, or the program closed its input
            }
        }
    }
    closeIfOpen(in.writeEnd);
    closeIfOpen(out.readEnd);
    closeIfOpen(err.readEnd);

    int waitStatus = 0;
    while (waitpid(child, &waitStatus, 0) < 0 && errno == EINTR) {
    }
    run.status = statusOf(waitStatus);
    return run;
}
