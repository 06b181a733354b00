#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Puts `input` behind std::cin and catches everything written to std::cout while `action`
// runs; both streams are restored afterwards, with their error state cleared, on every path
// (an exception from `action` included).
std::string runWithConsole(const std::string& input, const std::function<void()>& action);

// What `action` wrote, and at which points of it std::cout was flushed: each entry is the
// number of characters written before that flush. A std::endl, a std::flush and the flush
// that std::cin makes before each read (std::cin is tied to std::cout) are all recorded.
struct FlushedConsole {
    std::string output;
    std::vector<std::size_t> flushedAt;

    // True when the output was flushed just after its first `length` characters.
    bool flushedAfter(std::size_t length) const;
};
FlushedConsole runRecordingFlushes(const std::string& input, const std::function<void()>& action);
