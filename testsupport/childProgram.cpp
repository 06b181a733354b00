#include "childProgram.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

void closeIfOpen(int& fd)
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

// Both ends of one pipe, closed when it goes out of scope unless handed on.
struct Pipe {
    int readEnd = -1;
    int writeEnd = -1;

    Pipe()
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) {
            throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
        }
        readEnd = ends[0];
        writeEnd = ends[1];
    }
    ~Pipe()
    {
        closeIfOpen(readEnd);
        closeIfOpen(writeEnd);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
};

int release(int& fd)
{
    const int kept = fd;
    fd = -1;
    return kept;
}

// The spawn settings: the three pipe ends become the program's standard streams (dup2
// clears their close-on-exec flag), and every signal starts at its default disposition and
// unblocked, so SIGPIPE ignored in the test does not leak into the program.
class SpawnSettings {
  public:
    SpawnSettings(const Pipe& in, const Pipe& out, const Pipe& err)
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in.readEnd, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out.writeEnd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, err.writeEnd, STDERR_FILENO);
        posix_spawnattr_init(&attributes);
        sigset_t all;
        sigfillset(&all);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~SpawnSettings()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

int millisecondsUntil(std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Reads what is ready on `fd` into `into`; closes `fd` at end of file or on an error.
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

ChildProgram::ChildProgram(const std::string& path)
{
    // A program may end before it has read all its input; writing on then must give an
    // error in the test, not kill it.
    std::signal(SIGPIPE, SIG_IGN);

    Pipe in;
    Pipe out;
    Pipe err;
    const SpawnSettings settings(in, out, err);
    std::string program = path;
    char* const arguments[] = {program.data(), nullptr};
    const int failure = posix_spawn(&pid, program.c_str(), &settings.actions, &settings.attributes,
                                    arguments, environ);
    if (failure != 0) {
        pid = -1;
        throw ProgramStartError("cannot start " + path + ": " + std::strerror(failure));
    }
    inputFd = release(in.writeEnd);
    outputFd = release(out.readEnd);
    errorFd = release(err.readEnd);
    fcntl(inputFd, F_SETFL, O_NONBLOCK);
}

ChildProgram::~ChildProgram()
{
    closeIfOpen(inputFd);
    closeIfOpen(outputFd);
    closeIfOpen(errorFd);
    if (pid > 0 && !reaped) {
        kill(pid, SIGKILL);
        int waitStatus = 0;
        while (waitpid(pid, &waitStatus, 0) < 0 && errno == EINTR) {
        }
    }
}

bool ChildProgram::pollOnce(std::string_view pending, std::size_t& written,
                            std::chrono::steady_clock::time_point deadline)
{
    const bool writing = inputFd >= 0 && written < pending.size();
    pollfd watched[3] = {
        {outputFd, POLLIN, 0}, {errorFd, POLLIN, 0}, {writing ? inputFd : -1, POLLOUT, 0}};
    int ready = 0;
    while ((ready = poll(watched, 3, millisecondsUntil(deadline))) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
        }
    }
    if (ready == 0) {
        return false;
    }
    if (watched[0].revents != 0) {
        drain(outputFd, outputText);
    }
    if (watched[1].revents != 0) {
        drain(errorFd, errorText);
    }
    if (watched[2].revents != 0) {
        const ssize_t count = write(inputFd, pending.data() + written, pending.size() - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
        } else if (count < 0 && errno != EAGAIN && errno != EINTR) {
            closeInput(); // the program closed its input
        }
    }
    return true;
}

std::size_t ChildProgram::send(std::string_view text,
                               std::chrono::steady_clock::time_point deadline)
{
    std::size_t written = 0;
    while (inputFd >= 0 && written < text.size() && pollOnce(text, written, deadline)) {
    }
    return written;
}

void ChildProgram::closeInput()
{
    closeIfOpen(inputFd);
}

bool ChildProgram::collect(std::chrono::steady_clock::time_point deadline)
{
    std::size_t nothingToWrite = 0;
    return outputEnded() || pollOnce("", nothingToWrite, deadline);
}

bool ChildProgram::feedToEnd(std::string_view input, std::chrono::steady_clock::time_point deadline)
{
    std::size_t written = 0;
    while (!outputEnded()) {
        if (written == input.size()) {
            closeInput(); // all given
        }
        if (!pollOnce(input, written, deadline)) {
            return false;
        }
    }
    return true;
}

bool ChildProgram::tryReap()
{
    int waitStatus = 0;
    const pid_t done = waitpid(pid, &waitStatus, WNOHANG);
    if (done == pid) {
        reaped = true;
        exitStatus = statusOf(waitStatus);
    }
    return reaped;
}

int ChildProgram::wait(std::chrono::steady_clock::time_point deadline)
{
    // The pipes have normally ended already, so this is short; it is still bounded, since
    // a program may close its output and go on running.
    while (!tryReap()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            int waitStatus = 0;
            while (waitpid(pid, &waitStatus, 0) < 0 && errno == EINTR) {
            }
            reaped = true;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return exitStatus;
}
