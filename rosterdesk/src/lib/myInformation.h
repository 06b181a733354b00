#pragma once

#include <vector>

#include "models/personnel/staff.h"
#include "services/addInfo.h"

// Entry procedures, one per role: each asks for one record, has the factory build it and
// appends a new heap record of that role to the roster. The roster owns its records until
// the process ends. A record whose answers were not all given before input ended is not
// stored.
void myManagerInformation(std::vector<staff*>& personnel, addInfo factory);
void myProgrammerInformation(std::vector<staff*>& personnel, addInfo factory);
void myDesignerInformation(std::vector<staff*>& personnel, addInfo factory);
void myTesterInformation(std::vector<staff*>& personnel, addInfo factory);
