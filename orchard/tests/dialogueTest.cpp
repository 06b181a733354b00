#include <gtest/gtest.h>

#include "transcript.h"

namespace {

const Transcript transcripts[] = {
    {"Demonstration", "", "-2 1 2 5 6 7 \n\n6\n-2", 0},
    {"InputIsIgnored", "12\nabc\n", "-2 1 2 5 6 7 \n\n6\n-2", 0},
};

class OrchardDemonstration : public testing::TestWithParam<Transcript> {};

TEST_P(OrchardDemonstration, MatchesTranscript)
{
    expectTranscript(PROGRAM_PATH, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Orchard, OrchardDemonstration, testing::ValuesIn(transcripts),
                         transcriptName);

} // namespace
