#include "consoleCapture.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace {

// An output buffer that notes how much had been written each time it is synchronised.
class FlushRecordingBuffer : public std::stringbuf {
  public:
    std::vector<std::size_t> flushedAt;

  protected:
    int sync() override
    {
        flushedAt.push_back(str().size());
        return 0;
    }
};

// Redirects std::cin and std::cout for its lifetime and restores them when it ends.
class ConsoleRedirect {
  public:
    ConsoleRedirect(std::streambuf* input, std::streambuf* output)
        : oldInput(std::cin.rdbuf(input)), oldOutput(std::cout.rdbuf(output))
    {
        std::cin.clear();
    }
    ~ConsoleRedirect()
    {
        std::cin.rdbuf(oldInput);
        std::cout.rdbuf(oldOutput);
        std::cin.clear();
        std::cout.clear();
    }
    ConsoleRedirect(const ConsoleRedirect&) = delete;
    ConsoleRedirect& operator=(const ConsoleRedirect&) = delete;

  private:
    std::streambuf* oldInput;
    std::streambuf* oldOutput;
};

} // namespace

std::string runWithConsole(const std::string& input, const std::function<void()>& action)
{
    return runRecordingFlushes(input, action).output;
}

FlushedConsole runRecordingFlushes(const std::string& input, const std::function<void()>& action)
{
    std::istringstream scriptedInput(input);
    FlushRecordingBuffer caught;
    {
        const ConsoleRedirect redirect(scriptedInput.rdbuf(), &caught);
        action();
    }
    return FlushedConsole{caught.str(), caught.flushedAt};
}

bool FlushedConsole::flushedAfter(std::size_t length) const
{
    return std::find(flushedAt.begin(), flushedAt.end(), length) != flushedAt.end();
}
