#include <gtest/gtest.h>

#include "conversation.h"
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

TRANSCRIPT_TESTS(Rosterlite, RosterliteExample, transcripts);

// Answer by answer, as at a terminal: each prompt of the library must be visible before the
// example waits for its answer.
const Conversation conversations[] = {
    {"EachPromptOfTheLibrary",
     {{"Name: ", "Ann Lee\n"},
      {"Day of birth: ", "02/01/90\n"},
      {"ID: ", "P01\n"},
      {"Address: ", "5 Elm Road\n"},
      {"He so luong: ", "abc\n"},
      {"He so luong: ", "2.5\n"},
      {"Started Day: ", "01/05/20\n"},
      {"Overtime: ", "10\n"},
      {"\n" + refusal + "\n" + refusal + "\nName: ", "Bob\n"},
      {"Day of birth: ", "03/03/91\n"},
      {"ID: ", "D02\n"},
      {"Address: ", "7 Oak Lane\n"},
      {"He so luong: ", "2.5\n"},
      {"Started Day: ", "02/02/21\n"},
      {refusal + "\nBonus: ", "3\n"}},
     "\n" + refusal + "\nAnn Lee (P01): salary 18.5\nBob (D02): salary 20.5\n",
     0},
};

CONVERSATION_TESTS(Rosterlite, RosterliteConversation, conversations);

} // namespace
