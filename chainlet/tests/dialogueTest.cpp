#include <gtest/gtest.h>

#include "transcript.h"

namespace {

const Transcript transcripts[] = {
    {"Demonstration", "", "123", 0},
    {"InputIsIgnored", "4\n5\n", "123", 0},
};

class ChainletDemonstration : public testing::TestWithParam<Transcript> {};

TEST_P(ChainletDemonstration, MatchesTranscript)
{
    expectTranscript(PROGRAM_PATH, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Chainlet, ChainletDemonstration, testing::ValuesIn(transcripts),
                         transcriptName);

} // namespace
