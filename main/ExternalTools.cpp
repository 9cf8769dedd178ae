#include "main/ExternalTools.h"

#include "snmp/SnmpSettings.h"
#include "ui/Text.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {

const char* const HelpFileName = "Sorvane-Series-R1.10-NB-draft07-20140606-Xadre.hlp";

} // namespace

ToolCommand ToolCommandFor(const SwitchCopies& copies, const std::string& pageSwitch)
{
    ToolCommand command;
    const std::size_t underscore = pageSwitch.find('_');
    if (underscore != std::string::npos && underscore > 2)
        command.Program = pageSwitch.substr(2, underscore - 2);
    std::vector<std::string>& args = command.Arguments;
    args.push_back("/I" + copies.AddressText);
    if (copies.VersionText == "3" || DefaultSecurity.Version == 3) {
        args.insert(args.end(), {"/t" + copies.PortText, "/v" + copies.VersionText,
                                 "/d" + copies.ContextEngineIdText, "/m" + copies.SecurityModelText,
                                 "/n" + copies.SecurityNameText, "/l" + copies.SecurityLevelText,
                                 "/a" + copies.AuthProtocolText, "/p" + copies.PrivProtocolText,
                                 "/A" + copies.AuthPasswordText, "/P" + copies.PrivPasswordText,
                                 "/c" + copies.ContextNameText});
    } else {
        args.insert(args.end(), {"/R" + copies.ReadCommunityText, "/W" + copies.WriteCommunityText});
    }
    args.push_back(pageSwitch);
    return command;
}

std::string BuildToolCommandLine(const SwitchCopies& copies, const std::string& pageSwitch)
{
    const ToolCommand command = ToolCommandFor(copies, pageSwitch);
    std::string line = command.Program;
    for (const std::string& argument : command.Arguments)
        line += " " + argument;
    return line;
}

std::string FindToolProgram(const std::string& program)
{
    if (program.empty())
        return {};
    const QString name = ui::ToQString(program);
    QString path = QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name);
    return ui::ToStdString(path);
}

std::string HelpFilePath()
{
    return ui::ToStdString(QCoreApplication::applicationDirPath()) + "/" + HelpFileName;
}
