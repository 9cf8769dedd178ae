#include "snmp/SnmpRequest.h"

#include "snmp/Exception.h"
#include "snmp/GlobalSession.h"
#include "snmp/IndexCodec.h"
#include "snmp/RequestActivity.h"
#include "snmp/TextCodec.h"
#include "snmp/ValueCodec.h"
#include "snmplib/Pdu.h"
#include "snmplib/Snmp.h"
#include "snmplib/Target.h"
#include "snmplib/Usm.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// Runs a conversion of the item's value; a refused value (the bad-value error) leaves naming
// the item, so that the window can name the field.
template <class Conversion>
void RefusalOfItem(int item, std::int32_t syntax, Conversion convert)
{
    try {
        convert();
    } catch (const EBadValue& e) {
        throw EBadValue(e.Message(), item, e.Syntax());
    } catch (const Exception& e) {
        if (e.HelpContext() != MvCode::BadPartValue)
            throw;
        throw EBadValue(e.Message(), item, syntax);
    }
}

} // namespace

namespace {

constexpr int NoSuchName = -102;
constexpr auto DestructorWait = std::chrono::milliseconds(6000);

} // namespace

MvSNMPRequest::MvSNMPRequest()
    : Timeout(DefaultTimeout)
{
    LoadDefaultSettings();
    PendingCount = 0;
    ErrorSequence = 0;
}

MvSNMPRequest::~MvSNMPRequest()
{
    Active = 0;
    const auto start = std::chrono::steady_clock::now();
    while (PendingCount > 0 && std::chrono::steady_clock::now() - start < DestructorWait) {
        QCoreApplication::processEvents();
        if (PendingCount > 0)
            QThread::msleep(1);
    }
    *alive_ = false;
    ForgetAnswers();
}

void MvSNMPRequest::LoadDefaultSettings()
{
    Device = DefaultDevice;
    Scope = DefaultScope;
    Security = DefaultSecurity;
    Timeout = DefaultTimeout;
}

bool MvSNMPRequest::IsTableKind() const
{
    return VarList.kind == MVT_FMV || VarList.kind == MVT_UMV;
}

std::string MvSNMPRequest::BaseOid(int item) const
{
    const std::string& oid = VarList.Item(item).oid;
    return VarList.suffix.empty() ? oid : oid + "." + VarList.suffix;
}

void MvSNMPRequest::ReportFailure(int code, const std::string& message)
{
    ++ErrorSequence;
    MvSNMPError error;
    error.Code = code;
    error.Message = message;
    error.EndOfWalk = 1;
    error.Sequence = ErrorSequence;
    if (ResultHook)
        ResultHook(&error);
}

void MvSNMPRequest::BuildTarget(UTarget& userTarget, CTarget& communityTarget, SnmpTarget*& chosen)
{
    UdpAddress address(Device.Address);
    if (!address.valid())
        RaiseFrameworkError(MvCode::InvalidAddress);
    address.set_port(Device.Port);

    userTarget = UTarget(address);
    communityTarget = CTarget(address);
    const int timeout = TimeoutCeiling > 0 ? std::min(Timeout, TimeoutCeiling) : Timeout;
    if (Security.Version == 3) {
        userTarget.set_version(version3);
        userTarget.set_retry(Retries);
        userTarget.set_timeout(static_cast<unsigned long>(timeout));
        userTarget.set_security_model(Security.SecurityModel);
        userTarget.set_security_name(Security.SecurityName);
        // Registered again at every exchange: the settings may have changed since.
        usmAddUserName(Security.SecurityName, Security.AuthProtocol, Security.PrivProtocol, Security.AuthPassword,
                       Security.PrivPassword);
        chosen = &userTarget;
    } else {
        communityTarget.set_version(static_cast<snmp_version>(Security.Version));
        communityTarget.set_retry(Retries);
        communityTarget.set_timeout(static_cast<unsigned long>(timeout));
        communityTarget.set_readcommunity(Security.ReadCommunity);
        communityTarget.set_writecommunity(Security.WriteCommunity);
        chosen = &communityTarget;
    }
}

void MvSNMPRequest::BuildPdu(int operation, Pdu& pdu)
{
    pdu.set_security_level(Security.SecurityLevel);
    pdu.set_context_name(Scope.ContextName);
    pdu.set_context_engine_id(Scope.ContextEngineId);

    // A read reads every column: the columns a write left out are back before it starts.
    if (operation == 0)
        VarList.EndWriteScopes();

    const std::uint8_t kind = VarList.kind;
    if (operation == 1 && (kind == SVT_SV || kind == MVT_SV))
        RaiseFrameworkError(MvCode::GetNextOnSingleValue);
    if (operation == 2 && kind > MVT_UMV)
        RaiseFrameworkError(MvCode::BadItemType);

    for (int i = 0; i < VarList.Count(); ++i) {
        MvVarItem& item = VarList.Item(i);
        const std::string base = BaseOid(i);
        switch (operation) {
        case 0:
            if (!VarList.IsReadable(i))
                continue;
            item.currentOid.clear();
            pdu += Vb(Oid(kind == SVT_SV ? base + ".0" : base));
            break;
        case 1:
            if (!VarList.IsReadable(i))
                continue;
            pdu += Vb(Oid(item.currentOid));
            break;
        default: {
            // Index columns of a table are not sent: their values make the row's instance.
            if ((IsTableKind() && i < VarList.keyCount) || !VarList.IsSettable(i))
                continue;
            std::string oid;
            if (kind == SVT_SV)
                oid = base + ".0";
            else if (kind == MVT_SV)
                oid = base;
            else if (VarList.keyCount == 0)
                oid = InstanceRead(i); // no key names the row: where the walk found the item
            else
                oid = base + "." + WriteRowIndex();
            Vb vb{Oid(oid)};
            TextToVb(i, vb);
            pdu += vb;
            break;
        }
        }
    }
}

bool MvSNMPRequest::IsColumnEnd(const std::string& columnOid, const std::string& currentOid,
                                const std::string& receivedOid)
{
    if (VarList.kind == SVT_SV || VarList.kind == MVT_SV)
        return false;
    if (receivedOid.size() <= columnOid.size())
        return true;
    if (receivedOid.compare(0, columnOid.size(), columnOid) != 0)
        return true;
    // 1.3.6.1.2.1.2.2.1.10 is not in the column 1.3.6.1.2.1.2.2.1.1.
    if (receivedOid[columnOid.size()] != '.')
        return true;
    // An agent that repeats the OID it was asked for (endOfMibView) has nothing further.
    return receivedOid == currentOid;
}

std::string MvSNMPRequest::IndexToValue(int item, const std::string& index)
{
    MvVarItem& column = VarList.Item(item);
    const IndexColumn form{column.syntax, item == VarList.keyCount - 1, VarList.HasImpliedIndex(item), VarList.keyCount,
                           item};
    std::string value;
    std::string rest = DecodeIndexValue(form, index, value);
    column.value = column.options ? column.options->ValueToText(value) : value;
    return rest;
}

std::string MvSNMPRequest::ValueToIndex(int item)
{
    const MvVarItem& column = VarList.Item(item);
    const IndexColumn form{column.syntax, item == VarList.keyCount - 1, VarList.HasImpliedIndex(item), VarList.keyCount,
                           item};
    return EncodeIndexValue(form, column.options ? column.options->TextToValue(column.value) : column.value);
}

void MvSNMPRequest::VbToText(int item, const Vb& vb)
{
    MvVarItem& target = VarList.Item(item);
    std::string text = VbToValueText(vb, target.syntax);
    if (target.syntax == displaystr && !target.textCodec.empty())
        text = DecodeText(text, target.textCodec);
    target.value = target.options ? target.options->ValueToText(text) : text;
}

void MvSNMPRequest::TextToVb(int item, Vb& vb)
{
    const MvVarItem& source = VarList.Item(item);
    const std::string text = source.options ? source.options->TextToValue(source.value) : source.value;
    RefusalOfItem(item, source.syntax, [&] {
        if (source.syntax == displaystr && !source.textCodec.empty())
            ValueTextToVb(EncodeText(text, source.textCodec), source.syntax, vb);
        else
            ValueTextToVb(text, source.syntax, vb);
    });
}

void MvSNMPRequest::DecodeRowIndex(const std::string& index)
{
    if (VarList.keyCount > VarList.Count())
        RaiseFrameworkError(MvCode::BadKeyCount);
    std::string rest = index;
    for (int k = 0; k < VarList.keyCount; ++k) {
        if (rest.empty())
            RaiseFrameworkError(MvCode::BadKeyCount);
        // A key that is not read as a column (not-accessible) still names the row it belongs to.
        if (!VarList.IsReadable(k))
            VarList.Item(k).currentOid = BaseOid(k) + "." + index;
        rest = IndexToValue(k, rest);
    }
}

std::string MvSNMPRequest::WriteRowIndex()
{
    for (int k = 0; k < VarList.keyCount && k < VarList.Count(); ++k) {
        const MvVarItem& key = VarList.Item(k);
        RefusalOfItem(k, key.syntax, [&] {
            CheckIndexValue({key.syntax, k == VarList.keyCount - 1, VarList.HasImpliedIndex(k), VarList.keyCount, k},
                            key.options ? key.options->TextToValue(key.value) : key.value);
        });
    }
    return EncodeRowIndex();
}

bool MvSNMPRequest::IsInstanceOf(const std::string& base, const std::string& oid)
{
    return oid.size() > base.size() + 1 && oid.compare(0, base.size(), base) == 0 && oid[base.size()] == '.';
}

std::string MvSNMPRequest::InstanceRead(int item) const
{
    const std::string base = BaseOid(item);
    const std::string& read = VarList.Item(item).currentOid;
    return IsInstanceOf(base, read) ? read : base + ".0";
}

std::string MvSNMPRequest::EncodeRowIndex()
{
    std::string index;
    for (int k = 0; k < VarList.keyCount && k < VarList.Count(); ++k) {
        const std::string part = ValueToIndex(k);
        if (!index.empty() && !part.empty())
            index.push_back('.');
        index += part;
    }
    return index;
}

bool MvSNMPRequest::DecodeRow(const Pdu& pdu)
{
    // One binding per readable item, in list order.
    struct Column {
        int item;
        const Vb* vb;
        std::string received;
        bool ended;
    };
    std::vector<Column> columns;
    // In a sparse table the columns that go on may stand at different rows: the row is the one
    // that comes first, and a column already past it has no cell in this row.
    std::string rowIndex;
    Oid rowOid;
    const bool table = IsTableKind();
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i))
            continue;
        const Vb& vb = pdu.get_vb(static_cast<int>(columns.size()));
        std::string received = vb.get_printable_oid();
        const std::string base = BaseOid(i);
        const bool ended = IsColumnEnd(base, VarList.Item(i).currentOid, received);
        if (!ended && table) {
            std::string index = received.substr(base.size() + 1);
            const Oid indexOid(index);
            if (rowIndex.empty() || indexOid < rowOid) {
                rowIndex = std::move(index);
                rowOid = indexOid;
            }
        }
        columns.push_back({i, &vb, std::move(received), ended});
    }

    std::size_t endedCount = 0;
    for (const Column& column : columns) {
        MvVarItem& item = VarList.Item(column.item);
        const std::string base = BaseOid(column.item);
        if (column.ended) {
            ++endedCount;
            item.value = "(NOTDONE)";
            // The key values still hold the previous row: the column stays where it ended. Without
            // keys the instance it was read at stays, for the write (asked again, it ends again).
            const std::string index = EncodeRowIndex();
            if (!(table && VarList.keyCount == 0 && IsInstanceOf(base, item.currentOid)))
                item.currentOid = index.empty() ? base : base + "." + index;
        } else if (table && column.received.compare(base.size() + 1, std::string::npos, rowIndex) != 0) {
            // Asked again from this row, the column gives the same later cell next time.
            item.value = "(NULL)";
            item.currentOid = base + "." + rowIndex;
        } else {
            VbToText(column.item, *column.vb);
            item.currentOid = column.received;
        }
    }
    if (endedCount == columns.size())
        return false;
    if (table)
        DecodeRowIndex(rowIndex);
    for (int i = 0; i < VarList.Count(); ++i)
        ComputeDerived(i, 1);
    return true;
}

bool MvSNMPRequest::SyncGet(bool& ok, bool first)
{
    ok = true;
    if (first)
        RequestActivity::ReadBegun();
    if (!Active) {
        ok = false;
        return false;
    }
    if (VarList.kind > MVT_UMV) {
        ok = false;
        ReportFailure(MvCode::BadItemType, MessageOfCode(MvCode::BadItemType));
        return false;
    }
    UTarget userTarget;
    CTarget communityTarget;
    SnmpTarget* target = nullptr;
    BuildTarget(userTarget, communityTarget, target);
    Pdu pdu;
    BuildPdu(first ? 0 : 1, pdu);

    const bool getNext = IsTableKind() || (VarList.kind == MVT_SV && UseGetNextForRow);
    const int status = getNext ? GlobalSnmpSession->get_next(pdu, *target) : GlobalSnmpSession->get(pdu, *target);
    int code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);

    // noSuchName during a walk is how an SNMPv1 agent says the walk ran off its MIB.
    const bool walkNoSuchName = code == NoSuchName && IsTableKind();
    if (code != 0) {
        ok = false;
        if (!walkNoSuchName)
            ReportFailure(code, message);
    }

    if (walkNoSuchName) {
        // An SNMPv1 agent answers noSuchName, repeating the OIDs it was asked for, when the walk
        // runs off the end of its MIB: the walk ends quietly.
        int binding = 0;
        for (int i = 0; i < VarList.Count(); ++i) {
            if (!VarList.IsReadable(i))
                continue;
            if (VarList.Item(i).currentOid == pdu.get_vb(binding++).get_printable_oid())
                return false;
            ReportFailure(code, message);
        }
    }
    // Decoded whatever the code: without an answer the PDU holds the request's own bindings,
    // so every column repeats its OID and the walk ends.
    return DecodeRow(pdu) && IsTableKind();
}

void MvSNMPRequest::PrepareWrite(UTarget& userTarget, CTarget& communityTarget, SnmpTarget*& target, Pdu& pdu)
{
    // The PDU takes the values computed for the write; the list gets its own back, whatever
    // happens.
    const MvSNMPVarList saved(VarList);
    struct Restore {
        MvSNMPVarList& list;
        const MvSNMPVarList& saved;
        ~Restore() { list = saved; }
    } restore{VarList, saved};
    for (int i = 0; i < VarList.Count(); ++i)
        ComputeDerived(i, 0);
    BuildTarget(userTarget, communityTarget, target);
    BuildPdu(2, pdu);
}

void MvSNMPRequest::SyncSet(bool& ok, MvSNMPError& error)
{
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    UTarget userTarget;
    CTarget communityTarget;
    SnmpTarget* target = nullptr;
    Pdu pdu;
    PrepareWrite(userTarget, communityTarget, target, pdu);

    const int status = GlobalSnmpSession->set(pdu, *target);
    int code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);
    if (code != 0) {
        ok = false;
        ++ErrorSequence;
        error.Code = code;
        error.ErrorIndex = pdu.get_error_index();
        error.Message = message;
        error.EndOfWalk = 1;
        error.Sequence = ErrorSequence;
    }
}
