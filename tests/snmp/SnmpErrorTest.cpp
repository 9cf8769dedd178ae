#include "snmp/Exception.h"
#include "snmp/SnmpError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

TEST(SnmpError, StatusesMapToCodesAndTexts)
{
    struct Case {
        int status;
        int code;
        const char* message;
    };
    for (const Case& c : std::initializer_list<Case>{
             {0, 0, "Ok!"},
             {1400, 0, "Ok!"},
             {-1401, 0, "Ok!"},
             {-1400, -528, "Unknown error code!"},
             {1, -101, "(SNMP) Response PDU Too Big!"},
             {2, -102, "(SNMP) Variable does not exist!"},
             {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
             {19, -528, "Unknown error code!"},
             {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
             {-1418, -217, "(SNMPv3) Report sent!"},
             {-1419, -528, "Unknown error code!"},
             {1401, -301, "(SNMPv3USM) error!"},
             {1414, -314, "(SNMPv3USM) Address error!"},
             {1415, -528, "Unknown error code!"},
             {-1, -401, "(SNMPClass) Operation failed!"},
             {-5, -405, "(SNMPClass) SNMP request timed out!"},
             {-9, -409, "(SNMPClass)Unknown error code!"},
             {-20, -420, "(SNMP Class) Transport is not supported!"},
             {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
             {-24, -528, "Unknown error code!"},
             {1399, -528, "Unknown error code!"},
         }) {
        int code = 12345;
        std::string message;
        MapSnmpStatus(c.status, code, message);
        EXPECT_EQ(code, c.code) << "status " << c.status;
        EXPECT_EQ(message, c.message) << "status " << c.status;
    }
}

TEST(SnmpError, FrameworkAndCommonTextsRaiseWithTheirCodes)
{
    try {
        RaiseFrameworkError(MvCode::BadSyntax);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Bad SNMP syntax!");
        EXPECT_EQ(e.HelpContext(), -511);
    }
    try {
        RaiseCommonError(CommonMsg::BadLogicOperand);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), " Bad logic operand!");
        EXPECT_EQ(e.HelpContext(), -1);
    }
    EXPECT_EQ(MessageOfCode(-501), "Fail to read SNMP variables from file([FILENAME])!");
    EXPECT_EQ(MessageOfCode(-510), "Can't send get-next command for a SNMP variable list with single value!");
    EXPECT_EQ(CommonMessage(CommonMsg::NumberListRange),
              " Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,each number is between [MIN] and [MAX]!");
    EXPECT_EQ(LogTemplates.Text(WriteLogTemplate), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
    EXPECT_EQ(CommonMessages.Count(), 26);
    EXPECT_EQ(MvSnmpMessages.Count(), 29);
}

// A private directory for message files; the tables are reset afterwards.
class MessageFiles : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/sorvane-errmsg-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override
    {
        for (MvMessageTable* t : {&CommonMessages, &SnmpMessages, &SnmpV3Messages, &UsmMessages,
                                  &SnmpClassMessages, &MvSnmpMessages, &LogTemplates})
            t->Reset();
        std::filesystem::remove_all(dir_);
    }
    std::string Write(const std::string& name, const std::string& content)
    {
        const std::filesystem::path path = dir_ / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::filesystem::path dir_;
};

std::string Lines(int count, const std::string& prefix, const std::string& ending)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += prefix + std::to_string(i) + ending;
    return text;
}

TEST_F(MessageFiles, NonEmptyLinesReplaceEntriesInOrder)
{
    // Blank and whitespace-only lines in between do not shift the numbering; blanks that belong
    // to a text stay.
    std::string content = "\n  first \n\t\r\n";
    content += Lines(17, "msg", "\n") + "\n\n";
    LoadMessageFile(SnmpMessages, Write("snmp.err", content));
    int code;
    std::string message;
    MapSnmpStatus(1, code, message);
    EXPECT_EQ(message, "  first ");
    MapSnmpStatus(2, code, message);
    EXPECT_EQ(message, "msg0");
    EXPECT_EQ(MessageOfCode(-118), "msg16");
}

TEST_F(MessageFiles, CrLfAndLfEndingsGiveTheSameTexts)
{
    LoadMessageFile(UsmMessages, Write("lf", Lines(14, "usm ", "\n")));
    LoadMessageFile(SnmpClassMessages, Write("crlf", Lines(23, "usm ", "\r\n")));
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(UsmMessages.Text(i), SnmpClassMessages.Text(i));
    EXPECT_EQ(UsmMessages.Text(3), "usm 3");
    // Without a final line ending the last line still counts.
    LoadMessageFile(LogTemplates, Write("msg", "Get [ERROR]\r\nSet [ERROR]"));
    EXPECT_EQ(LogTemplates.Text(ReadLogTemplate), "Get [ERROR]");
    EXPECT_EQ(LogTemplates.Text(WriteLogTemplate), "Set [ERROR]");
}

TEST_F(MessageFiles, ShortFileKeepsTheLaterBuiltInTexts)
{
    LoadMessageFile(MvSnmpMessages, Write("mvsnmp.err", "Fine!\nFirst\n"));
    EXPECT_EQ(MessageOfCode(0), "Fine!");
    EXPECT_EQ(MessageOfCode(-501), "First");
    EXPECT_EQ(MessageOfCode(-502), "Bad format at line([LINENO])in SNMP variables file([FILENAME])!");
    EXPECT_EQ(MessageOfCode(-528), "Unknown error code!");
    // Lines beyond the table are ignored.
    LoadMessageFile(LogTemplates, Write("snmp.msg", "a\nb\nc\n"));
    EXPECT_EQ(LogTemplates.Text(1), "b");
    EXPECT_EQ(LogTemplates.Text(2), "");
}

TEST_F(MessageFiles, MissingOrBlankFilesLeaveTheBuiltInTexts)
{
    LoadMessageFile(CommonMessages, (dir_ / "none.err").string());
    LoadMessageFile(CommonMessages, Write("blank.err", "\n \r\n\t\n"));
    LoadMessageFile(CommonMessages, dir_.string()); // a directory is no message file
    EXPECT_EQ(CommonMessage(CommonMsg::InvalidIP), " Please enter a valid IP address!");
}

TEST_F(MessageFiles, OverlongLinesCountAsSeveralLines)
{
    const std::string longLine(1030, 'x');
    LoadMessageFile(LogTemplates, Write("long.msg", longLine + "\n"));
    EXPECT_EQ(LogTemplates.Text(0), std::string(1023, 'x'));
    EXPECT_EQ(LogTemplates.Text(1), std::string(7, 'x'));
}

TEST_F(MessageFiles, StartUpLoadsTheErrmsgDirectoryBelowTheCurrentOne)
{
    Write("errmsg/snmp.err", Lines(18, "agent ", "\n"));
    Write("errmsg/snmp.msg", "R [ERROR]\nW [ERROR]\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    LoadMessageFiles();
    std::filesystem::current_path(previous);
    EXPECT_EQ(MessageOfCode(-105), "agent 4");
    EXPECT_EQ(LogTemplates.Text(WriteLogTemplate), "W [ERROR]");
    EXPECT_EQ(MessageOfCode(-405), "(SNMPClass) SNMP request timed out!");
}

} // namespace
