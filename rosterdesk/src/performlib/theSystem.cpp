#include "lib/theSystem.h"

#include <iostream>

#include "lib/myInformation.h"
#include "lib/readInput.h"

namespace {

void writeMenu()
{
    std::cout << "What part of staff you want to save information" << std::endl;
    std::cout << "1. Manager" << std::endl;
    std::cout << "2. Programmer" << std::endl;
    std::cout << "3. Designer" << std::endl;
    std::cout << "4. Tester" << std::endl;
}

void takeRecord(int choice, std::vector<staff*>& personnel, addInfo factory)
{
    switch (choice) {
    case 1:
        myManagerInformation(personnel, factory);
        break;
    case 2:
        myProgrammerInformation(personnel, factory);
        break;
    case 3:
        myDesignerInformation(personnel, factory);
        break;
    case 4:
        myTesterInformation(personnel, factory);
        break;
    default:
        std::cout << "DON'T EXIST" << std::endl;
        break;
    }
}

} // namespace

void mySystem(std::vector<staff*>& personnel)
{
    addInfo factory;
    char ans = 'y';
    while (ans == 'y') {
        writeMenu();
        int choice = 0;
        if (!askAnyNumber("Type here: ", choice)) {
            return;
        }
        std::cin.ignore(); // exactly one character, normally the line feed after the number
        takeRecord(choice, personnel, factory);
        if (!std::cin) {
            return; // input ended inside the record
        }
        writePrompt("Do you want to do again('y' for yes and 'n' for no): ");
        // One character, blanks and line breaks before it skipped. Whatever follows it on the
        // line stays in the input for the next read: after "y5" the 5 is the next choice.
        if (!(std::cin >> ans)) {
            return;
        }
    }
}
