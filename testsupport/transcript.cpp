#include "transcript.h"

#include <algorithm>

#include "runProgram.h"

std::string transcriptName(const testing::TestParamInfo<Transcript>& info)
{
    return info.param.name;
}

void expectTranscript(const std::string& programPath, const Transcript& transcript)
{
    const ProgramRun run = runProgram(programPath, transcript.input);
    ASSERT_FALSE(run.timedOut) << "the program did not end; input: "
                               << testing::PrintToString(transcript.input);
    EXPECT_EQ(run.output, transcript.output)
        << "input: " << testing::PrintToString(transcript.input);
    EXPECT_EQ(run.status, transcript.status) << "standard error: " << run.errors;
    if (run.status == 0) {
        EXPECT_EQ(run.errors, "");
    } else if (run.status == 1) {
        const auto lineBreaks = std::count(run.errors.begin(), run.errors.end(), '\n');
        EXPECT_EQ(lineBreaks, 1) << "standard error: " << run.errors;
        EXPECT_TRUE(run.errors.size() > 1 && run.errors.back() == '\n')
            << "standard error: " << run.errors;
    }
}
