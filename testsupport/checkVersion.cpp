// Checks anyone's own version of an exercise against the suite's dialogue cases for it:
//
//   suitecheck [--all] CASES_FILE PROGRAM
//
// runs PROGRAM (an executable written in any language) on each case of CASES_FILE and
// writes one line per case, pass or FAIL, with the input, the expected and the actual output
// and where they first differ for each failure, then a summary. By default only the cases
// that the exercise itself fixes are run; --all adds the choices of this suite. Exit status:
// 0 when every case run passed, 1 when one failed, 2 for a usage error.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "caseRunner.h"
#include "childProgram.h"
#include "dialogueCases.h"

namespace {

constexpr std::size_t excerptReach = 20;

int usageError(const std::string& problem)
{
    std::cerr << "suitecheck: " << problem << "\nusage: suitecheck [--all] CASES_FILE PROGRAM\n";
    return 2;
}

bool isExecutableFile(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::size_t excerptStart(std::size_t at)
{
    return at > excerptReach ? at - excerptReach : 0;
}

// Up to excerptReach bytes of `text` on either side of `at`, quoted.
std::string excerpt(const std::string& text, std::size_t at)
{
    const std::size_t from = excerptStart(at);
    const std::string shown = text.substr(std::min(from, text.size()), 2 * excerptReach);
    return (from > 0 ? "..." : "") + quotedText(shown) +
           (from + shown.size() < text.size() ? "..." : "");
}

// A caret under the byte at `at` of an excerpt (both excerpts agree up to there).
std::string caretUnder(const std::string& text, std::size_t at)
{
    const std::size_t from = excerptStart(at);
    const std::string before = quotedText(text.substr(from, at - from));
    const std::size_t column = (from > 0 ? 3 : 0) + before.size() - 1; // less the closing quote
    return std::string(column, ' ') + "^";
}

// Where `actual` first leaves `expected`, with a short excerpt of each around it.
void writeFirstDifference(const std::string& expected, const std::string& actual,
                          bool onlyBeginning)
{
    const auto mismatch =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const auto at = static_cast<std::size_t>(mismatch.first - expected.begin());
    if (at == expected.size() && (at == actual.size() || onlyBeginning)) {
        return; // the output is right: the case failed for another reason
    }
    std::cout << "      first difference at byte " << at << ":\n"
              << "        expected " << excerpt(expected, at) << "\n"
              << "        actual   " << excerpt(actual, at) << "\n"
              << "                 " << caretUnder(expected, at) << "\n";
}

void writeFailure(const DialogueCase& dialogueCase, const CaseOutcome& outcome)
{
    const std::string input = allInputOf(dialogueCase);
    std::cout << "      " << outcome.problem << "\n";
    if (dialogueCase.answerByAnswer) {
        std::cout << "      answers:  " << quotedText(input) << " (each after its prompt)\n";
    } else {
        std::cout << "      input:    " << quotedText(input) << "\n";
    }
    std::cout << "      expected: " << quotedText(outcome.expected)
              << (dialogueCase.outputIsBeginning ? " and then anything" : "") << "\n"
              << "      actual:   " << quotedText(outcome.output) << "\n";
    writeFirstDifference(outcome.expected, outcome.output, dialogueCase.outputIsBeginning);
    if (!outcome.errors.empty()) {
        std::cout << "      standard error: " << quotedText(outcome.errors) << "\n";
    }
}

struct Tally {
    int run = 0;
    int passed = 0;
};

std::string summaryOf(const char* kind, const Tally& tally)
{
    return std::string(kind) + ": " + std::to_string(tally.passed) + " of " +
           std::to_string(tally.run) + " cases passed";
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool all = !arguments.empty() && arguments.front() == "--all";
    if (all) {
        arguments.erase(arguments.begin());
    }
    if (arguments.size() != 2) {
        return usageError("expected a cases file and a program");
    }
    const std::string& casesFile = arguments[0];
    const std::string& program = arguments[1];
    if (!isExecutableFile(program)) {
        return usageError(program + ": no such executable file");
    }
    std::vector<DialogueCase> cases;
    try {
        cases = readDialogueCases(casesFile);
    } catch (const CasesFileError& error) {
        return usageError(error.what());
    }

    Tally exercise;
    Tally suite;
    for (const DialogueCase& dialogueCase : cases) {
        if (!dialogueCase.fixedByExercise && !all) {
            continue;
        }
        CaseOutcome outcome;
        try {
            outcome = runDialogueCase(program, dialogueCase);
        } catch (const ProgramStartError& error) {
            return usageError(error.what());
        }
        Tally& tally = dialogueCase.fixedByExercise ? exercise : suite;
        ++tally.run;
        tally.passed += outcome.passed ? 1 : 0;
        std::cout << (outcome.passed ? "pass  " : "FAIL  ") << dialogueCase.name
                  << (dialogueCase.fixedByExercise ? "" : "  (suite's choice)") << "\n";
        if (!outcome.passed) {
            writeFailure(dialogueCase, outcome);
        }
    }
    std::cout << summaryOf("exercise", exercise) << "; "
              << (all ? summaryOf("suite's choices", suite)
                      : std::string("suite's choices: not run (--all adds them)"))
              << "\n";
    return exercise.passed == exercise.run && suite.passed == suite.run ? 0 : 1;
}
