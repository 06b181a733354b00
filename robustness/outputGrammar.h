#pragma once

#include <string_view>

// What a program's standard output says about one run.
struct OutputVerdict {
    bool wellFormed = false; // nothing but the program's own texts and well-formed results
    bool hasResult = false;  // the run got as far as its result
};

// Each reads a whole standard output of its program.
OutputVerdict checkPowerbill(std::string_view output);
OutputVerdict checkCabfare(std::string_view output);
OutputVerdict checkMonthname(std::string_view output);
OutputVerdict checkGradeband(std::string_view output);
OutputVerdict checkNotechange(std::string_view output);
OutputVerdict checkAddpair(std::string_view output);
OutputVerdict checkDivisorlist(std::string_view output);
OutputVerdict checkRosterdesk(std::string_view output);
