#include <iostream>

#include "lib/myInformation.h"
#include "lib/saveInformation.h"

void myManagerInformation(std::vector<staff*>& personnel, addInfo factory)
{
    std::string name, id, dob, address, startedDay;
    float heSoLuong = 0;
    saveInfo(name, id, dob, address, heSoLuong, startedDay);
    if (!std::cin) {
        return; // input ended before the record was complete
    }
    const manager record = factory.createManager(name, id, dob, address, heSoLuong, startedDay);
    personnel.push_back(new manager(record));
}
