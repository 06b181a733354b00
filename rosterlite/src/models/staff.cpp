#include "staff.h"

#include <iostream>
#include <limits>

namespace {

// Writes a prompt, unless the input has already ended: nobody is left to answer it then.
void writePrompt(const char* text)
{
    if (!std::cin.eof()) {
        std::cout << text;
    }
}

void discardRestOfLine()
{
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

// Reads a whole line into `answer`. At the end of input `answer` keeps its value.
bool askLine(const char* prompt, std::string& answer)
{
    writePrompt(prompt);
    std::string line;
    if (!std::getline(std::cin, line)) {
        return false;
    }
    answer = line;
    return true;
}

// Asks until the answer is a number; false when input ends first.
bool askNumber(const char* prompt, float& value)
{
    writePrompt(prompt);
    while (!(std::cin >> value)) {
        if (std::cin.eof()) {
            return false;
        }
        std::cin.clear();
        discardRestOfLine();
        writePrompt(prompt);
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
    writePrompt(prompt);
    float answer = 0;
    if (std::cin >> answer) {
        figure = answer;
    } else if (!std::cin.eof()) {
        std::cin.clear();
        discardRestOfLine();
    }
}

void staff::writeRefusal()
{
    std::cout << "Don't have this feature in this staff";
}
