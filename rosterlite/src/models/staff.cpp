#include "staff.h"

#include <iostream>
#include <limits>

namespace {

// ---- Input policy: this block is the same in every program that reads numbers ----
// An answer that is not a number (letters, a lone sign, a value outside the type's range)
// has the rest of its line discarded and is asked for again. Once the input has ended no
// prompt is written any more: nobody is left to answer it.

// Writes a prompt or a retry message, unless the input has already ended.
void writePrompt(const char* text)
{
    if (!std::cin.eof()) {
        std::cout << text; // std::cin is tied to std::cout: it is flushed before each read
    }
}

void discardRestOfLine()
{
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

// Reads one number, writing `retryPrompt` after every answer that is not a number. False
// when the input ends first.
template <typename Number>
bool readNumber(Number& value, const char* retryPrompt)
{
    while (!(std::cin >> value)) {
        if (std::cin.eof()) {
            return false;
        }
        std::cin.clear();
        discardRestOfLine();
        writePrompt(retryPrompt);
    }
    return true;
}

// Writes `prompt` and reads a number until `isAcceptable` holds for it, writing
// `retryPrompt` before each new read. False when the input ends first.
template <typename Number, typename Check>
bool askNumber(const char* prompt, const char* retryPrompt, Number& value, Check isAcceptable)
{
    writePrompt(prompt);
    if (!readNumber(value, retryPrompt)) {
        return false;
    }
    while (!isAcceptable(value)) {
        writePrompt(retryPrompt);
        if (!readNumber(value, retryPrompt)) {
            return false;
        }
    }
    return true;
}
// ---- End of the input policy ----

// Every salary factor is accepted: an answer is asked for again only when it is not a number.
bool anyFactor(float)
{
    return true;
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

} // namespace

void staff::setAllInformation()
{
    float answer = 0;
    if (askLine("Name: ", name) && askLine("Day of birth: ", dob) && askLine("ID: ", id) &&
        askLine("Address: ", address) &&
        askNumber("He so luong: ", "He so luong: ", answer, anyFactor)) {
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
