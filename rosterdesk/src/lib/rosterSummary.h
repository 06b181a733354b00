#pragma once

#include <vector>

#include "models/personnel/staff.h"

// Writes one line per saved record, in entry order: role, name, ID and salary; or one line
// saying that nothing was saved.
void writeRoster(const std::vector<staff*>& personnel);
