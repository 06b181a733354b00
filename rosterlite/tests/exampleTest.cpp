#include <gtest/gtest.h>

#include "transcript.h"

namespace {

const std::string common = "Name: Day of birth: ID: Address: He so luong: Started Day: ";
const std::string refusal = "Don't have this feature in this staff";

const Transcript transcripts[] = {
    {"ProgrammerAndDesigner",
     "Ann Lee\n02/01/90\nP01\n5 Elm Road\n2.5\n01/05/20\n10\n"
     "Bob\n03/03/91\nD02\n7 Oak Lane\n2.5\n02/02/21\n3\n",
     common + "Overtime: \n" + refusal + "\n" + refusal + "\n" + common + refusal + "\nBonus: \n" +
         refusal + "\nAnn Lee (P01): salary 18.5\nBob (D02): salary 20.5\n",
     0},
};

class RosterliteExample : public testing::TestWithParam<Transcript> {};

TEST_P(RosterliteExample, MatchesTranscript)
{
    expectTranscript(PROGRAM_PATH, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rosterlite, RosterliteExample, testing::ValuesIn(transcripts),
                         transcriptName);

} // namespace
