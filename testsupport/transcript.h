#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

// One dialogue with a program: what is typed, and what must come back.
struct Transcript {
    std::string name; // letters, digits and underscores: the test's label
    std::string input;
    std::string output;
    int status = 0;
};

inline void PrintTo(const Transcript& transcript, std::ostream* os)
{
    *os << transcript.name;
}

// Label for INSTANTIATE_TEST_SUITE_P.
std::string transcriptName(const testing::TestParamInfo<Transcript>& info);

// Runs the program and checks its exact standard output and exit status. Standard error
// must be empty after a status of 0 and hold one line after a status of 1 (the notice that
// input ended): anything else, a sanitizer report for one, fails the test.
void expectTranscript(const std::string& programPath, const Transcript& transcript);

// Declares the parameterised suite `Suite` that runs the program at PROGRAM_PATH on each
// transcript of `table`; the tests are named Prefix/Suite.MatchesTranscript/<case name>.
#define TRANSCRIPT_TESTS(Prefix, Suite, table)                                                     \
    class Suite : public testing::TestWithParam<Transcript> {};                                    \
    TEST_P(Suite, MatchesTranscript)                                                               \
    {                                                                                              \
        expectTranscript(PROGRAM_PATH, GetParam());                                                \
    }                                                                                              \
    INSTANTIATE_TEST_SUITE_P(Prefix, Suite, testing::ValuesIn(table), transcriptName)
