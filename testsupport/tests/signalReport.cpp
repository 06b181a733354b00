// Writes how this process found SIGPIPE: "default" or "ignored". The runner's tests start it
// from a test process that ignores SIGPIPE, and expect "default".
#include <csignal>
#include <iostream>

int main()
{
    struct sigaction current {};
    sigaction(SIGPIPE, nullptr, &current);
    std::cout << (current.sa_handler == SIG_IGN ? "ignored" : "default");
    return 0;
}
