#pragma once

#include <functional>
#include <string>

// Puts `input` behind std::cin and catches everything written to std::cout while `action`
// runs; both streams are restored afterwards, with their error state cleared.
std::string runWithConsole(const std::string& input, const std::function<void()>& action);
