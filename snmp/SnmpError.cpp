#include "SnmpError.h"

#include "Exception.h"
#include "TextUtil.h"

#include <algorithm>
#include <cstdio>

namespace {

// Built-in texts, exactly as the program has always shown them.
constexpr const char* CommonTexts[] = {
    " Ok!",
    " Bad logic operand!",
    " Bad format specifier of edit's constraint!",
    " Empty value is not allowed!",
    " Please enter a string whose length is less than [MAXLEN]!",
    " Please enter a string whose length is [LEN]!",
    " Please enter a hex string whose length is less than [MAXLEN]!",
    " Please enter a hex string whose length is [LEN]!",
    " Please enter a number between [MIN] and [MAX]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    " Out of range at index of array or list!",
    " Destination buffer is undersize!",
    " The source to dncrypt is not encrypted!",
    " Fail to read data from file([FILENAME])!",
    " Fail to write data to file([FILENAME])!",
    " Fail to write value in ini file([FILENAME])!",
    " Fail to read option data from file([FILENAME])!",
    " Please enter a valid IP address!",
    " Please enter a valid multicast IP address!",
    " Please enter a valid IPV6 address!",
    " Please enter a valid multicast IPV6 address!",
    " Please enter a valid MAC address!",
    " Please enter a valid multicast MAC address!",
    " Please enter a valid unicast MAC address!",
};
constexpr const char* SnmpTexts[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};
constexpr const char* SnmpV3Texts[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};
constexpr const char* UsmTexts[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};
constexpr const char* SnmpClassTexts[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};
constexpr const char* MvSnmpTexts[] = {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global MvSNMP++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Null value in the expression!",
    "Bad SNMP syntax in the expression!",
    "Bad key count of SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
};
constexpr const char* LogTemplateTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

// A line longer than this counts as several lines of a message file.
constexpr std::size_t LineBufferSize = 1024;

} // namespace

constinit MvMessageTable CommonMessages{CommonTexts};
constinit MvMessageTable SnmpMessages{SnmpTexts};
constinit MvMessageTable SnmpV3Messages{SnmpV3Texts};
constinit MvMessageTable UsmMessages{UsmTexts};
constinit MvMessageTable SnmpClassMessages{SnmpClassTexts};
constinit MvMessageTable MvSnmpMessages{MvSnmpTexts};
constinit MvMessageTable LogTemplates{LogTemplateTexts};

std::string MvMessageTable::Text(int entry) const
{
    if (entry < 0 || entry >= count_)
        return {};
    if (static_cast<std::size_t>(entry) < replaced_.size())
        return replaced_[static_cast<std::size_t>(entry)];
    return builtIn_[entry];
}

void MvMessageTable::Replace(std::vector<std::string> texts)
{
    if (texts.size() > static_cast<std::size_t>(count_))
        texts.resize(static_cast<std::size_t>(count_));
    replaced_ = std::move(texts);
}

void MvMessageTable::Reset() { replaced_.clear(); }

void MapSnmpStatus(int status, int& code, std::string& message)
{
    if (status == 0 || status == 1400 || status == -1401)
        code = MvCode::Ok;
    else if (status >= 1 && status <= 18)
        code = -100 - status;
    else if (status >= -1418 && status <= -1402)
        code = status + 1201;
    else if (status >= 1401 && status <= 1414)
        code = 1100 - status;
    else if (status >= -23 && status <= -1)
        code = status - 400;
    else
        code = MvCode::UnknownErrorCode;
    message = MessageOfCode(code);
}

std::string MessageOfCode(int code)
{
    if (code == 0)
        return MvSnmpMessages.Text(0);
    if (code <= -101 && code >= -118)
        return SnmpMessages.Text(-101 - code);
    if (code <= -201 && code >= -217)
        return SnmpV3Messages.Text(-201 - code);
    if (code <= -301 && code >= -314)
        return UsmMessages.Text(-301 - code);
    if (code <= -401 && code >= -423)
        return SnmpClassMessages.Text(-401 - code);
    if (code <= -501 && code >= -528)
        return MvSnmpMessages.Text(-500 - code);
    return MvSnmpMessages.Text(-500 - MvCode::UnknownErrorCode);
}

std::string CommonMessage(int entry) { return CommonMessages.Text(entry); }

void RaiseFrameworkError(int code) { throw Exception(MessageOfCode(code), code); }

void RaiseCommonError(int entry) { throw Exception(CommonMessage(entry), -entry); }

void LoadMessageFile(MvMessageTable& table, const std::string& fileName)
{
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr)
        return;
    std::string content;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        content.append(chunk, n);
    const bool failed = std::ferror(file) != 0; // a directory, or a read error
    std::fclose(file);
    if (failed)
        return;

    std::vector<std::string> texts;
    for (std::size_t pos = 0; pos < content.size();) {
        // One buffer's worth: up to and including the line feed, at most LineBufferSize-1 bytes.
        std::size_t end = content.find('\n', pos);
        end = end == std::string::npos ? content.size() : end + 1;
        end = std::min(end, pos + LineBufferSize - 1);
        std::string line = content.substr(pos, end - pos);
        pos = end;
        if (Trim(line).empty())
            continue;
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        texts.push_back(std::move(line));
    }
    if (!texts.empty())
        table.Replace(std::move(texts));
}

void LoadMessageFiles()
{
    LoadMessageFile(CommonMessages, "errmsg/common.err");
    LoadMessageFile(SnmpMessages, "errmsg/snmp.err");
    LoadMessageFile(SnmpV3Messages, "errmsg/snmpv3.err");
    LoadMessageFile(UsmMessages, "errmsg/snmpusm.err");
    LoadMessageFile(SnmpClassMessages, "errmsg/snmpclass.err");
    LoadMessageFile(MvSnmpMessages, "errmsg/mvsnmp.err");
    LoadMessageFile(LogTemplates, "errmsg/snmp.msg");
}
