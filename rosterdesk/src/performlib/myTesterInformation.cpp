#include <iostream>

#include "lib/myInformation.h"
#include "lib/readInput.h"
#include "lib/saveInformation.h"

void myTesterInformation(std::vector<staff*>& personnel, addInfo factory)
{
    std::string name, id, dob, address, startedDay;
    float heSoLuong = 0;
    saveInfo(name, id, dob, address, heSoLuong, startedDay);
    int error = 0;
    // Nothing is discarded after the figure: the menu's next read skips the line feed.
    if (!std::cin || !askAnyNumber("Error found: ", error)) {
        return; // input ended before the record was complete
    }
    const tester record =
        factory.createTester(name, id, dob, address, heSoLuong, startedDay, error);
    personnel.push_back(new tester(record));
}
