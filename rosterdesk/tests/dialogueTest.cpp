// The register's dialogue, as tests/dialogue.cases gives it, and a long scripted session.
#include <chrono>

#include "dialogueTests.h"
#include "runProgram.h"

namespace {

DIALOGUE_CASE_TESTS(Rosterdesk);

// Six answers for the common fields: name, day of birth, ID, address, coefficient, start.
std::string answers(const std::string& name, const std::string& id)
{
    return name + "\n01/01/90\n" + id + "\n5 Elm Road\n2.5\n01/05/20\n";
}

// A scripted session of many records is handled in time linear in its length: the run
// must end well inside the time limit and keep every record in entry order.
TEST(RosterdeskSession, ManyRecordsPipedIn)
{
    constexpr int records = 40000;
    std::string input;
    std::string expectedSummary;
    for (int i = 0; i < records; ++i) {
        const std::string id = std::to_string(i);
        input += "4\n" + answers("T", id) + "3\n" + (i + 1 < records ? "y\n" : "n\n");
        expectedSummary += "Tester \"T\", ID \"" + id + "\", salary 17.8\n";
    }
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = runProgram(PROGRAM_PATH, input, std::chrono::seconds(60));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0);
    ASSERT_GE(run.output.size(), expectedSummary.size());
    EXPECT_EQ(run.output.substr(run.output.size() - expectedSummary.size()), expectedSummary);
    RecordProperty("seconds", std::to_string(seconds.count()));
}

} // namespace
