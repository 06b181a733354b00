#include "consoleCapture.h"

#include <iostream>
#include <sstream>

std::string runWithConsole(const std::string& input, const std::function<void()>& action)
{
    std::istringstream scriptedInput(input);
    std::ostringstream caught;
    std::streambuf* oldInput = std::cin.rdbuf(scriptedInput.rdbuf());
    std::streambuf* oldOutput = std::cout.rdbuf(caught.rdbuf());
    std::cin.clear();
    action();
    std::cin.rdbuf(oldInput);
    std::cout.rdbuf(oldOutput);
    std::cin.clear();
    std::cout.clear();
    return caught.str();
}
