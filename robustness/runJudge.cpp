#include "runJudge.h"

#include "caseRunner.h"
#include "dialogueCases.h"

namespace {

const Judge judges[] = {
    {"rosterdesk", "dialogue", checkRosterdesk, ""},
    {"orchard", "demonstration", nullptr, "-2 1 2 5 6 7 \n\n6\n-2"},
    {"chainlet", "demonstration", nullptr, "123"},
    {"bracketcheck", "demonstration", nullptr, "125"},
    {"cabfare", "one-screen", checkCabfare, ""},
    {"monthname", "one-screen", checkMonthname, ""},
    {"gradeband", "one-screen", checkGradeband, ""},
    {"notechange", "one-screen", checkNotechange, ""},
    {"powerbill", "one-screen", checkPowerbill, ""},
    {"addpair", "one-screen", checkAddpair, ""},
    {"divisorlist", "one-screen", checkDivisorlist, ""},
};

} // namespace

const Judge* judgeOf(const std::string& program)
{
    for (const Judge& judge : judges) {
        if (judge.program == program) {
            return &judge;
        }
    }
    return nullptr;
}

// What is wrong with one run, or nothing.
std::string faultOf(const Judge& judge, const ProgramRun& run)
{
    if (run.timedOut) {
        return "did not end within the time limit";
    }
    if (run.status != 0 && run.status != 1) {
        return "ended with status " + std::to_string(run.status) +
               "; standard error: " + run.errors;
    }
    if (const std::string problem = standardErrorProblem(run.status, run.errors);
        !problem.empty()) {
        return problem + ": " + run.errors;
    }
    if (judge.kind == "demonstration") {
        return run.output == judge.fixedOutput && run.status == 0
                   ? ""
                   : "wrote " + quotedText(run.output);
    }
    const OutputVerdict verdict = judge.check(run.output);
    if (judge.kind == "dialogue" && run.status != 0) {
        return "ended with status 1";
    }
    if (judge.kind == "one-screen" && verdict.wellFormed &&
        verdict.hasResult != (run.status == 0)) {
        return "status " + std::to_string(run.status) + " does not fit the output";
    }
    return verdict.wellFormed ? "" : "wrote " + quotedText(run.output);
}
