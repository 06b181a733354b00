#include <gtest/gtest.h>

#include "conversation.h"
#include "transcript.h"

namespace {

const std::string first = "Nhap vao so dau tien: ";
const std::string second = "Nhap vao so thu 2: ";
const std::string prompts = first + second;

const Transcript transcripts[] = {
    {"SmallNumbers", "3\n4\n", prompts + "Tong cua 2 so 3 va 4 la 7", 0},
    {"NegativeNumber", "-5\n2\n", prompts + "Tong cua 2 so -5 va 2 la -3", 0},
    {"WrapsAround", "2147483647\n1\n", prompts + "Tong cua 2 so 2147483647 va 1 la -2147483648", 0},
    {"WrapsBelow", "-2147483648\n-1\n", prompts + "Tong cua 2 so -2147483648 va -1 la 2147483647",
     0},
    {"BothOnOneLine", "3 4\n", prompts + "Tong cua 2 so 3 va 4 la 7", 0},
    {"NotANumberGetsTheSamePrompt", "three\n3\n-\n99999999999\n4\n",
     first + first + second + second + second + "Tong cua 2 so 3 va 4 la 7", 0},
    {"EmptyInput", "", first, 1},
    {"InputEndsAfterTheFirst", "3\n", prompts, 1},
    {"InputEndsInsideBadLine", "3\nfour", prompts, 1},
    // Once the input has ended, no prompt is written: nobody is left to answer it.
    {"InputEndsWithTheFirst", "3", first, 1},
};

TRANSCRIPT_TESTS(Addpair, AddpairDialogue, transcripts);

// Answer by answer, as at a terminal: each prompt must be visible before the program waits
// for its answer.
const Conversation conversations[] = {
    {"TwoPrompts", {{first, "3\n"}, {second, "4\n"}}, "Tong cua 2 so 3 va 4 la 7", 0},
    {"SamePromptAfterNotANumber",
     {{first, "three\n"}, {first, "3\n"}, {second, "-\n"}, {second, "4\n"}},
     "Tong cua 2 so 3 va 4 la 7",
     0},
};

CONVERSATION_TESTS(Addpair, AddpairConversation, conversations);

} // namespace
