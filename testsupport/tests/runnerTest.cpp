#include <gtest/gtest.h>

#include <chrono>

#include "childProgram.h"
#include "runProgram.h"

namespace {

TEST(RunProgram, ChildStartsWithDefaultSignalDispositions)
{
    // The runner itself ignores SIGPIPE, so that writing to a program that has ended does not
    // kill the test; the program must not inherit that.
    const ProgramRun run = runProgram(SIGNAL_REPORT_PATH, "");
    EXPECT_EQ(run.output, "default");
    EXPECT_EQ(run.status, 0);
}

TEST(RunProgram, ProgramThatCannotStartIsReportedAsSuch)
{
    EXPECT_THROW(runProgram("/nonexistent/program", ""), ProgramStartError);
}

TEST(RunProgram, ProgramThatNeverEndsIsKilledAtTheLimit)
{
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = runProgram(NEVER_READS_PATH, "20\n", std::chrono::milliseconds(300));
    EXPECT_TRUE(run.timedOut);
    EXPECT_EQ(run.output, "Nhap so dien: ");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(ChildProgram, IsKilledAndReapedWhenLeftRunning)
{
    // Leaving the scope with the program still running, as on an exception, kills and reaps
    // it at once instead of waiting for it.
    const auto start = std::chrono::steady_clock::now();
    {
        ChildProgram program(NEVER_READS_PATH);
        // Once the prompt is there, the program waits for ever, writing nothing more (so no
        // broken pipe ends it either).
        while (program.output().empty() && program.collect(start + std::chrono::seconds(5))) {
        }
        ASSERT_EQ(program.output(), "Nhap so dien: ");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
}

} // namespace
