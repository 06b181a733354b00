#pragma once

#include <chrono>
#include <string>

#include "dialogueCases.h"

// How one run of a dialogue case went.
struct CaseOutcome {
    bool passed = false;
    std::string problem;  // why it failed, in one line; empty when it passed
    std::string expected; // the output it should have given (its beginning, where only that is
                          // judged), up to where the run stopped in a conversation
    std::string output;   // what it gave on standard output
    std::string errors;   // what it gave on standard error
    int status = -1;      // its exit status; -1 when it did not end and was killed
};

// What is wrong with standard error after a run that ended with `status`, or nothing: it must
// be empty after status 0, and one line (the notice that input ended) after status 1.
std::string standardErrorProblem(int status, const std::string& errors);

// How long a prompt may take to arrive while the program waits for its answer, and how long
// a whole piped run may take.
constexpr std::chrono::seconds promptWait{5};
constexpr std::chrono::seconds runLimit{10};

// Runs the program at `programPath` on one case and judges the run: the output (whole, or its
// beginning), the exit status, and standard error, which must be empty after status 0 and
// one line after status 1. A conversation sends each answer only once its prompt has arrived;
// a prompt that has not arrived within promptWait while the program waits fails the case,
// naming the prompt.
CaseOutcome runDialogueCase(const std::string& programPath, const DialogueCase& dialogueCase);
