#pragma once

#include <vector>

#include "models/personnel/staff.h"

// The role menu: takes records one at a time while the answer to the again-question is a
// lower-case y, and returns at any other answer or at the end of input.
void mySystem(std::vector<staff*>& personnel);
