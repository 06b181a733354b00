#include <gtest/gtest.h>

#include "transcript.h"

namespace {

const Transcript transcripts[] = {
    {"NoInput", "", "125", 0},
    {"InputIsIgnored", "([)]\n{}\n", "125", 0},
};

class BracketcheckProgram : public testing::TestWithParam<Transcript> {};

TEST_P(BracketcheckProgram, MatchesTranscript)
{
    expectTranscript(PROGRAM_PATH, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Bracketcheck, BracketcheckProgram, testing::ValuesIn(transcripts),
                         transcriptName);

} // namespace
