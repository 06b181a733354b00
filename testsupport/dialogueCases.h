#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// One turn of an answer-by-answer case: the text that the program must have written, and
// flushed, by the time it waits for input, and the answer typed once that text has arrived.
struct Turn {
    std::string prompt;
    std::string answer;
};

// One dialogue case of a program, as a cases file holds it (see readDialogueCases).
struct DialogueCase {
    std::string name;               // letters, digits and underscores
    bool fixedByExercise = false;   // false: a choice of this suite
    bool answerByAnswer = false;    // a conversation: turns instead of one piped input
    std::string input;              // piped cases: all of standard input, given at once
    std::vector<Turn> turns;        // answer-by-answer cases; the input is closed after them
    std::string output;             // the whole standard output, or after the turns' prompts
    bool outputIsBeginning = false; // the output must begin with `output`; the rest is free
    int status = 0;
};

inline void PrintTo(const DialogueCase& dialogueCase, std::ostream* os)
{
    *os << dialogueCase.name;
}

class CasesFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a cases file. Its lines:
//
//   # a comment
//   define NAME VALUE          a name for a text, used in the values that follow
//   case NAME KIND             a piped case: all input given at once
//   conversation NAME KIND     an answer-by-answer case
//   input VALUE                (case) what is typed
//   prompt VALUE               (conversation) what must have arrived before the next answer
//   answer VALUE               (conversation) the answer typed once it has
//   output VALUE               all that the program writes (after the prompts, in a
//                              conversation)
//   output-begins VALUE        what the program's output begins with; the rest is not judged
//   status N                   the exit status, 0 unless given
//
// KIND is "exercise" for what the exercise itself fixes and "suite" for a choice of this
// suite. A VALUE is a run of texts in double quotes (with the escapes \n \t \r \\ \" and \xHH)
// and defined NAMEs, joined; a line that starts with a blank continues the value above it.
// Throws CasesFileError, naming the file and line, on anything else.
std::vector<DialogueCase> readDialogueCases(const std::string& path);

// The same, from the text of a cases file; `origin` names it in errors.
std::vector<DialogueCase> parseDialogueCases(const std::string& text, const std::string& origin);

// All that a case types: its piped input, or the answers of its turns one after another.
std::string allInputOf(const DialogueCase& dialogueCase);

// A text as it would be written in a cases file: in double quotes, with every invisible
// character escaped.
std::string quotedText(const std::string& text);
