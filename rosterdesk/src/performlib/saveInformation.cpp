#include "lib/saveInformation.h"

#include <iostream>

#include "lib/readInput.h"

void saveInfo(std::string& name, std::string& id, std::string& dob, std::string& address,
              float& heSoLuong, std::string& startedDay)
{
    if (askLine("Name: ", name) && askLine("Day of birth: ", dob) && askLine("ID: ", id) &&
        askLine("Address: ", address) && askAnyNumber("He so luong: ", heSoLuong)) {
        std::cin.ignore(); // exactly one character, normally the line feed after the number
        askLine("Started Day: ", startedDay);
    }
}
