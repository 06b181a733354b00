#include "lib/rosterSummary.h"

#include <cmath>
#include <iostream>

#include "models/personnel/designer.h"
#include "models/personnel/manager.h"
#include "models/personnel/programmer.h"
#include "models/personnel/tester.h"

namespace {

const char* roleOf(staff* record)
{
    if (dynamic_cast<manager*>(record) != nullptr) {
        return "Manager";
    }
    if (dynamic_cast<programmer*>(record) != nullptr) {
        return "Programmer";
    }
    if (dynamic_cast<designer*>(record) != nullptr) {
        return "Designer";
    }
    return "Tester";
}

// A coefficient near the top of the float range makes the salary overflow; say so rather
// than print inf. A zero salary may be a negative zero (a coefficient of -0), written as 0.
void writeSalary(staff* record)
{
    float salary = record->calSalary();
    if (salary == 0.0f) {
        salary = 0.0f;
    }
    if (std::isfinite(salary)) {
        std::cout << "salary " << salary;
    } else {
        std::cout << "salary out of range";
    }
}

} // namespace

void writeRoster(const std::vector<staff*>& personnel)
{
    if (personnel.empty()) {
        std::cout << "No record was saved" << std::endl;
        return;
    }
    for (staff* record : personnel) {
        std::cout << roleOf(record) << " \"" << record->getName() << "\", ID \"" << record->getId()
                  << "\", ";
        writeSalary(record);
        std::cout << '\n';
    }
    std::cout << std::flush;
}
