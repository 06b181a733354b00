#pragma once

#include <chrono>
#include <string>

// What one run of a program gave back.
struct ProgramRun {
    std::string output; // everything written to standard output, byte for byte
    std::string errors; // everything written to standard error
    int status = -1;    // exit status; 128 + signal number when a signal ended it
    bool timedOut = false;
};

// Runs the program at `path` with no arguments and no shell in between, feeds it `input`
// on standard input, then closes it. A run still going after `limit` is killed.
ProgramRun runProgram(const std::string& path, const std::string& input,
                      std::chrono::milliseconds limit = std::chrono::seconds(20));
