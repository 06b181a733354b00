#include "dialogueCases.h"

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// Reads the values and keywords of one cases file, line by line.
class CasesReader {
  public:
    explicit CasesReader(std::string originName) : origin(std::move(originName)) {}

    std::vector<DialogueCase> read(const std::string& text)
    {
        std::istringstream lines(text);
        std::string line;
        std::vector<std::string> logical; // lines with their continuations joined
        std::vector<int> lineNumbers;
        int number = 0;
        while (std::getline(lines, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
                const std::size_t start = line.find_first_not_of(" \t");
                if (start == std::string::npos) {
                    continue; // a blank line
                }
                if (logical.empty() || line[start] == '#') {
                    if (line[start] == '#') {
                        continue;
                    }
                    fail(number, "a continuation line with nothing to continue");
                }
                logical.back() += ' ';
                logical.back().append(line, start);
                continue;
            }
            if (line.empty() || line[0] == '#') {
                continue;
            }
            logical.push_back(line);
            lineNumbers.push_back(number);
        }
        for (std::size_t i = 0; i < logical.size(); ++i) {
            takeLine(lineNumbers[i], logical[i]);
        }
        finishCase(number);
        return cases;
    }

  private:
    std::string origin;
    std::map<std::string, std::string> defines;
    std::vector<DialogueCase> cases;
    bool inCase = false;
    bool awaitingAnswer = false;
    bool hasOutput = false;

    [[noreturn]] void fail(int line, const std::string& problem) const
    {
        throw CasesFileError(origin + ":" + std::to_string(line) + ": " + problem);
    }

    void takeLine(int line, const std::string& text)
    {
        const std::size_t blank = text.find(' ');
        const std::string keyword = text.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : text.substr(blank + 1);
        if (keyword == "define") {
            const std::size_t nameEnd = rest.find(' ');
            const std::string name = rest.substr(0, nameEnd);
            if (!isName(name) || nameEnd == std::string::npos) {
                fail(line, "define needs a name and a value");
            }
            defines[name] = value(line, rest.substr(nameEnd + 1));
        } else if (keyword == "case" || keyword == "conversation") {
            finishCase(line);
            startCase(line, rest, keyword == "conversation");
        } else if (!inCase) {
            fail(line, "\"" + keyword + "\" outside a case");
        } else {
            takeField(line, keyword, rest);
        }
    }

    void startCase(int line, const std::string& rest, bool conversation)
    {
        std::istringstream words(rest);
        std::string name;
        std::string kind;
        std::string extra;
        words >> name >> kind;
        if (!isName(name) || (kind != "exercise" && kind != "suite") || (words >> extra)) {
            fail(line, "expected: case|conversation NAME exercise|suite");
        }
        for (const DialogueCase& earlier : cases) {
            if (earlier.name == name) {
                fail(line, "a second case named " + name);
            }
        }
        DialogueCase started;
        started.name = name;
        started.fixedByExercise = kind == "exercise";
        started.answerByAnswer = conversation;
        cases.push_back(started);
        inCase = true;
        awaitingAnswer = false;
        hasOutput = false;
    }

    void takeField(int line, const std::string& keyword, const std::string& rest)
    {
        DialogueCase& current = cases.back();
        if (keyword == "input" && !current.answerByAnswer) {
            current.input = value(line, rest);
        } else if (keyword == "prompt" && current.answerByAnswer && !awaitingAnswer && !hasOutput) {
            current.turns.push_back({value(line, rest), ""});
            awaitingAnswer = true;
        } else if (keyword == "answer" && awaitingAnswer) {
            current.turns.back().answer = value(line, rest);
            awaitingAnswer = false;
        } else if ((keyword == "output" || keyword == "output-begins") && !awaitingAnswer &&
                   !hasOutput) {
            current.output = value(line, rest);
            current.outputIsBeginning = keyword == "output-begins";
            hasOutput = true;
        } else if (keyword == "status" && isNumber(rest)) {
            current.status = std::stoi(rest);
        } else {
            fail(line, "\"" + keyword + "\" does not belong here");
        }
    }

    void finishCase(int line)
    {
        if (!inCase) {
            return;
        }
        if (awaitingAnswer) {
            fail(line, cases.back().name + ": a prompt without its answer");
        }
        if (!hasOutput) {
            fail(line, cases.back().name + ": no output");
        }
        inCase = false;
    }

    static bool isName(const std::string& word)
    {
        if (word.empty()) {
            return false;
        }
        for (const char c : word) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
                return false;
            }
        }
        return true;
    }

    static bool isNumber(const std::string& word)
    {
        if (word.empty() || word.size() > 3) {
            return false;
        }
        for (const char c : word) {
            if (!std::isdigit(static_cast<unsigned char>(c))) {
                return false;
            }
        }
        return true;
    }

    // Joins the quoted texts and defined names of a value.
    std::string value(int line, const std::string& text) const
    {
        std::string joined;
        std::size_t at = 0;
        while (true) {
            at = text.find_first_not_of(' ', at);
            if (at == std::string::npos) {
                return joined;
            }
            if (text[at] == '"') {
                at = quoted(line, text, at + 1, joined);
                continue;
            }
            const std::size_t end = text.find(' ', at);
            const std::string name = text.substr(at, end - at);
            const auto defined = defines.find(name);
            if (defined == defines.end()) {
                fail(line, "\"" + name + "\" is not defined");
            }
            joined += defined->second;
            at = end;
        }
    }

    // Reads a quoted text that starts at `at`, after its opening quote; returns the position
    // after its closing quote.
    std::size_t quoted(int line, const std::string& text, std::size_t at, std::string& into) const
    {
        while (at < text.size() && text[at] != '"') {
            if (text[at] != '\\') {
                into += text[at++];
                continue;
            }
            if (++at >= text.size()) {
                break;
            }
            const char escape = text[at++];
            switch (escape) {
            case 'n':
                into += '\n';
                break;
            case 't':
                into += '\t';
                break;
            case 'r':
                into += '\r';
                break;
            case '\\':
            case '"':
                into += escape;
                break;
            case 'x':
                if (at + 2 > text.size() || !std::isxdigit(static_cast<unsigned char>(text[at])) ||
                    !std::isxdigit(static_cast<unsigned char>(text[at + 1]))) {
                    fail(line, "\\x needs two hexadecimal digits");
                }
                into += static_cast<char>(std::stoi(text.substr(at, 2), nullptr, 16));
                at += 2;
                break;
            default:
                fail(line, std::string("unknown escape \\") + escape);
            }
        }
        if (at >= text.size()) {
            fail(line, "a text without its closing quote");
        }
        return at + 1;
    }
};

} // namespace

std::vector<DialogueCase> parseDialogueCases(const std::string& text, const std::string& origin)
{
    return CasesReader(origin).read(text);
}

std::vector<DialogueCase> readDialogueCases(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw CasesFileError(path + ": cannot be read");
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseDialogueCases(text.str(), path);
}

std::string allInputOf(const DialogueCase& dialogueCase)
{
    std::string input = dialogueCase.input;
    for (const Turn& turn : dialogueCase.turns) {
        input += turn.answer;
    }
    return input;
}

std::string quotedText(const std::string& text)
{
    static const char digits[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\\' || c == '"') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            quoted += "\\x";
            quoted += digits[byte >> 4];
            quoted += digits[byte & 0x0f];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}
