#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// One turn of a conversation: the text that the program must have written, and flushed, by
// the time it waits for input, and the answer typed once that text has arrived.
struct Turn {
    std::string prompt;
    std::string answer;
};

// A program driven as a person at a terminal drives it: each answer is sent only after its
// prompt is visible. After the last answer the input is closed; the program must then write
// `ending` and end with `status`.
struct Conversation {
    std::string name; // letters, digits and underscores: the test's label
    std::vector<Turn> turns;
    std::string ending;
    int status = 0;
};

inline void PrintTo(const Conversation& conversation, std::ostream* os)
{
    *os << conversation.name;
}

// How long a prompt may take to arrive while the program waits for its answer.
constexpr int promptWaitSeconds = 5;

// Runs the conversation. A prompt that has not arrived within promptWaitSeconds fails the
// test with the prompt named (typically it was written but not flushed before the read);
// output that differs from the prompts and the ending fails it too.
void expectConversation(const std::string& programPath, const Conversation& conversation);

std::string conversationName(const testing::TestParamInfo<Conversation>& info);

// Declares the parameterised suite `Suite` that drives the program at PROGRAM_PATH through
// each conversation of `table`, answer by answer.
#define CONVERSATION_TESTS(Prefix, Suite, table)                                                   \
    class Suite : public testing::TestWithParam<Conversation> {};                                  \
    TEST_P(Suite, AnswersEachPromptAsItAppears)                                                    \
    {                                                                                              \
        expectConversation(PROGRAM_PATH, GetParam());                                              \
    }                                                                                              \
    INSTANTIATE_TEST_SUITE_P(Prefix, Suite, testing::ValuesIn(table), conversationName)
