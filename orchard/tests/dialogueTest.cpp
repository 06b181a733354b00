#include <gtest/gtest.h>

#include "transcript.h"

namespace {

const Transcript transcripts[] = {
    {"Demonstration", "", "-2 1 2 5 6 7 \n\n6\n-2", 0},
    {"InputIsIgnored", "12\nabc\n", "-2 1 2 5 6 7 \n\n6\n-2", 0},
};

TRANSCRIPT_TESTS(Orchard, OrchardDemonstration, transcripts);

} // namespace
