#include "support/SimSwitch.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* SimBinary = SORVANE_BINARY_DIR "/sim/sorvane-sim";

// A loopback address of its own for each agent (127.0.0.2 to 127.0.0.254) and a port the
// kernel reports free on it; parallel test programs do not meet.
std::string PickAddress()
{
    static std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(getpid()));
    return "127.0.0." + std::to_string(2 + random() % 253);
}

int PickPort(const std::string& address)
{
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    inet_pton(AF_INET, address.c_str(), &addr.sin_addr);
    socklen_t length = sizeof(addr);
    int port = 0;
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length) == 0)
        port = ntohs(addr.sin_port);
    if (fd >= 0)
        close(fd);
    return port;
}

bool Exited(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

} // namespace

SimSwitch::SimSwitch(const SimSwitchOptions& options) : options_(options)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvane-sim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("SimSwitch: cannot create a state directory");
    stateDir_ = pattern;
    // A port can be taken between the check and the agent's bind; try a few addresses.
    for (int attempt = 0; attempt < 5 && pid_ < 0; ++attempt) {
        address_ = PickAddress();
        port_ = PickPort(address_);
        if (port_ != 0)
            Start();
    }
    if (pid_ < 0) {
        std::filesystem::remove_all(stateDir_);
        throw std::runtime_error("SimSwitch: the simulated switch did not start");
    }
}

SimSwitch::~SimSwitch()
{
    Stop();
    std::error_code ec;
    std::filesystem::remove_all(stateDir_, ec);
}

std::string SimSwitch::Endpoint() const
{
    return "udp:" + address_ + ":" + std::to_string(port_);
}

std::string SimSwitch::DataFile(const std::string& name)
{
    return std::string(SORVANE_SOURCE_DIR) + "/tests/support/data/" + name;
}

void SimSwitch::Start()
{
    std::vector<std::string> args = {SimBinary, "--model", options_.model, "--listen", Endpoint(),
                                     "--state-dir", stateDir_};
    args.insert(args.end(), options_.extraArgs.begin(), options_.extraArgs.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("SimSwitch: fork failed");
    if (pid == 0) {
        // The agent dies with the test program, even when that crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        const int devnull = open("/dev/null", O_WRONLY);
        if (devnull >= 0)
            dup2(devnull, STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    pid_ = pid;

    // Ready when the control channel answers: the SNMP socket is bound before it opens.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Exited(pid_)) {
            pid_ = -1;
            return;
        }
        if (Control("ping") == "pong")
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    Stop();
}

void SimSwitch::Stop()
{
    if (pid_ < 0)
        return;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    bool gone = false;
    while (!(gone = Exited(pid_)) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!gone) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

void SimSwitch::Restart()
{
    Stop();
    Start();
    if (pid_ < 0)
        throw std::runtime_error("SimSwitch: the simulated switch did not restart");
}

std::string SimSwitch::Control(const std::string& command)
{
    const std::string path = stateDir_ + "/control";
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof(addr.sun_path))
        return "error: control path too long";
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return "error: no socket";
    const timeval timeout{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
        close(fd);
        return "error: no agent";
    }
    const std::string line = command + "\n";
    if (send(fd, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) {
        close(fd);
        return "error: cannot send";
    }
    std::string reply;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof(buffer))) > 0)
        reply.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r'))
        reply.pop_back();
    return reply;
}

std::string SetJournalBinding::Octets() const
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2)
        bytes += static_cast<char>(std::stoi(value.substr(i, 2), nullptr, 16));
    return bytes;
}

std::vector<SetJournalPdu> SimSwitch::SetJournal()
{
    std::vector<SetJournalPdu> pdus;
    std::istringstream lines(Control("journal"));
    std::string line;
    while (std::getline(lines, line)) {
        SetJournalPdu pdu;
        std::istringstream fields(line);
        std::string word;
        fields >> word; // "set"
        SetJournalBinding binding;
        std::string type;
        while (fields >> binding.oid >> type >> binding.value) {
            binding.type = type.empty() ? 0 : type[0];
            if (binding.value == "\"\"")
                binding.value.clear();
            pdu.push_back(binding);
        }
        pdus.push_back(std::move(pdu));
    }
    return pdus;
}

std::vector<int> SimSwitch::SetJournalStatuses()
{
    std::vector<int> statuses;
    std::istringstream lines(Control("journal"));
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t at = line.rfind(" status=");
        statuses.push_back(at == std::string::npos ? 0 : std::stoi(line.substr(at + 8)));
    }
    return statuses;
}

void SimSwitch::ClearSetJournal()
{
    Control("journal clear");
}

std::vector<std::vector<std::string>> SimSwitch::TakeSetJournal()
{
    std::vector<std::vector<std::string>> pdus;
    for (const SetJournalPdu& pdu : SetJournal()) {
        std::vector<std::string> bindings;
        for (const SetJournalBinding& b : pdu)
            bindings.push_back(b.oid + "=" + b.value);
        pdus.push_back(bindings);
    }
    ClearSetJournal();
    return pdus;
}
