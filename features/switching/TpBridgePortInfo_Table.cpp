#include "features/switching/TpBridgePortInfo_Table.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Chart.h"
#include "ui/Timer.h"

#include <QTime>

#include <charconv>

TTpBridgePortInfo_Table* TpBridgePortInfo_Table = nullptr;

namespace {

const VarDescriptor* BridgeTable(int rows)
{
    const VarDescriptor* table = FindTable("Oid_bridge", "1.3.6.1.2.1.17.4.4.1.1", nullptr, rows);
    if (table == nullptr)
        throw Exception("No descriptor table Oid_bridge 1.3.6.1.2.1.17.4.4.1.1");
    return table;
}

// The port list: port number and maximum information size.
const VarDescriptor* PortListTable() { return BridgeTable(2); }
// One port's row: port number, maximum information size and the three frame counters.
const VarDescriptor* CounterTable() { return BridgeTable(5); }

// The row of LV_Chart holds the port number as its caption, then the maximum information size
// and the three counters.
constexpr int FirstCounterCell = 1;

// Cells of a counter row after its name.
enum CounterCell { ValueCell, DeltaCell, RateCell, PeakCell, PeakTimeCell };

// A whole decimal number of a combo box's text; -1 when the text is no number.
int NumberOf(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && at == end && !text.empty() ? value : -1;
}

// A number of a cell or a static text as a 64-bit integer; a text that is no number raises.
std::int64_t IntegerOf(const std::string& text)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end || text.empty())
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

// A counter reading: the number kept to its low 32 bits.
std::uint32_t ReadingOf(const std::string& text) { return static_cast<std::uint32_t>(IntegerOf(text)); }

} // namespace

TTpBridgePortInfo_Table::TTpBridgePortInfo_Table(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    Timer1 = new ui::Timer(this);
    Timer1->setObjectName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);
    LV_TpBridge_Port_Index->SetGridLines(true);
    LV_TpBridge_Port_Info->SetGridLines(true);
    OnCreate = ui::Handler(this, &TTpBridgePortInfo_Table::FormCreate);
    OnClose = ui::Handler(this, &TTpBridgePortInfo_Table::FormClose);
    Timer1->OnTimer = ui::Handler(this, &TTpBridgePortInfo_Table::Timer1Timer);
    BT_Refresh->OnClick = ui::Handler(this, &TTpBridgePortInfo_Table::BT_RefreshClick);
    BT_PortSet->OnClick = ui::Handler(this, &TTpBridgePortInfo_Table::BT_PortSetClick);
    BT_Reset->OnClick = ui::Handler(this, &TTpBridgePortInfo_Table::BT_ResetClick);
    BT_Stop->OnClick = ui::Handler(this, &TTpBridgePortInfo_Table::BT_StopClick);
    BT_Start->OnClick = ui::Handler(this, &TTpBridgePortInfo_Table::BT_StartClick);
    CB_Interval->OnChange = ui::Handler(this, &TTpBridgePortInfo_Table::CB_IntervalChange);
    CB_HistoryCount->OnChange = ui::Handler(this, &TTpBridgePortInfo_Table::CB_HistoryCountChange);
    CK_U3D->OnClick = ui::Handler(this, &TTpBridgePortInfo_Table::CK_U3DClick);
    LV_TpBridge_Port_Index->OnClick = ui::Handler(this, &TTpBridgePortInfo_Table::LV_TpBridge_Port_IndexClick);
    DoCreate();
}

TTpBridgePortInfo_Table::~TTpBridgePortInfo_Table()
{
    CounterRequest.reset();
    PortListRequest.reset();
}

std::string TTpBridgePortInfo_Table::TimeText()
{
    return QTime::currentTime().toString(" hh:mm:ss ").toStdString();
}

void TTpBridgePortInfo_Table::FormCreate(QObject*)
{
    BT_Refresh->setEnabled(false);
    ST_Time->SetCaption(TimeText());
    CB_Interval->SetItemIndex(0);
    const bool started = Guarded([&] {
        PortListRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        MvSNMPRequest2Edits& ports = *PortListRequest;
        ports.Request.VarList = MvSNMPVarList(PortListTable(), MVT_FMV, 1);
        ports.AttachListView(LV_TpBridge_Port_Index, true);
        ports.BindStaticText(0, ST_Index);
        ports.BindStaticText(1, ST_Descr);
        ports.Request.Timeout = 600;
        ports.Request.Retries = 5;
        Attach(ports);
        // However a read ends (also unsent), Refresh is there again.
        ports.OnReadOver = [this](MvSNMPRequest2Controls*) { BT_Refresh->setEnabled(true); };
        Read(ports);
    });
    if (!started)
        BT_Refresh->setEnabled(true);
}

void TTpBridgePortInfo_Table::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    PortListReceived(sender, result);
}

void TTpBridgePortInfo_Table::PortListReceived(MvSNMPRequest2Controls*, const MvSNMPError& result)
{
    const int rows = LV_TpBridge_Port_Index->Count();
    if (FirstPortList) {
        // The clock runs from the first read's end, whatever it brought.
        Timer1->SetEnabled(true);
        // Ports listed later can still be polled: the first list with rows sets polling up.
        if (rows > 0) {
            FirstPortList = false;
            PortCount = rows;
            Guarded([&] { CreateCounterRequest(LV_TpBridge_Port_Index->Item(0)->Caption()); }, PortListRequest.get());
            Polling = true;
            PollCount = 0;
            ResetHistory();
            SeriesList.clear();
            for (int k = 0; k < RecordCount; ++k)
                SeriesList.push_back(k);
        }
    }
    BT_Refresh->setEnabled(true);
    if (result.Code == 0 && rows > 0 && LV_TpBridge_Port_Index->Selected() == nullptr) {
        LV_TpBridge_Port_Index->SetSelected(LV_TpBridge_Port_Index->Item(0));
        BT_PortSetClick(nullptr);
    }
    if (LV_TpBridge_Port_Index->Selected() != nullptr) {
        ST_Index->setEnabled(true);
        ST_Descr->setEnabled(true);
    }
}

void TTpBridgePortInfo_Table::CreateCounterRequest(const std::string& firstPort)
{
    CounterRequest = std::make_unique<MvSNMPRequest2Edits>(this);
    MvSNMPRequest2Edits& counters = *CounterRequest;
    counters.Request.VarList = MvSNMPVarList(CounterTable(), MVT_SV, 0);
    counters.Request.UseGetNextForRow = 1;
    counters.Mode = 0;
    counters.AttachListView(LV_Chart, true);
    counters.Request.ResultHook = [this](MvSNMPError* error) { readFailure_ = error->Message; };
    counters.Request.VarList.AppendToOids(std::to_string(IntegerOf(firstPort) - 1));
}

void TTpBridgePortInfo_Table::AimCounterRequest()
{
    MvSNMPRequest2Edits& counters = *CounterRequest;
    PollCount = 0;
    LogToStatusLine(counters);
    counters.Request.UseGetNextForRow = 1;
    // Built anew: appending the suffix changes the item OIDs of the list it is appended to.
    // GETNEXT from port - 1 gives the port's own row.
    const std::int64_t port = IntegerOf(ST_Index->Caption());
    MvSNMPVarList list(CounterTable(), MVT_SV, 0);
    list.AppendToOids(std::to_string(port - 1));
    counters.Request.VarList = std::move(list);
}

void TTpBridgePortInfo_Table::BT_PortSetClick(QObject*)
{
    if (LV_TpBridge_Port_Index->Selected() != nullptr)
        BT_ResetClick(nullptr);
}

void TTpBridgePortInfo_Table::LV_TpBridge_Port_IndexClick(QObject*)
{
    if (LV_TpBridge_Port_Index->Selected() != nullptr)
        BT_PortSetClick(nullptr);
}

void TTpBridgePortInfo_Table::BT_ResetClick(QObject*)
{
    if (PortCount == 0)
        return;
    Polling = false;
    ++portSwitches_;
    Guarded(
        [&] {
            if (CounterRequest)
                AimCounterRequest();
            ClearCounterRows();
        },
        PortListRequest.get());
    Polling = true;
}

void TTpBridgePortInfo_Table::ClearCounterRows()
{
    LV_TpBridge_Port_Info->Clear();
    ResetHistory();
}

void TTpBridgePortInfo_Table::ResetHistory()
{
    for (CounterRecord& record : Counters) {
        record.current = 0;
        record.previous = 0;
        record.peak = 0;
        record.delta = 0;
    }
    for (auto& history : HistoryLists)
        history.assign(static_cast<std::size_t>(HistoryCount), HistoryData{});
}

void TTpBridgePortInfo_Table::InitCounterRows()
{
    const std::string now = TimeText();
    for (const CounterRecord& record : Counters) {
        ui::ListItem* row = LV_TpBridge_Port_Info->AddItem();
        row->SetCaption(record.name);
        for (int cell = ValueCell; cell <= PeakCell; ++cell)
            row->AddSubItem("0");
        row->AddSubItem(now);
    }
    ResetHistory();
    for (int series : SeriesList)
        CH_Utilization->Clear(series);
}

void TTpBridgePortInfo_Table::Timer1Timer(QObject*)
{
    ST_Time->SetCaption(TimeText());
    // No port to poll yet; or a tick that came while a poll handed its row on: a poll is one
    // reading, whole.
    if (!Polling || !CounterRequest || CounterRequest->Busy != 0)
        return;
    MvSNMPRequest2Edits* counters = CounterRequest.get();
    Guarded(
        [&] {
            const unsigned port = portSwitches_;
            readFailure_.clear();
            LogToStatusLine(*counters);
            const bool read = counters->Get();
            if (port != portSwitches_)
                return; // the reading is of the port before the switch
            if (!read || LV_Chart->Count() == 0) {
                // Nothing is taken from a poll without a reading, and the next reading only
                // primes: a change is always between two readings of the switch.
                PollCount = 0;
                counters->LastOperation = 0;
                counters->WriteLogLine(readFailure_.empty() ? "No counters of the port received." : readFailure_);
                return;
            }
            PollCounters();
        },
        counters);
}

void TTpBridgePortInfo_Table::PollCounters()
{
    if (LV_TpBridge_Port_Info->Count() == 0)
        InitCounterRows();
    // All three readings first: a reading that is no number changes none of the records.
    std::array<std::uint32_t, RecordCount> readings{};
    if (LV_Chart->Count() > 0) {
        const ui::ListItem* row = LV_Chart->Item(0);
        for (int k = 0; k < RecordCount; ++k)
            readings[static_cast<std::size_t>(k)] = ReadingOf(row->SubItem(FirstCounterCell + k));
    }
    const std::string now = TimeText();
    // The rate uses the interval in force at this poll, in whole seconds.
    const unsigned seconds = static_cast<unsigned>(Timer1->Interval()) / 1000u;
    for (int k = 0; k < RecordCount; ++k) {
        CounterRecord& record = Counters[static_cast<std::size_t>(k)];
        record.previous = record.current;
        record.current = readings[static_cast<std::size_t>(k)];
        record.delta = record.current - record.previous; // wraps past 2^32 - 1 as the counter does
        if (PollCount == 0)
            continue; // the first poll after a switch only primes
        ui::ListItem* row = LV_TpBridge_Port_Info->Item(k);
        if (row == nullptr)
            continue;
        if (record.delta > record.peak) {
            record.peak = record.delta;
            row->SetSubItem(PeakCell, std::to_string(record.peak));
            row->SetSubItem(PeakTimeCell, now);
        }
        row->SetSubItem(ValueCell, std::to_string(record.current));
        row->SetSubItem(DeltaCell, std::to_string(record.delta));
        row->SetSubItem(RateCell, std::to_string(seconds == 0 ? record.delta : record.delta / seconds));
    }
    if (PollCount != 0) {
        for (int k = 0; k < RecordCount; ++k) {
            auto& history = HistoryLists[static_cast<std::size_t>(k)];
            if (static_cast<int>(history.size()) >= HistoryCount && !history.empty())
                history.pop_front();
            history.push_back({Counters[static_cast<std::size_t>(k)].delta, now});
        }
    }
    DrawHistories();
    ++PollCount;
}

void TTpBridgePortInfo_Table::DrawHistories()
{
    std::vector<double> values;
    std::vector<std::string> labels;
    for (std::size_t k = 0; k < SeriesList.size() && k < HistoryLists.size(); ++k) {
        values.clear();
        labels.clear();
        for (const HistoryData& point : HistoryLists[k]) {
            values.push_back(static_cast<double>(point.value));
            labels.push_back(point.time);
        }
        CH_Utilization->SetPoints(SeriesList[k], values, labels);
    }
}

void TTpBridgePortInfo_Table::BT_RefreshClick(QObject*)
{
    BT_Refresh->setEnabled(false);
    const bool started = Guarded([&] {
        if (PortListRequest)
            Read(*PortListRequest);
    });
    if (!started || !PortListRequest)
        BT_Refresh->setEnabled(true);
}

void TTpBridgePortInfo_Table::BT_StopClick(QObject*)
{
    if (PortCount != 0)
        Polling = false;
}

void TTpBridgePortInfo_Table::BT_StartClick(QObject*)
{
    if (PortCount != 0)
        Polling = true;
}

void TTpBridgePortInfo_Table::CB_IntervalChange(QObject*)
{
    const int seconds = NumberOf(CB_Interval->Text());
    if (seconds < 0 || seconds > MaxIntervalSeconds) {
        Say("Choose Valid Interval");
        return;
    }
    // 0 stops the timer, and the clock with it, until another interval is chosen.
    Timer1->SetInterval(seconds * 1000);
}

void TTpBridgePortInfo_Table::CB_HistoryCountChange(QObject*)
{
    const int count = NumberOf(CB_HistoryCount->Text());
    // A history needs a point at least.
    if (count < 1 || count > MaxHistoryCount) {
        Say("Choose Valid Count");
        return;
    }
    HistoryCount = count;
    BT_ResetClick(nullptr);
}

void TTpBridgePortInfo_Table::CK_U3DClick(QObject*) { CH_Utilization->SetView3D(CK_U3D->Checked()); }

void TTpBridgePortInfo_Table::FormClose(QObject*, ui::CloseAction& action)
{
    Timer1->SetEnabled(false);
    CloseDown(action, LV_TpBridge_Port_Index, PortListRequest, CounterRequest);
    for (auto& history : HistoryLists)
        history.clear();
    SeriesList.clear();
}
