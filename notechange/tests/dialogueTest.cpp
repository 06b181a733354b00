// The program's dialogue, as tests/dialogue.cases gives it: each piped case, and each case
// answered prompt by prompt, against the built program.
#include "dialogueTests.h"

namespace {

DIALOGUE_CASE_TESTS(Notechange);

} // namespace
