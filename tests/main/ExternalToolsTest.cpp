// The external browser programs and the help file: their command lines, the programs started
// from the menu, the messages when they are missing; and the hexadecimal field check.
#include "ProgramTest.h"
#include "main/ExternalTools.h"
#include "main/NormalizeHexField.h"
#include "snmp/SnmpSettings.h"
#include "ui/Edit.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

// The command-line copies as the program reads its parameters.
SwitchCopies CopiesOf(const std::vector<std::string>& parameters)
{
    DefaultSecurity.Version = 0;
    SwitchCopies copies;
    ReadCommandLine(parameters, copies);
    return copies;
}

// A search path of one directory, put back when the test ends.
class SearchPath {
public:
    SearchPath() : saved_(qgetenv("PATH")) { qputenv("PATH", dir_.path().toUtf8()); }
    ~SearchPath() { qputenv("PATH", saved_); }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // A program of that name that writes its arguments, one per line, into name.args.
    void AddRecordingProgram(const QString& name) const
    {
        QFile script(Path(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nPATH=/usr/bin:/bin\n"
                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.part\"\n"
                     "mv \"$0.part\" \"$0.args\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
};

std::vector<std::string> Lines(const QString& path)
{
    std::ifstream file(path.toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// The main window of a start that reads nothing: the empty address is refused at once.
const std::vector<std::string> NoReadParameters = {"/I", "/v1", "/Rmy community", "/Wdef"};

} // namespace

TEST(ExternalTools, CommandLines)
{
    struct Case {
        std::vector<std::string> parameters;
        const char* pageSwitch;
        const char* line;
    };
    const Case cases[] = {
        {{"/I10.90.90.90", "/v1", "/Rabc", "/Wdef"}, "/TMIB_Info",
         "MIB /I10.90.90.90 /Rabc /Wdef /TMIB_Info"},
        // The copies hold what the command line gave, not the session's defaults.
        {{"/I10.90.90.90"}, "/TMIB_IFTable", "MIB /I10.90.90.90 /R /W /TMIB_IFTable"},
        {{"/I10.90.90.90", "/v3", "/nadmin", "/l3"}, "/TMIB_Info",
         "MIB /I10.90.90.90 /t /v3 /d /m /nadmin /l3 /a /p /A /P /c /TMIB_Info"},
        {{"/I10.1.1.1", "/v3", "/t1161", "/m3", "/nadmin", "/l3", "/a3", "/p2", "/Aauth", "/Ppriv",
          "/cctx", "/dengine"},
         "/TRmon_Statistics",
         "Rmon /I10.1.1.1 /t1161 /v3 /dengine /m3 /nadmin /l3 /a3 /p2 /Aauth /Ppriv /cctx /TRmon_Statistics"},
        {{"/I10.1.1.1", "/v0", "/Rpublic"}, "/TBridge_StaticFilter",
         "Bridge /I10.1.1.1 /Rpublic /W /TBridge_StaticFilter"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(BuildToolCommandLine(CopiesOf(c.parameters), c.pageSwitch), c.line);
    }
    // One argument per switch: a value with blanks stays whole.
    const ToolCommand command = ToolCommandFor(CopiesOf({"/I10.1.1.1", "/Rmy community"}), "/TMIB_ARP");
    EXPECT_EQ(command.Program, "MIB");
    EXPECT_EQ(command.Arguments, (std::vector<std::string>{"/I10.1.1.1", "/Rmy community", "/W", "/TMIB_ARP"}));
    DefaultSecurity.Version = 0;
}

class ExternalToolsWindow : public ProgramTest {};

TEST_F(ExternalToolsWindow, MenuItemsOfProgramsHelpRefreshAndAboutRun)
{
    const StartedMainWindow window(NoReadParameters);
    ClearMessageBoxes();
    // "Refresh" and "About" run too: their windows have landed.
    for (const char* item : {"Information3", "IfTable1", "ARPTable1", "Statistics1", "Help2", "RefreshPanel2", "About1"})
        EXPECT_TRUE(window->Menu().Item(item)->isEnabled()) << item;
}

TEST_F(ExternalToolsWindow, TheProgramReceivesOneArgumentPerSwitch)
{
    const SearchPath path;
    path.AddRecordingProgram("MIB");
    const StartedMainWindow window(NoReadParameters);
    ClearMessageBoxes();
    ClickMenuItem(MainForm, "IfTable1");
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(path.Path("MIB.args")); }));
    EXPECT_EQ(Lines(path.Path("MIB.args")),
              (std::vector<std::string>{"/I", "/Rmy community", "/Wdef", "/TMIB_IFTable"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(ExternalToolsWindow, AMissingProgramOrHelpFileIsReported)
{
    const SearchPath path; // holds no program
    const StartedMainWindow window(NoReadParameters);
    ClearMessageBoxes();
    ClickMenuItem(MainForm, "Statistics1");
    ClickMenuItem(MainForm, "Help2");
    ASSERT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(MessageBoxes()[0].Text,
              "The program Rmon was not found beside the module or on the search path.");
    EXPECT_EQ(MessageBoxes()[0].Owner, MainForm);
    EXPECT_NE(MessageBoxes()[1].Text.find(HelpFilePath()), std::string::npos) << MessageBoxes()[1].Text;
    EXPECT_NE(HelpFilePath().find("/Sorvane-Series-R1.10-NB-draft07-20140606-Xadre.hlp"), std::string::npos);
}

TEST(NormalizeHexField, PadsUpToFourHexDigits)
{
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"a1", true, "00A1"}, {"", true, "0000"}, {"fFfF", true, "FFFF"}, {"7", true, "0007"},
        {"12345", false, "12345"}, {"0x1", false, "0x1"}, {" a1", false, " a1"}, {"g", false, "g"},
    };
    for (const auto& [text, accepted, after] : cases) {
        SCOPED_TRACE(text);
        ui::Edit edit;
        edit.SetText(text);
        EXPECT_EQ(NormalizeHexField(&edit), accepted);
        EXPECT_EQ(edit.Text(), after);
    }
    EXPECT_FALSE(NormalizeHexField(nullptr));
}
