#pragma once

#include <string>
#include <vector>

// A fixed, repeatable set of hostile standard inputs: random bytes, and random streams of
// tokens (numbers in and far out of range, lone signs and points, words, "nan", "inf",
// hexadecimal, very long lines, blank lines, tabs, NUL bytes), with and without a final
// line break, and the empty input. The same seed always gives the same inputs.
std::vector<std::string> hostileInputs(unsigned int seed, int count);
