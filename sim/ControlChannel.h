#pragma once
// The agent's control channel: a UNIX stream socket that takes one command line per
// connection and answers one line.

#include <functional>
#include <string>

namespace sim {

class ControlChannel {
public:
    explicit ControlChannel(std::string path); // throws std::runtime_error when it cannot listen
    ~ControlChannel();
    ControlChannel(const ControlChannel&) = delete;
    ControlChannel& operator=(const ControlChannel&) = delete;

    int Fd() const { return fd_; }
    // Serves one waiting connection.
    void ServeOne(const std::function<std::string(const std::string&)>& handler);

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace sim
