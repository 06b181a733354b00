#include "staff.h"

#include <limits>

namespace {

void discardRestOfLine()
{
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

bool askLine(const char* prompt, std::string& answer)
{
    std::cout << prompt;
    return static_cast<bool>(std::getline(std::cin, answer));
}

// Asks until the answer is a number; false when input ends first.
bool askNumber(const char* prompt, float& value)
{
    std::cout << prompt;
    while (!(std::cin >> value)) {
        if (std::cin.eof()) {
            return false;
        }
        std::cin.clear();
        discardRestOfLine();
        if (!std::cin.eof()) { // nobody is left to answer once the input has ended
            std::cout << prompt;
        }
    }
    return true;
}

} // namespace

void staff::setAllInformation()
{
    float answer = 0;
    if (askLine("Name: ", name) && askLine("Day of birth: ", dob) && askLine("ID: ", id) &&
        askLine("Address: ", address) && askNumber("He so luong: ", answer)) {
        salaryFactor = answer;
        std::cin.ignore(); // exactly one character, normally the line feed after the number
        askLine("Started Day: ", startedDay);
    }
}

void staff::askFigure(const char* prompt, float& figure)
{
    std::cout << prompt;
    float answer = 0;
    if (std::cin >> answer) {
        figure = answer;
    } else if (!std::cin.eof()) {
        std::cin.clear();
        discardRestOfLine();
    }
}
