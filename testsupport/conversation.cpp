#include "conversation.h"

#include <chrono>

#include <gtest/gtest.h>

#include "childProgram.h"

namespace {

using Clock = std::chrono::steady_clock;

// Collects output until it holds at least `expected.size()` bytes, the output ends or the
// wait is over.
void awaitText(ChildProgram& program, const std::string& expected)
{
    const auto deadline = Clock::now() + std::chrono::seconds(promptWaitSeconds);
    while (program.output().size() < expected.size() && !program.outputEnded() &&
           program.collect(deadline)) {
    }
}

} // namespace

void expectConversation(const std::string& programPath, const Conversation& conversation)
{
    ChildProgram program(programPath);
    std::string expected;
    for (const Turn& turn : conversation.turns) {
        expected += turn.prompt;
        awaitText(program, expected);
        const std::string& output = program.output();
        ASSERT_EQ(output.substr(0, expected.size()), expected.substr(0, output.size()))
            << "the output went astray before the prompt " << testing::PrintToString(turn.prompt);
        ASSERT_GE(output.size(), expected.size())
            << "the prompt " << testing::PrintToString(turn.prompt) << " did not arrive within "
            << promptWaitSeconds << " s while the program waits for its answer (written but "
            << "not flushed?); output so far: " << testing::PrintToString(output);
        const auto deadline = Clock::now() + std::chrono::seconds(promptWaitSeconds);
        ASSERT_EQ(program.send(turn.answer, deadline), turn.answer.size())
            << "the program did not take the answer " << testing::PrintToString(turn.answer);
    }
    program.closeInput();
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (!program.outputEnded() && program.collect(deadline)) {
    }
    ASSERT_TRUE(program.outputEnded()) << "the program did not end after its input was closed";
    const int status = program.wait(deadline);
    EXPECT_EQ(program.output(), expected + conversation.ending);
    EXPECT_EQ(status, conversation.status) << "standard error: " << program.errors();
    if (status == 0) {
        EXPECT_EQ(program.errors(), "");
    }
}

std::string conversationName(const testing::TestParamInfo<Conversation>& info)
{
    return info.param.name;
}
