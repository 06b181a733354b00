#include <gtest/gtest.h>

#include "conversation.h"
#include "transcript.h"

namespace {

const std::string prompt = "Nhap so tien: ";
const std::string retry = "So tien khong hop le, vui long nhap lai: ";
const std::string head = "So to nho nhat sau khi quy doi la: ";

const Transcript transcripts[] = {
    {"Zero", "0\n", prompt + head + "0 to 2000 dong", 0},
    {"FiveHundred", "500\n", prompt + head + "0 to 2000 dong va 1 to 500 dong", 0},
    {"OneThousand", "1000\n", prompt + head + "1 to 1000 dong va 0 to 2000 dong", 0},
    {"FifteenHundred", "1500\n",
     prompt + head + "1 to 1000 dong va 0 to 2000 dong va 1 to 500 dong", 0},
    {"TwoThousand", "2000\n", prompt + head + "1 to 2000 dong", 0},
    {"HalfEven", "4500\n", prompt + head + "2 to 2000 dong va 1 to 500 dong", 0},
    {"HalfOdd", "7500\n", prompt + head + "1 to 1000 dong va 3 to 2000 dong va 1 to 500 dong", 0},
    {"WholeEven", "8000\n", prompt + head + "4 to 2000 dong", 0},
    {"TenThousandFiveHundred", "10500\n", prompt + head + "5 to 2000 dong va 1 to 500 dong", 0},
    {"MillionNotesInScientificNotation", "2000000000\n", prompt + head + "1e+06 to 2000 dong", 0},
    // Beyond 67110000 a float can no longer hold the amount's thousands exactly.
    {"LargeAmountCountsExactly", "67110500\n",
     prompt + head + "33555 to 2000 dong va 1 to 500 dong", 0},
    {"LargestValidAmount", "2147483500\n",
     prompt + head + "1 to 1000 dong va 1.07374e+06 to 2000 dong va 1 to 500 dong", 0},
    {"NegativeAskedAgain", "-500\n7500\n",
     prompt + retry + head + "1 to 1000 dong va 3 to 2000 dong va 1 to 500 dong", 0},
    {"NotAMultipleOfFiveHundred", "1234\n250\n2147483647\n1500\n",
     prompt + retry + retry + retry + head + "1 to 1000 dong va 0 to 2000 dong va 1 to 500 dong",
     0},
    {"NotANumber", "money\n99999999999\n2000\n", prompt + retry + retry + head + "1 to 2000 dong",
     0},
    {"EmptyInput", "", prompt, 1},
    {"InputEndsAfterRefusal", "1234\n", prompt + retry, 1},
    // Once the input has ended, no retry message is written: nobody is left to answer it.
    {"RefusedLastAnswerWithoutLineBreak", "1234", prompt, 1},
};

TRANSCRIPT_TESTS(Notechange, NotechangeDialogue, transcripts);

// Answer by answer, as at a terminal: each prompt and retry message must be visible before
// the program waits for its answer.
const Conversation conversations[] = {
    {"Prompt", {{prompt, "8000\n"}}, head + "4 to 2000 dong", 0},
    {"RetryAfterEachRefusal",
     {{prompt, "-500\n"}, {retry, "1234\n"}, {retry, "money\n"}, {retry, "7500\n"}},
     head + "1 to 1000 dong va 3 to 2000 dong va 1 to 500 dong",
     0},
};

CONVERSATION_TESTS(Notechange, NotechangeConversation, conversations);

} // namespace
