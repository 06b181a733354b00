#include <iostream>

#include "lib/myInformation.h"
#include "lib/readInput.h"
#include "lib/saveInformation.h"

void myProgrammerInformation(std::vector<staff*>& personnel, addInfo factory)
{
    std::string name, id, dob, address, startedDay;
    float heSoLuong = 0;
    saveInfo(name, id, dob, address, heSoLuong, startedDay);
    float overTime = 0;
    // Nothing is discarded after the figure: the menu's next read skips the line feed.
    if (!std::cin || !askAnyNumber("Overtime: ", overTime)) {
        return; // input ended before the record was complete
    }
    const programmer record =
        factory.createProgrammer(name, id, dob, address, heSoLuong, startedDay, overTime);
    personnel.push_back(new programmer(record));
}
