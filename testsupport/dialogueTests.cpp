#include "dialogueTests.h"

#include "caseRunner.h"

namespace {

const std::string unreadable = "CasesFileCannotBeRead";

std::vector<DialogueCase> casesOfKind(const std::string& casesFile, bool answerByAnswer)
{
    std::vector<DialogueCase> chosen;
    try {
        for (const DialogueCase& dialogueCase : readDialogueCases(casesFile)) {
            if (dialogueCase.answerByAnswer == answerByAnswer) {
                chosen.push_back(dialogueCase);
            }
        }
    } catch (const CasesFileError& error) {
        DialogueCase failing;
        failing.name = unreadable;
        failing.input = error.what();
        chosen = {failing};
    }
    return chosen;
}

} // namespace

std::vector<DialogueCase> pipedCases(const std::string& casesFile)
{
    return casesOfKind(casesFile, false);
}

std::vector<DialogueCase> answerByAnswerCases(const std::string& casesFile)
{
    return casesOfKind(casesFile, true);
}

std::string caseName(const testing::TestParamInfo<DialogueCase>& info)
{
    return info.param.name;
}

void expectDialogueCase(const std::string& programPath, const DialogueCase& dialogueCase)
{
    ASSERT_NE(dialogueCase.name, unreadable) << dialogueCase.input;
    const CaseOutcome outcome = runDialogueCase(programPath, dialogueCase);
    if (outcome.passed) {
        return;
    }
    ADD_FAILURE() << outcome.problem << "\ninput:    " << quotedText(allInputOf(dialogueCase))
                  << "\nexpected: " << quotedText(outcome.expected)
                  << (dialogueCase.outputIsBeginning ? " and then anything" : "")
                  << "\nactual:   " << quotedText(outcome.output)
                  << "\nstatus:   " << outcome.status
                  << "\nstandard error: " << quotedText(outcome.errors);
}
