#pragma once
// Result codes and their messages. A failed SNMP exchange is a result (MvSNMPError); the
// framework's own failures raise Exception with the same kind of code and text. The built-in
// texts live in seven message tables that the files under errmsg/ may replace at start-up.

#include <cstdint>
#include <string>
#include <vector>

// The result of a request.
struct MvSNMPError {
    int Code = 0;                 // 0 success, else one of the codes below
    int ErrorIndex = 0;           // 1-based binding number of an agent error, 0 otherwise
    std::string Message;          // the message of Code, or a text of its own
    std::string AgentAddress;     // the answering agent, without port
    std::uint16_t AgentPort = 0;
    std::uint8_t EndOfWalk = 0;   // set when an answer ends the exchange
    std::uint64_t Sequence = 0;   // the request's error sequence after the failure was counted
};

// Codes: 0 success; -101 to -118 the agent's error-status 1 to 18; -201 to -217 SNMPv3 message
// processing; -301 to -314 user-based security; -401 to -423 SNMP library errors; and the
// framework's own below.
namespace MvCode {
enum : int {
    Ok = 0,
    ReadVariablesFile = -501,
    VariablesFileFormat = -502,
    VariablesFileItemType = -503,
    VariablesFileSyntax = -504,
    VariablesFileAccess = -505,
    CreateGlobalSession = -506,
    LoadBootCounter = -507,
    SaveBootCounter = -508,
    InvalidAddress = -509,
    GetNextOnSingleValue = -510,
    BadSyntax = -511,
    NullInExpression = -512,
    BadSyntaxInExpression = -513,
    BadKeyCount = -514,
    BadItemType = -515,
    BadAssociatedItemType = -516,
    BadPartSyntax = -517,
    BadPartValue = -518,
    PartIndexOutOfRange = -519,
    NoOptionListForControl = -520,
    BadControlType = -521,
    NotEnoughControls = -522,
    NoSystemStartTime = -523,
    NotEnoughChartItems = -524,
    LogDatabaseNotConnected = -525,
    LogFieldNotFound = -526,
    BadLogChartSyntax = -527,
    UnknownErrorCode = -528,
};
} // namespace MvCode

// Entries of the common table: texts of the input rules, address checks and expressions.
namespace CommonMsg {
enum : int {
    Ok = 0,
    BadLogicOperand = 1,         // raised with code -1
    BadConstraintFormat = 2,     // raised with code -2
    EmptyValue = 3,
    StringTooLong = 4,           // [MAXLEN]
    StringLength = 5,            // [LEN]
    HexTooLong = 6,              // [MAXLEN]
    HexLength = 7,               // [LEN]
    NumberRange = 8,             // [MIN] [MAX]
    NumberListTooLong = 9,       // [DELIMITER] [MAXCOUNT]
    NumberListCount = 10,        // [DELIMITER] [COUNT]
    NumberListRange = 11,        // [DELIMITER] [MIN] [MAX]
    IndexOutOfRange = 12,
    BufferUndersize = 13,
    NotEncrypted = 14,
    ReadFile = 15,
    WriteFile = 16,
    WriteIniValue = 17,
    ReadOptionFile = 18,
    InvalidIP = 19,
    InvalidMulticastIP = 20,
    InvalidIPv6 = 21,
    InvalidMulticastIPv6 = 22,
    InvalidMAC = 23,
    InvalidMulticastMAC = 24,
    InvalidUnicastMAC = 25,
};
} // namespace CommonMsg

// Entries of the log templates.
enum : int { ReadLogTemplate = 0, WriteLogTemplate = 1 };

// One table of message texts: built-in texts, each replaceable by a line of a message file.
// Readers take the current text whenever they need it. Constant-initialised, so it can be read
// at any time.
class MvMessageTable {
public:
    template <int N>
    constexpr explicit MvMessageTable(const char* const (&builtIn)[N]) : builtIn_(builtIn), count_(N) {}

    int Count() const { return count_; }
    // The entry's text; empty for an entry the table does not have.
    std::string Text(int entry) const;
    // Entries 0 to texts.size()-1 take the given texts; later entries keep their built-in text,
    // and texts beyond the table are ignored.
    void Replace(std::vector<std::string> texts);
    // Back to the built-in texts.
    void Reset();

private:
    const char* const* builtIn_;
    int count_;
    std::vector<std::string> replaced_;
};

extern MvMessageTable CommonMessages;     // errmsg/common.err, 26 entries
extern MvMessageTable SnmpMessages;       // errmsg/snmp.err, codes -101 to -118
extern MvMessageTable SnmpV3Messages;     // errmsg/snmpv3.err, codes -201 to -217
extern MvMessageTable UsmMessages;        // errmsg/snmpusm.err, codes -301 to -314
extern MvMessageTable SnmpClassMessages;  // errmsg/snmpclass.err, codes -401 to -423
extern MvMessageTable MvSnmpMessages;     // errmsg/mvsnmp.err, entry 0 code 0, entry k code -500-k
extern MvMessageTable LogTemplates;       // errmsg/snmp.msg, read and write log lines

// Maps a status of the SNMP library to a code and its message.
void MapSnmpStatus(int status, int& code, std::string& message);

// The current message of any code of the tables above; "Unknown error code!" for others.
std::string MessageOfCode(int code);
std::string CommonMessage(int entry);

// Raises the framework's exception: the message of code (0 or -501 to -528) with the code.
[[noreturn]] void RaiseFrameworkError(int code);
// Raises a common text as the framework's exception, with the negated entry as its code.
[[noreturn]] void RaiseCommonError(int entry);

// Replaces a table by the non-empty lines of a text file (lines ending in LF or CR LF). Line k
// of the file (counting non-empty lines from 0) becomes entry k. A missing, unreadable or empty
// file leaves the table as it is.
void LoadMessageFile(MvMessageTable& table, const std::string& fileName);

// The seven message files of errmsg/ below the current directory, in start-up order.
void LoadMessageFiles();
