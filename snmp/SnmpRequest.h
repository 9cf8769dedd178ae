#pragma once
// One SNMP request: a copy of the session settings, a variable list and the state of a table
// walk. It turns the list into targets and PDUs, exchanges them through the global session,
// synchronously or with the answer arriving later through the event pump, and decodes the
// answers back into the list's value texts.
//
// SNMP errors and time-outs are results: the synchronous read reports them through ResultHook,
// the synchronous write fills the caller's record, the asynchronous forms hand a record to the
// owner's answer handler. Building a request (address, PDU, index, value conversion) fails
// with the framework's Exception instead.

#include "snmp/SnmpSettings.h"
#include "snmp/SnmpError.h"
#include "snmp/VarList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CTarget;
class Pdu;
class Snmp;
class SnmpTarget;
class UTarget;
class Vb;

class MvSNMPRequest {
public:
    // Called with every failure report of the request.
    using ResultHookFunction = std::function<void(MvSNMPError* error)>;
    // The owner's completion handler, called once per answer with the result and the request's
    // list (which holds the decoded values). The record lives for the call only. The handler
    // may send the next request from inside the call.
    using AnswerHandler = std::function<void(MvSNMPError& result, MvSNMPVarList& list)>;

    ResultHookFunction ResultHook;
    std::uint8_t UseGetNextForRow = 0;  // read a one-row list with GETNEXT instead of GET
    int Timeout = 0;                    // hundredths of a second per attempt
    int Retries = 1;
    MvSNMPDevice Device;
    MvSNMPScope Scope;
    MvSNMPSecurity Security;
    MvSNMPVarList VarList;
    std::string RowCondition;           // tested per received row by the driver; empty: all pass
    std::uint8_t Active = 1;            // exchanges are made only while set; clear it to stop
    int PendingCount = 0;               // asynchronous exchanges sent and not yet answered
    std::uint64_t ErrorSequence = 0;    // raised by one for every failure report

    MvSNMPRequest();
    // Clears Active and waits (dispatching events, so that the pump delivers them) for at most
    // 6000 ms while answers are outstanding. Answers that arrive later are dropped.
    virtual ~MvSNMPRequest();
    MvSNMPRequest(const MvSNMPRequest&) = delete;
    MvSNMPRequest& operator=(const MvSNMPRequest&) = delete;

    // The template with every marker-number reference ("$2") replaced by that item's value.
    virtual std::string ExpandReferences(const std::string& text, bool quote, char marker);
    // Decodes key item i from the front of a table index and returns the rest.
    virtual std::string IndexToValue(int item, const std::string& index);
    // Key item i's value as dotted index sub-identifiers.
    virtual std::string ValueToIndex(int item);
    // Stores a received value as item i's text.
    virtual void VbToText(int item, const Vb& vb);
    // Puts item i's text into a binding.
    virtual void TextToVb(int item, Vb& vb);
    // Item i from its get expression (direction 1, after a row was read) or set expression
    // (direction 0, before a write); items without that expression stay as they are.
    virtual void ComputeDerived(int item, int direction);
    // Whether the current row satisfies a logic expression over the items; empty holds.
    virtual bool EvalCondition(const std::string& condition);
    // Whether a walked column has left its table or stopped moving.
    virtual bool IsColumnEnd(const std::string& columnOid, const std::string& currentOid,
                             const std::string& receivedOid);

    // Copies the default settings (device, scope, security, time-out); Retries stays.
    void LoadDefaultSettings();
    std::uint64_t GetErrorSequence() const { return ErrorSequence; }

    // One GET or GETNEXT exchange decoded into the list; returns whether more rows follow. A
    // table walk calls it with first true, then with first false while it returns true.
    bool SyncGet(bool& ok, bool first);
    // One SET of the settable items; a failure fills error.
    void SyncSet(bool& ok, MvSNMPError& error);
    // The same exchanges sent asynchronously; ok tells whether the request went out.
    void AsyncGet(bool& ok, AnswerHandler handler, bool first);
    void AsyncSet(bool& ok, AnswerHandler handler);
    // Drops the outstanding answers of this request's reads (writes stay): a read that a new
    // one supersedes. They no longer count as pending and find nothing when they come, so they
    // never decode into the list the new read walks.
    void ForgetReads();

    // Fills both targets; chosen points to the one the exchange must use.
    void BuildTarget(UTarget& userTarget, CTarget& communityTarget, SnmpTarget*& chosen);
    // Operation 0: bindings of a first read, 1: of a GETNEXT continuation, 2: of a SET.
    void BuildPdu(int operation, Pdu& pdu);
    // Sets the key items from the index part of a received OID.
    void DecodeRowIndex(const std::string& index);
    // The current row's index built from the key items.
    std::string EncodeRowIndex();
    // The row index of a write; a key that names no row raises the bad-value error.
    std::string WriteRowIndex();

private:
    // The SNMP layer's callback of every asynchronous send; token names the answer context.
    static void DispatchAnswer(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, std::uint64_t token);

    bool IsTableKind() const;
    std::string BaseOid(int item) const;
    // Whether oid is an instance below the object base.
    static bool IsInstanceOf(const std::string& base, const std::string& oid);
    // The instance a table list without keys read the item from; base ".0" before any read.
    std::string InstanceRead(int item) const;
    void ReportFailure(int code, const std::string& message);
    // Decodes an answer (one binding per readable item, in list order) into the list: the
    // values of one row, or "(NOTDONE)" for the columns that have left the table. Returns
    // whether a row was received, false when every column has ended.
    bool DecodeRow(const Pdu& pdu);
    // The target and the SET PDU, with the values that set expressions compute for the write.
    void PrepareWrite(UTarget& userTarget, CTarget& communityTarget, SnmpTarget*& target, Pdu& pdu);
    void SendAsync(bool& ok, int operation, AnswerHandler handler);
    void AsyncResponseHandler(int reason, Pdu& pdu, SnmpTarget& target, const AnswerHandler& handler,
                              bool decode);
    void DecodeAnswer(const Pdu& pdu, MvSNMPError& result);
    // Drops the contexts of this request's outstanding answers: they find nothing when they come.
    void ForgetAnswers();

    // Cleared by the destructor, so that a handler running while its owner destroys the request
    // does not touch it afterwards.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
