#include <gtest/gtest.h>

#include "conversation.h"
#include "transcript.h"

namespace {

const std::string prompt = "Nhap vao so can tim uoc: ";
const std::string retry = "Khong hop le, vui long nhap so duong: ";

const Transcript transcripts[] = {
    {"Twelve", "12\n", prompt + "Cac uoc cua 12 la:  1 ; 2 ; 3 ; 4 ; 6 ; 12", 0},
    {"One", "1\n", prompt + "Cac uoc cua 1 la:  1", 0},
    {"Two", "2\n", prompt + "Cac uoc cua 2 la:  1 ; 2", 0},
    {"Prime", "7\n", prompt + "Cac uoc cua 7 la:  1 ; 7", 0},
    {"PerfectSquare", "36\n", prompt + "Cac uoc cua 36 la:  1 ; 2 ; 3 ; 4 ; 6 ; 9 ; 12 ; 18 ; 36",
     0},
    {"ZeroAndNegativeAskedAgain", "0\n-5\n6\n",
     prompt + retry + retry + "Cac uoc cua 6 la:  1 ; 2 ; 3 ; 6", 0},
    {"LargestInt", "2147483647\n", prompt + "Cac uoc cua 2147483647 la:  1 ; 2147483647", 0},
    {"NotANumber", "six\n99999999999\n6\n",
     prompt + retry + retry + "Cac uoc cua 6 la:  1 ; 2 ; 3 ; 6", 0},
    {"EmptyInput", "", prompt, 1},
    {"InputEndsAfterZero", "0\n", prompt + retry, 1},
    // Once the input has ended, no retry message is written: nobody is left to answer it.
    {"RefusedLastAnswerWithoutLineBreak", "0", prompt, 1},
};

TRANSCRIPT_TESTS(Divisorlist, DivisorlistDialogue, transcripts);

// Answer by answer, as at a terminal: each prompt and retry message must be visible before
// the program waits for its answer.
const Conversation conversations[] = {
    {"Prompt", {{prompt, "12\n"}}, "Cac uoc cua 12 la:  1 ; 2 ; 3 ; 4 ; 6 ; 12", 0},
    {"RetryAfterRefusalAndAfterNotANumber",
     {{prompt, "0\n"}, {retry, "six\n"}, {retry, "6\n"}},
     "Cac uoc cua 6 la:  1 ; 2 ; 3 ; 6",
     0},
};

CONVERSATION_TESTS(Divisorlist, DivisorlistConversation, conversations);

} // namespace
