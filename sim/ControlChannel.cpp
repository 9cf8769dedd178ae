#include "ControlChannel.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace sim {

ControlChannel::ControlChannel(std::string path) : path_(std::move(path))
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path_.size() >= sizeof(addr.sun_path))
        throw std::runtime_error("control socket path too long: " + path_);
    std::memcpy(addr.sun_path, path_.c_str(), path_.size() + 1);
    unlink(path_.c_str());
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || listen(fd_, 8) != 0) {
        const std::string reason = std::strerror(errno);
        if (fd_ >= 0)
            close(fd_);
        throw std::runtime_error("cannot listen on " + path_ + ": " + reason);
    }
}

ControlChannel::~ControlChannel()
{
    if (fd_ >= 0) {
        close(fd_);
        unlink(path_.c_str());
    }
}

void ControlChannel::ServeOne(const std::function<std::string(const std::string&)>& handler)
{
    const int conn = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (conn < 0)
        return;
    std::string line;
    char buffer[512];
    // The client writes its command at once; a client that does not is dropped after a second.
    while (line.find('\n') == std::string::npos) {
        pollfd p{conn, POLLIN, 0};
        if (poll(&p, 1, 1000) <= 0)
            break;
        const ssize_t n = read(conn, buffer, sizeof(buffer));
        if (n <= 0)
            break;
        line.append(buffer, static_cast<std::size_t>(n));
    }
    if (const auto nl = line.find('\n'); nl != std::string::npos)
        line.resize(nl);
    const std::string reply = handler(line) + "\n";
    std::size_t sent = 0;
    while (sent < reply.size()) {
        const ssize_t n = send(conn, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += static_cast<std::size_t>(n);
    }
    close(conn);
}

} // namespace sim
