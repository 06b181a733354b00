// Bracket check: two routines that judge texts of brackets, isValid (every bracket closed by
// one of its kind, innermost first) and isAllRoundBracket (round brackets only, pairing up).
// The program itself calls neither: it writes the character code of "}", 125, and ends.
#include <iostream>
#include <string>

// True when the brackets of one kind, taken on their own, pair up: at no point are more
// closed than opened, and all are closed at the end.
bool pairsUp(const std::string& brackets, char opening)
{
    int open = 0;
    for (char bracket : brackets) {
        open += bracket == opening ? 1 : -1;
        if (open < 0) {
            return false;
        }
    }
    return open == 0;
}

char openingOf(char closing)
{
    switch (closing) {
    case ')':
        return '(';
    case ']':
        return '[';
    default:
        return '{';
    }
}

// True when every closing bracket closes the innermost bracket still open, and that one is
// of its own kind. Characters that are not brackets are skipped.
bool nestsProperly(const std::string& text)
{
    std::string stillOpen; // the open brackets, innermost last
    for (char c : text) {
        if (c == '(' || c == '[' || c == '{') {
            stillOpen.push_back(c);
        } else if (c == ')' || c == ']' || c == '}') {
            if (stillOpen.empty() || stillOpen.back() != openingOf(c)) {
                return false;
            }
            stillOpen.pop_back();
        }
    }
    return stillOpen.empty();
}

// True when the brackets of the text are balanced: "()", "([]){}" and "(a)b" are; "([)]",
// ")(" and "(]" are not. A text of odd length never is, whatever its characters.
bool isValid(std::string text)
{
    if (text.length() % 2 != 0) {
        return false;
    }
    // The brackets of each kind, in text order; every other character is skipped.
    std::string round;
    std::string square;
    std::string curly;
    for (char c : text) {
        if (c == '(' || c == ')') {
            round.push_back(c);
        } else if (c == '[' || c == ']') {
            square.push_back(c);
        } else if (c == '{' || c == '}') {
            curly.push_back(c);
        }
    }
    // Each kind must pair up on its own, and the kinds must also nest inside one another.
    return pairsUp(round, '(') && pairsUp(square, '[') && pairsUp(curly, '{') &&
           nestsProperly(text);
}

// True when the text begins with "(", holds nothing but round brackets, and they pair up:
// "(())" and "()()" are; "(()", "([])" and "(a)" are not, and neither is the empty text.
bool isAllRoundBracket(std::string text)
{
    if (text.empty() || text[0] != '(') {
        return false;
    }
    for (char c : text) {
        if (c != '(' && c != ')') {
            return false;
        }
    }
    return pairsUp(text, '(');
}

int main()
{
    std::cout << static_cast<int>('}'); // the character code of the closing curly bracket
    return 0;
}
