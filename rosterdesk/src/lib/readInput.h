#pragma once

#include <iostream>
#include <limits>
#include <string>

// How the register reads its answers. A number that cannot be read (letters, a lone sign,
// a value outside the type's range) has the rest of its line discarded and is asked for
// again with `retryPrompt`. At the end of input every read returns false and the stream
// stays failed, so the caller stops asking.

inline void discardRestOfLine()
{
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

template <typename Number>
bool readNumber(Number& value, const char* retryPrompt)
{
    while (!(std::cin >> value)) {
        if (std::cin.eof()) {
            return false;
        }
        std::cin.clear();
        discardRestOfLine();
        if (!std::cin.eof()) { // nobody is left to answer once the input has ended
            std::cout << retryPrompt;
        }
    }
    return true;
}

// Writes the prompt (the input is tied to the output, so it is flushed before the read)
// and reads a number, writing the same prompt again after an answer that is not one.
template <typename Number>
bool askNumber(const char* prompt, Number& value)
{
    std::cout << prompt;
    return readNumber(value, prompt);
}

// Writes the prompt and reads a whole line, blanks included, without its line feed.
inline bool askLine(const char* prompt, std::string& answer)
{
    std::cout << prompt;
    return static_cast<bool>(std::getline(std::cin, answer));
}
