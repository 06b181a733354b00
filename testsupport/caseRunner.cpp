#include "caseRunner.h"

#include <algorithm>

#include "childProgram.h"
#include "runProgram.h"

namespace {

using Clock = std::chrono::steady_clock;

bool beginsWith(const std::string& text, const std::string& beginning)
{
    return text.compare(0, beginning.size(), beginning) == 0;
}

// The judgement of a run that ended, against the whole expected output.
void judgeEndedRun(const DialogueCase& dialogueCase, CaseOutcome& outcome)
{
    const bool outputRight = dialogueCase.outputIsBeginning
                                 ? beginsWith(outcome.output, outcome.expected)
                                 : outcome.output == outcome.expected;
    if (!outputRight) {
        outcome.problem = "the output differs";
    } else if (outcome.status != dialogueCase.status) {
        outcome.problem = "exit status " + std::to_string(outcome.status) + ", expected " +
                          std::to_string(dialogueCase.status);
    } else {
        outcome.problem = standardErrorProblem(outcome.status, outcome.errors);
    }
    outcome.passed = outcome.problem.empty();
}

CaseOutcome runPiped(const std::string& programPath, const DialogueCase& dialogueCase)
{
    const ProgramRun run = runProgram(programPath, dialogueCase.input, runLimit);
    CaseOutcome outcome;
    outcome.expected = dialogueCase.output;
    outcome.output = run.output;
    outcome.errors = run.errors;
    outcome.status = run.timedOut ? -1 : run.status;
    if (run.timedOut) {
        outcome.problem = "did not end within " + std::to_string(runLimit.count()) + " s";
        return outcome;
    }
    judgeEndedRun(dialogueCase, outcome);
    return outcome;
}

// Collects output until it holds at least `length` bytes, the output ends or the wait is over.
void awaitOutput(ChildProgram& program, std::size_t length)
{
    const auto deadline = Clock::now() + promptWait;
    while (program.output().size() < length && !program.outputEnded() &&
           program.collect(deadline)) {
    }
}

CaseOutcome runConversation(const std::string& programPath, const DialogueCase& dialogueCase)
{
    ChildProgram program(programPath);
    CaseOutcome outcome;
    const auto stop = [&](const std::string& problem) {
        outcome.problem = problem;
        outcome.output = program.output();
        outcome.errors = program.errors();
        return outcome;
    };
    for (const Turn& turn : dialogueCase.turns) {
        outcome.expected += turn.prompt;
        awaitOutput(program, outcome.expected.size());
        const std::string& output = program.output();
        if (output.compare(0, std::string::npos, outcome.expected, 0, output.size()) != 0 &&
            !beginsWith(output, outcome.expected)) {
            return stop("the output differs before the prompt " + quotedText(turn.prompt));
        }
        if (output.size() < outcome.expected.size()) {
            return stop("the prompt " + quotedText(turn.prompt) + " did not arrive within " +
                        std::to_string(promptWait.count()) +
                        " s while the program waits for its answer (written but not flushed?)");
        }
        if (program.send(turn.answer, Clock::now() + promptWait) != turn.answer.size()) {
            return stop("the program did not take the answer " + quotedText(turn.answer));
        }
    }
    program.closeInput();
    outcome.expected += dialogueCase.output;
    const auto deadline = Clock::now() + runLimit;
    while (!program.outputEnded() && program.collect(deadline)) {
    }
    outcome.output = program.output();
    if (!program.outputEnded()) {
        return stop("did not end within " + std::to_string(runLimit.count()) +
                    " s after its input was closed");
    }
    outcome.status = program.wait(deadline);
    outcome.errors = program.errors();
    judgeEndedRun(dialogueCase, outcome);
    return outcome;
}

} // namespace

std::string standardErrorProblem(int status, const std::string& errors)
{
    const auto lineBreaks = std::count(errors.begin(), errors.end(), '\n');
    if (status == 0 && !errors.empty()) {
        return "wrote to standard error after exit status 0";
    }
    if (status == 1 && (lineBreaks != 1 || errors.back() != '\n')) {
        return "standard error is not one line after exit status 1";
    }
    return "";
}

CaseOutcome runDialogueCase(const std::string& programPath, const DialogueCase& dialogueCase)
{
    return dialogueCase.answerByAnswer ? runConversation(programPath, dialogueCase)
                                       : runPiped(programPath, dialogueCase);
}
