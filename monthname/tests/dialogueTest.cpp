#include <gtest/gtest.h>

#include "conversation.h"
#include "transcript.h"

namespace {

const std::string prompt = "Nhap thang: ";
const std::string retry = "Loi, vui long nhap lai: ";

const Transcript transcripts[] = {
    {"January", "1\n", prompt + "January", 0},
    {"February", "2\n", prompt + "February", 0},
    {"June", "6\n", prompt + "June", 0},
    {"December", "12\n", prompt + "December", 0},
    {"Thirteen", "13\n", prompt + "Do not exist", 0},
    {"LargestInt", "2147483647\n", prompt + "Do not exist", 0},
    {"ZeroAndNegativeAreAskedAgain", "0\n-4\n5\n", prompt + retry + retry + "May", 0},
    {"SmallestInt", "-2147483648\n9\n", prompt + retry + "September", 0},
    {"NotANumber", "march\n99999999999\n-\n3\n", prompt + retry + retry + retry + "March", 0},
    {"FractionStopsAtThePoint", "3.9\n", prompt + "March", 0},
    {"EmptyInput", "", prompt, 1},
    {"InputEndsAfterZero", "0\n", prompt + retry, 1},
    // Once the input has ended, no retry message is written: nobody is left to answer it.
    {"RefusedLastAnswerWithoutLineBreak", "0", prompt, 1},
};

TRANSCRIPT_TESTS(Monthname, MonthnameDialogue, transcripts);

// Answer by answer, as at a terminal: each prompt and retry message must be visible before
// the program waits for its answer.
const Conversation conversations[] = {
    {"Prompt", {{prompt, "6\n"}}, "June", 0},
    {"RetryAfterRefusalAndAfterNotANumber",
     {{prompt, "0\n"}, {retry, "march\n"}, {retry, "3\n"}},
     "March",
     0},
};

CONVERSATION_TESTS(Monthname, MonthnameConversation, conversations);

} // namespace
