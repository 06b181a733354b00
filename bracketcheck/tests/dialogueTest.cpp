#include <gtest/gtest.h>

#include "transcript.h"

namespace {

const Transcript transcripts[] = {
    {"NoInput", "", "125", 0},
    {"InputIsIgnored", "([)]\n{}\n", "125", 0},
};

TRANSCRIPT_TESTS(Bracketcheck, BracketcheckProgram, transcripts);

} // namespace
