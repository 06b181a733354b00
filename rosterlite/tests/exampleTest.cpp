// The example program's dialogue, as tests/dialogue.cases gives it.
#include "dialogueTests.h"

namespace {

DIALOGUE_CASE_TESTS(Rosterlite);

} // namespace
