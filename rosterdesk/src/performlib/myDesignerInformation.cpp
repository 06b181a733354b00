#include <iostream>

#include "lib/myInformation.h"
#include "lib/readInput.h"
#include "lib/saveInformation.h"

void myDesignerInformation(std::vector<staff*>& personnel, addInfo factory)
{
    std::string name, id, dob, address, startedDay;
    float heSoLuong = 0;
    saveInfo(name, id, dob, address, heSoLuong, startedDay);
    float bonus = 0;
    // Nothing is discarded after the figure: the menu's next read skips the line feed.
    if (!std::cin || !askAnyNumber("Bonus: ", bonus)) {
        return; // input ended before the record was complete
    }
    const designer record =
        factory.createDesigner(name, id, dob, address, heSoLuong, startedDay, bonus);
    personnel.push_back(new designer(record));
}
