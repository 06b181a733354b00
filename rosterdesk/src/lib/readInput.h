#pragma once

#include <iostream>
#include <limits>
#include <string>

// How the register reads its answers: the input policy that every program of the suite
// shares, then the two reads of its own. At the end of input every read returns false and
// the stream stays failed, so the caller stops asking.

// ---- Input policy: this block is the same in every program that reads numbers ----
// An answer that is not a number (letters, a lone sign, a value outside the type's range)
// has the rest of its line discarded and is asked for again. Once the input has ended no
// prompt is written any more: nobody is left to answer it.

// Writes a prompt or a retry message, unless the input has already ended.
inline void writePrompt(const char* text)
{
    if (!std::cin.eof()) {
        std::cout << text; // std::cin is tied to std::cout: it is flushed before each read
    }
}

inline void discardRestOfLine()
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

// Writes the prompt and reads a number of any value; an answer that is not a number gets
// the same prompt again.
template <typename Number>
bool askAnyNumber(const char* prompt, Number& value)
{
    return askNumber(prompt, prompt, value, [](Number) { return true; });
}

// Writes the prompt and reads a whole line, blanks included, without its line feed.
inline bool askLine(const char* prompt, std::string& answer)
{
    writePrompt(prompt);
    return static_cast<bool>(std::getline(std::cin, answer));
}
