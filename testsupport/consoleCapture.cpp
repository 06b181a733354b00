#include "consoleCapture.h"

#include <algorithm>
#include <iostream>
#include <iterator>

int ScriptedConsole::FlushRecordingBuffer::sync()
{
    flushes.push_back(str().size());
    return 0;
}

ScriptedConsole::ScriptedConsole(const std::string& input)
    : scriptedInput(input), oldInput(std::cin.rdbuf(scriptedInput.rdbuf())),
      oldOutput(std::cout.rdbuf(&caught)), oldErrors(std::cerr.rdbuf(&caughtErrors))
{
    std::cin.clear();
}

ScriptedConsole::~ScriptedConsole()
{
    std::cin.rdbuf(oldInput);
    std::cout.rdbuf(oldOutput);
    std::cerr.rdbuf(oldErrors);
    std::cin.clear();
    std::cout.clear();
    std::cerr.clear();
}

void ScriptedConsole::type(const std::string& input)
{
    scriptedInput.str(input);
    scriptedInput.clear();
    std::cin.clear();
}

std::string ScriptedConsole::output() const
{
    return caught.str();
}

std::string ScriptedConsole::errors() const
{
    return caughtErrors.str();
}

std::string ScriptedConsole::remainingInput()
{
    std::cin.clear();
    return std::string(std::istreambuf_iterator<char>(std::cin), {});
}

const std::vector<std::size_t>& ScriptedConsole::flushedAt() const
{
    return caught.flushes;
}

std::string runWithConsole(const std::string& input, const std::function<void()>& action)
{
    return runRecordingFlushes(input, action).output;
}

FlushedConsole runRecordingFlushes(const std::string& input, const std::function<void()>& action)
{
    const ScriptedConsole console(input);
    action();
    return FlushedConsole{console.output(), console.flushedAt()};
}

bool FlushedConsole::flushedAfter(std::size_t length) const
{
    return std::find(flushedAt.begin(), flushedAt.end(), length) != flushedAt.end();
}
