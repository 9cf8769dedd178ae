#include "features/common/DetailRefresh.h"

#include "features/common/WindowLifecycle.h"

#include "ui/ComboBox.h"
#include "ui/ListView.h"
#include "ui/Timer.h"

#include <array>
#include <exception>

namespace {

struct IntervalChoice {
    const char* text;
    int ms;
};

constexpr std::array<IntervalChoice, DetailRefresh::IntervalCount> Intervals = {{
    {"none", 0}, {"2s", 2000}, {"5s", 5000}, {"10s", 10000}, {"30s", 30000}, {"1m", 60000},
}};

} // namespace

const char* DetailRefresh::IntervalText(int index) { return Intervals.at(static_cast<std::size_t>(index)).text; }

int DetailRefresh::IntervalMs(int index) { return Intervals.at(static_cast<std::size_t>(index)).ms; }

DetailRefresh::DetailRefresh(WindowLifecycle& window) : window_(window) {}

DetailRefresh::~DetailRefresh() = default;

void DetailRefresh::Init(ui::ComboBox* intervals, ui::Timer* timer)
{
    intervals_ = intervals;
    timer_ = timer;
    timer_->SetEnabled(false);
    intervals_->SetStyle(ui::csDropDownList);
    intervals_->ClearItems();
    for (const IntervalChoice& choice : Intervals)
        intervals_->AddItem(choice.text);
    intervals_->SetItemIndex(0);
}

void DetailRefresh::Create(QWidget* owner, const VarDescriptor* table, ui::ListView* detailList)
{
    table_ = table;
    detailList_ = detailList;
    Request = std::make_unique<MvSNMPRequest2Edits>(owner);
    Request->Request.VarList = MvSNMPVarList(table, MVT_SV, 0);
    Request->AttachListView(detailList, true);
    window_.LogToStatusLine(*Request);
}

void DetailRefresh::ReadRow(const std::string& index)
{
    Guarded([&] {
        if (!Request)
            return;
        // A fresh list: appending the index changes the OIDs of the list it is appended to.
        Request->Request.VarList = MvSNMPVarList(table_, MVT_SV, 0);
        Request->Request.VarList.AppendToOids(index);
        Request->Mode = 0;
        targeted_ = true;
        Read();
    });
}

void DetailRefresh::Tick()
{
    if (WindowLifecycle::Running(Request.get()))
        return;
    Guarded([&] { Read(); });
}

void DetailRefresh::Guarded(const std::function<void()>& step)
{
    // The window's own read is none of the detail's business: only the message is shown.
    try {
        step();
    } catch (const std::exception& e) {
        window_.ShowInStatusLine(e.what());
    }
}

void DetailRefresh::Read()
{
    if (detailList_ != nullptr)
        detailList_->Clear();
    // Nothing targeted yet: no OID names a row to read.
    if (targeted_ && Request)
        Request->Get();
    if (ShowValues)
        ShowValues();
}

void DetailRefresh::IntervalChange()
{
    if (intervals_ == nullptr)
        return;
    const int index = intervals_->ItemIndex();
    if (index < 0 || index >= IntervalCount)
        return;
    const int ms = IntervalMs(index);
    if (ms == 0) {
        timer_->SetEnabled(false);
        return;
    }
    timer_->SetInterval(ms);
    timer_->SetEnabled(true);
}

void DetailRefresh::Off()
{
    if (timer_ != nullptr)
        timer_->SetEnabled(false);
    if (intervals_ != nullptr)
        intervals_->SetItemIndex(0);
    if (detailList_ != nullptr)
        detailList_->Clear();
}
