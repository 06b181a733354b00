#pragma once

#include <cstddef>
#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

// While it lives, std::cin reads a scripted text, std::cout writes into a buffer that also
// notes where it was flushed, and std::cerr into a buffer of its own. The streams are
// restored, with their error state cleared, when it ends, on every path (an exception
// included).
class ScriptedConsole {
  public:
    explicit ScriptedConsole(const std::string& input = "");
    ~ScriptedConsole();
    ScriptedConsole(const ScriptedConsole&) = delete;
    ScriptedConsole& operator=(const ScriptedConsole&) = delete;

    // Replaces what is left to read with `input`.
    void type(const std::string& input);
    // Everything written to std::cout so far, and to std::cerr.
    std::string output() const;
    std::string errors() const;
    // What is left of the input: shows what has been read.
    std::string remainingInput();
    // The number of characters written before each flush of std::cout. A std::endl, a
    // std::flush and the flush that std::cin makes before each read (std::cin is tied to
    // std::cout) are all recorded.
    const std::vector<std::size_t>& flushedAt() const;

  private:
    class FlushRecordingBuffer : public std::stringbuf {
      public:
        std::vector<std::size_t> flushes;

      protected:
        int sync() override;
    };

    std::istringstream scriptedInput;
    FlushRecordingBuffer caught;
    std::stringbuf caughtErrors;
    std::streambuf* oldInput;
    std::streambuf* oldOutput;
    std::streambuf* oldErrors;
};

// Runs `action` with `input` behind std::cin and returns what it wrote to std::cout.
std::string runWithConsole(const std::string& input, const std::function<void()>& action);

// What `action` wrote, and at which points of it std::cout was flushed.
struct FlushedConsole {
    std::string output;
    std::vector<std::size_t> flushedAt;

    // True when the output was flushed just after its first `length` characters.
    bool flushedAfter(std::size_t length) const;
};
FlushedConsole runRecordingFlushes(const std::string& input, const std::function<void()>& action);
