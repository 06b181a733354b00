#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

#include <sys/types.h>

// A program that could not be started at all (missing, not executable): not an exit status.
class ProgramStartError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A running program with its standard input, output and error connected to pipes. It starts
// with default signal dispositions and an empty signal mask, whatever the test process has
// set. The destructor kills a program that is still running, reaps it and closes every pipe,
// so nothing is left behind on any path, exceptions included.
class ChildProgram {
  public:
    explicit ChildProgram(const std::string& path);
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    // Writes as much of `text` as the program takes before `deadline`, collecting its output
    // meanwhile; returns how many bytes went in. Fewer than all of them when the program closed its
    // input or did not read.
    std::size_t send(std::string_view text, std::chrono::steady_clock::time_point deadline);
    void closeInput();

    // Waits until standard output or standard error has something, both have ended, or the
    // deadline passes; appends what arrived. False when neither pipe had anything by then.
    bool collect(std::chrono::steady_clock::time_point deadline);
    bool outputEnded() const { return outputFd < 0 && errorFd < 0; }
    const std::string& output() const { return outputText; }
    const std::string& errors() const { return errorText; }

    // Gives the program all of `input`, then closes its input, collecting its output and
    // errors at the same time until both have ended. False when the deadline came first.
    bool feedToEnd(std::string_view input, std::chrono::steady_clock::time_point deadline);

    // Waits for the program to end, at most until `deadline`; kills it if it has not. Returns
    // its exit status, 128 + signal number for a signal, or -1 when it had to be killed.
    int wait(std::chrono::steady_clock::time_point deadline);

  private:
    pid_t pid = -1;
    int inputFd = -1;
    int outputFd = -1;
    int errorFd = -1;
    std::string outputText;
    std::string errorText;
    bool reaped = false;
    int exitStatus = -1;

    bool tryReap();
    // Waits until the output or errors have something, or the input takes more of
    // `pending` from `written` on, and takes what is ready. False when the deadline passed.
    bool pollOnce(std::string_view pending, std::size_t& written,
                  std::chrono::steady_clock::time_point deadline);
};
