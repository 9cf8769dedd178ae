#include "support/SnmpTools.h"

#include "support/SimSwitch.h"

#include <filesystem>
#include <stdexcept>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// The tools' persistent directory, removed when the test program ends.
class PrivateDirectory {
public:
    PrivateDirectory()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "sorvane-tools-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a directory for the SNMP tools");
        path_ = pattern;
        std::error_code ec;
        std::filesystem::create_directories(path_ + "/cert_indexes", ec); // else the tools report creating it
    }
    ~PrivateDirectory()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace

ToolResult RunSnmpTool(const std::string& tool, const std::vector<std::string>& args)
{
    static const PrivateDirectory directory;
    const std::string& dir = directory.Path();
    std::vector<std::string> all = {tool};
    if (tool != "snmptable") // snmptable needs object names for its columns
        all.push_back("-On");
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        setenv("MIBS", "", 1);
        setenv("SNMP_PERSISTENT_DIR", dir.c_str(), 1);
        setenv("SNMPCONFPATH", dir.c_str(), 1);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    ToolResult result;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof(buffer))) > 0)
        result.output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    return result;
}

std::vector<std::string> SimSecurityArgs(const std::string& name)
{
    using namespace SimCredentials;
    if (name == "v1")
        return {"-v1", "-c", ReadCommunity};
    if (name == "v2c")
        return {"-v2c", "-c", ReadCommunity};
    if (name == "v1-write")
        return {"-v1", "-c", WriteCommunity};
    if (name == "v2c-write")
        return {"-v2c", "-c", WriteCommunity};
    if (name == "noAuthNoPriv")
        return {"-v3", "-l", "noAuthNoPriv", "-u", NoAuthUser};
    if (name == "authNoPriv-MD5")
        return {"-v3", "-l", "authNoPriv", "-u", Md5AuthUser, "-a", "MD5", "-A", AuthPassword};
    if (name == "authNoPriv-SHA")
        return {"-v3", "-l", "authNoPriv", "-u", ShaAuthUser, "-a", "SHA", "-A", AuthPassword};
    if (name == "authPriv-MD5-DES")
        return {"-v3", "-l", "authPriv", "-u", Md5PrivUser, "-a", "MD5", "-A", AuthPassword,
                "-x", "DES", "-X", PrivPassword};
    if (name == "authPriv-SHA-DES")
        return {"-v3", "-l", "authPriv", "-u", ShaPrivUser, "-a", "SHA", "-A", AuthPassword,
                "-x", "DES", "-X", PrivPassword};
    throw std::invalid_argument("unknown security: " + name);
}
