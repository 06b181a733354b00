#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogueCases.h"

// The cases of a cases file, piped or answer by answer. A file that cannot be read gives one
// case, named CasesFileCannotBeRead, that fails with the reason.
std::vector<DialogueCase> pipedCases(const std::string& casesFile);
std::vector<DialogueCase> answerByAnswerCases(const std::string& casesFile);

std::string caseName(const testing::TestParamInfo<DialogueCase>& info);

// Runs the program on the case and fails the test, with the input, the expected and the
// actual output, when the case does not pass.
void expectDialogueCase(const std::string& programPath, const DialogueCase& dialogueCase);

// Declares the tests of a program's cases file, CASES_FILE, run against the program at
// PROGRAM_PATH: Prefix/PrefixDialogue.MatchesTranscript/<case> for each piped case and
// Prefix/PrefixConversation.AnswersEachPromptAsItAppears/<case> for each answer-by-answer one.
#define DIALOGUE_CASE_TESTS(Prefix)                                                                \
    class Prefix##Dialogue : public testing::TestWithParam<DialogueCase> {};                       \
    TEST_P(Prefix##Dialogue, MatchesTranscript)                                                    \
    {                                                                                              \
        expectDialogueCase(PROGRAM_PATH, GetParam());                                              \
    }                                                                                              \
    INSTANTIATE_TEST_SUITE_P(Prefix, Prefix##Dialogue, testing::ValuesIn(pipedCases(CASES_FILE)),  \
                             caseName);                                                            \
    class Prefix##Conversation : public testing::TestWithParam<DialogueCase> {};                   \
    GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Prefix##Conversation);                           \
    TEST_P(Prefix##Conversation, AnswersEachPromptAsItAppears)                                     \
    {                                                                                              \
        expectDialogueCase(PROGRAM_PATH, GetParam());                                              \
    }                                                                                              \
    INSTANTIATE_TEST_SUITE_P(Prefix, Prefix##Conversation,                                         \
                             testing::ValuesIn(answerByAnswerCases(CASES_FILE)), caseName)
