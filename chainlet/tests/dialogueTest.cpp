#include <gtest/gtest.h>

#include "transcript.h"

namespace {

const Transcript transcripts[] = {
    {"Demonstration", "", "123", 0},
    {"InputIsIgnored", "4\n5\n", "123", 0},
};

TRANSCRIPT_TESTS(Chainlet, ChainletDemonstration, transcripts);

} // namespace
