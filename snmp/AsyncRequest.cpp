// The asynchronous forms of MvSNMPRequest: sends that return at once, and the handling of their
// answers, which the SNMP layer delivers through the event pump.

#include "snmp/SnmpRequest.h"

#include "snmp/Exception.h"
#include "snmp/RequestActivity.h"
#include "snmp/GlobalSession.h"
#include "snmplib/Pdu.h"
#include "snmplib/Snmp.h"
#include "snmplib/SnmpStatus.h"
#include "snmplib/Target.h"

#include <cstdio>
#include <unordered_map>

namespace {

// What an outstanding answer needs when it comes. Held in a table keyed by the callback token,
// so that an answer whose request no longer exists finds nothing.
struct AnswerContext {
    MvSNMPRequest* request = nullptr;
    bool decode = false;                     // reads decode the answer, writes do not
    MvSNMPRequest::AnswerHandler handler;    // the owner's completion handler
};

std::unordered_map<CallbackToken, AnswerContext>& OutstandingAnswers()
{
    static std::unordered_map<CallbackToken, AnswerContext> answers;
    return answers;
}

CallbackToken NextToken()
{
    static CallbackToken next = 0;
    return ++next;
}

constexpr int NoSuchName = -102;

} // namespace

void MvSNMPRequest::AsyncGet(bool& ok, AnswerHandler handler, bool first)
{
    SendAsync(ok, first ? 0 : 1, std::move(handler));
}

void MvSNMPRequest::AsyncSet(bool& ok, AnswerHandler handler)
{
    SendAsync(ok, 2, std::move(handler));
}

std::size_t RequestActivity::OutstandingExchanges()
{
    return OutstandingAnswers().size();
}

void MvSNMPRequest::SendAsync(bool& ok, int operation, AnswerHandler handler)
{
    ok = true;
    if (operation == 0)
        RequestActivity::ReadBegun();
    if (!Active) {
        ok = false;
        return;
    }
    if (VarList.kind > MVT_UMV) {
        ok = false;
        ReportFailure(MvCode::BadItemType, MessageOfCode(MvCode::BadItemType));
        return;
    }

    UTarget userTarget;
    CTarget communityTarget;
    SnmpTarget* target = nullptr;
    Pdu pdu;
    if (operation == 2) {
        PrepareWrite(userTarget, communityTarget, target, pdu);
    } else {
        BuildTarget(userTarget, communityTarget, target);
        BuildPdu(operation, pdu);
    }

    const CallbackToken token = NextToken();
    OutstandingAnswers()[token] = AnswerContext{this, operation != 2, std::move(handler)};
    int status;
    if (operation == 2)
        status = GlobalSnmpSession->set(pdu, *target, &MvSNMPRequest::DispatchAnswer, token);
    else if (IsTableKind() || (VarList.kind == MVT_SV && UseGetNextForRow))
        status = GlobalSnmpSession->get_next(pdu, *target, &MvSNMPRequest::DispatchAnswer, token);
    else
        status = GlobalSnmpSession->get(pdu, *target, &MvSNMPRequest::DispatchAnswer, token);

    int code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);
    if (code != 0) {
        // Nothing went out, so no answer will come: nothing to wait for either.
        OutstandingAnswers().erase(token);
        ok = false;
        ReportFailure(code, message);
        return;
    }
    ++PendingCount;
}

void MvSNMPRequest::DispatchAnswer(int reason, Snmp* /*session*/, Pdu& pdu, SnmpTarget& target, CallbackToken token)
{
    auto found = OutstandingAnswers().find(token);
    if (found == OutstandingAnswers().end())
        return; // its request was destroyed
    AnswerContext context = std::move(found->second);
    OutstandingAnswers().erase(found);
    // Nothing may leave through the SNMP layer's C frames.
    try {
        context.request->AsyncResponseHandler(reason, pdu, target, context.handler, context.decode);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "SNMP answer handler failed: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "SNMP answer handler failed\n");
    }
}

void MvSNMPRequest::ForgetAnswers()
{
    auto& answers = OutstandingAnswers();
    for (auto it = answers.begin(); it != answers.end();)
        it = it->second.request == this ? answers.erase(it) : std::next(it);
}

void MvSNMPRequest::ForgetReads()
{
    auto& answers = OutstandingAnswers();
    for (auto it = answers.begin(); it != answers.end();) {
        if (it->second.request == this && it->second.decode) {
            it = answers.erase(it);
            --PendingCount;
        } else {
            ++it;
        }
    }
}

void MvSNMPRequest::AsyncResponseHandler(int reason, Pdu& pdu, SnmpTarget& target, const AnswerHandler& handler,
                                         bool decode)
{
    if (reason == SNMP_CLASS_SESSION_DESTROYED) {
        --PendingCount;
        return;
    }
    // The count goes down once the owner has had the answer, even when its handler throws or
    // destroys the request.
    const std::shared_ptr<bool> alive = alive_;
    struct Release {
        MvSNMPRequest* request;
        const std::shared_ptr<bool>& alive;
        ~Release()
        {
            if (*alive)
                --request->PendingCount;
        }
    } release{this, alive};

    MvSNMPError result;
    // Only a received answer carries an error-status; a time-out, a transport or a security
    // failure keeps its own status.
    const bool answered = reason == SNMP_CLASS_ASYNC_RESPONSE;
    MapSnmpStatus(answered ? pdu.get_error_status() : reason, result.Code, result.Message);
    result.ErrorIndex = answered ? pdu.get_error_index() : 0;
    const UdpAddress& agent = target.get_address().udp();
    result.AgentAddress = agent.ip().get_printable();
    result.AgentPort = agent.get_port();
    result.EndOfWalk = 1;

    if ((result.Code == 0 || (result.Code == NoSuchName && IsTableKind())) && decode) {
        try {
            DecodeAnswer(pdu, result);
        } catch (const Exception& e) {
            // A value or index that does not decode ends the walk as a failed answer.
            result.Code = e.HelpContext() != 0 ? e.HelpContext() : MvCode::BadSyntax;
            result.Message = e.Message();
            result.EndOfWalk = 1;
        }
    }
    if (handler)
        handler(result, VarList);
}

void MvSNMPRequest::DecodeAnswer(const Pdu& pdu, MvSNMPError& result)
{
    if (result.Code == NoSuchName) {
        // An SNMPv1 agent answers noSuchName, repeating the OIDs, when the walk runs off its
        // MIB: that is the end of the walk, not a failure.
        for (int i = 0; i < VarList.Count(); ++i) {
            if (!VarList.IsReadable(i))
                continue;
            if (VarList.Item(i).currentOid == pdu.get_vb(0).get_printable_oid())
                MapSnmpStatus(0, result.Code, result.Message);
            break;
        }
        result.EndOfWalk = 1;
        return;
    }
    // A table answer with a row is one step of a walk that goes on; a scalar answer ends it.
    result.EndOfWalk = DecodeRow(pdu) && IsTableKind() ? 0 : 1;
}
