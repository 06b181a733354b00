#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "builtPrograms.h"
#include "hostileInputs.h"
#include "runJudge.h"
#include "runProgram.h"

namespace {

constexpr int inputsPerDialogue = 300;
constexpr int inputsPerDemonstration = 40;
constexpr auto timeLimit = std::chrono::seconds(10);

// Keeps a failing input whole in a file, to be turned into a transcript case, and gives a
// shortened copy for the failure message.
std::string keepFailedInput(const std::string& program, std::size_t index, const std::string& input)
{
    std::filesystem::create_directories(FAILED_INPUTS_DIR);
    const std::string path =
        std::string(FAILED_INPUTS_DIR) + "/" + program + "-" + std::to_string(index) + ".txt";
    std::ofstream(path, std::ios::binary) << input;
    const std::string shown = input.size() > 400 ? input.substr(0, 400) + "..." : input;
    return testing::PrintToString(shown) + "\n(whole input, " + std::to_string(input.size()) +
           " bytes: " + path + ")";
}

// The seed of a program's inputs, from its name by the 32-bit FNV-1a hash, written out so
// that the inputs are the same with every compiler and standard library.
unsigned int seedOf(const std::string& name)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return static_cast<unsigned int>(hash % 1000u);
}

class Robustness : public testing::TestWithParam<BuiltProgram> {};

TEST_P(Robustness, HostileInputs)
{
    const BuiltProgram& program = GetParam();
    const Judge* judge = judgeOf(program.name);
    ASSERT_NE(judge, nullptr) << program.name << " has no entry in the table of judges";
    ASSERT_EQ(judge->kind, program.kind) << "deliverables.txt gives another kind";
    const unsigned int seed = seedOf(program.name);
    const auto inputs = hostileInputs(seed, judge->kind == "demonstration" ? inputsPerDemonstration
                                                                           : inputsPerDialogue);
    int faults = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const ProgramRun run = runProgram(program.path, inputs[i], timeLimit);
        const std::string fault = faultOf(*judge, run);
        if (!fault.empty() && ++faults <= 3) {
            ADD_FAILURE() << program.name << " " << fault << "\n(input " << i << " of seed " << seed
                          << ")"
                          << "\ninput: " << keepFailedInput(program.name, i, inputs[i]);
        }
    }
    const auto elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(faults, 0) << "of " << inputs.size() << " inputs";
    RecordProperty("inputs", static_cast<int>(inputs.size()));
    RecordProperty("millisecondsPerRun",
                   std::to_string(elapsed.count() / static_cast<double>(inputs.size())));
    std::cout << program.name << ": " << inputs.size() << " inputs, "
              << elapsed.count() / static_cast<double>(inputs.size()) << " ms per run\n";
}

std::string programName(const testing::TestParamInfo<BuiltProgram>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, Robustness, testing::ValuesIn(builtPrograms), programName);

// The input set stays the same from run to run, so a failure can be repeated.
TEST(HostileInputs, AreRepeatableAndVaried)
{
    EXPECT_EQ(seedOf("powerbill"), seedOf("powerbill"));
    EXPECT_EQ(seedOf(""), 2166136261u % 1000u);
    EXPECT_EQ(seedOf("a"), 0xe40c292cu % 1000u); // the published FNV-1a value of "a"
    const auto inputs = hostileInputs(7, 300);
    EXPECT_EQ(inputs, hostileInputs(7, 300));
    EXPECT_NE(inputs, hostileInputs(8, 300));
    EXPECT_EQ(inputs.front(), "");
    const auto has = [&](auto predicate) {
        return std::any_of(inputs.begin(), inputs.end(), predicate);
    };
    EXPECT_TRUE(has([](const std::string& s) { return s.find('\0') != std::string::npos; }));
    EXPECT_TRUE(has([](const std::string& s) { return s.size() > 2000; }));
    EXPECT_TRUE(has([](const std::string& s) { return !s.empty() && s.back() != '\n'; }));
    EXPECT_TRUE(has([](const std::string& s) { return s.find("nan") != std::string::npos; }));
}

} // namespace
