#include "features/switching/STP_Info.h"

#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/BasicForm.h"
#include "gui/ProgressForm2.h"
#include "snmp/DeviceState.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <cstdint>
#include <optional>
#include <string>

TSTP_Info* STP_Info = nullptr;

namespace {

constexpr const char* EmptyFields = "Don't Leave Empty Fileds.";
constexpr const char* DataError = "Data Error.";

const VarDescriptor* TableOf(const char* oid, const char* caption = nullptr)
{
    const VarDescriptor* table = FindTable("Oid_common", oid, caption);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_common ") + oid);
    return table;
}

} // namespace

TSTP_Info::TSTP_Info(QWidget* owner)
    : ui::Form(owner),
      WindowLifecycle(this, {.LogOnly = true, .KeepLayoutSize = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    lbNNiBPDU->show();
    cbbNNiBPDU->show();
    OnCreate = ui::Handler(this, &TSTP_Info::FormCreate);
    OnClose = ui::Handler(this, &TSTP_Info::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TSTP_Info::BT_GetClick);
    BT_Set->OnClick = ui::Handler(this, &TSTP_Info::BT_SetClick);
    Button1->OnClick = ui::Handler(this, &TSTP_Info::Button1Click);
    // Before the request binds the combo: it keeps the handler for the user's choices.
    Combo_STPVersion->OnChange = ui::Handler(this, &TSTP_Info::Combo_STPVersionChange);
    DoCreate();
}

TSTP_Info::~TSTP_Info()
{
    VersionCheckRequest.reset();
    HelloTimeCopyRequest.reset();
    STPStateRequest.reset();
    HelloTimeRequest.reset();
    VersionRequest.reset();
    BridgeParamRequest.reset();
}

std::unique_ptr<MvSNMPRequest2Edits> TSTP_Info::NewRequest(const VarDescriptor* table)
{
    auto request = std::make_unique<MvSNMPRequest2Edits>(this);
    request->Mode = 0;
    if (table != nullptr)
        request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
    request->SetLogTarget(StatusBar1->Panel(0));
    return request;
}

void TSTP_Info::ReadIfAny(const std::unique_ptr<MvSNMPRequest2Edits>& request)
{
    if (request && request->Request.VarList.Count() > 0)
        Read(*request);
}

bool TSTP_Info::AllRequestsBuilt() const
{
    return BridgeParamRequest && VersionRequest && HelloTimeRequest && STPStateRequest && HelloTimeCopyRequest
        && VersionCheckRequest;
}

void TSTP_Info::FormCreate(QObject*)
{
    // Until the bridge request is attached, an exception's message goes to status panel 0 itself.
    Guarded([&] {
        BridgeParamRequest = NewRequest(TableOf("1.3.6.1.4.1.171.12.15.1.3"));
        MvSNMPRequest2Edits& bridge = *BridgeParamRequest;
        bridge.Request.Timeout = 300;
        bridge.BindEdits(MaxAgeItem, "%i{n600x4000l4a}", ET_AgingTime);
        bridge.BindEdits(ForwardDelayItem, "%i{n400x3000l4a}", ET_ForwardDelay);
        bridge.BindEdits(MaxHopsItem, "%i{n6x40l2a}", ET_Priority);
        bridge.BindEdits(TxHoldCountItem, "%i{n1x10l2a}", ED_TxHoldCount);
        bridge.BindComboBox(ForwardBPDUItem, Combo_BPDU);
        bridge.BindComboBox(NNIBPDUItem, cbbNNiBPDU);
        Attach(bridge, false, false); // its log line takes the exceptions of the window
        Read(bridge);

        VersionRequest = NewRequest(TableOf("1.3.6.1.4.1.171.12.15.1.2", "Version"));
        VersionRequest->BindComboBox(0, Combo_STPVersion);
        Read(*VersionRequest);

        const VarDescriptor* helloTime = TableOf("1.3.6.1.4.1.171.12.15.1.4");
        HelloTimeRequest = NewRequest(helloTime);
        HelloTimeRequest->BindEdits(0, "%i{n100x200l3a}", ET_HelloTime);
        Read(*HelloTimeRequest);

        STPStateRequest = NewRequest(FindModelTable("Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.1.2.1", ModuleOIDText));
        if (STPStateRequest->Request.VarList.Count() > 0)
            STPStateRequest->BindControl(0, lbMSTPState);
        ReadIfAny(STPStateRequest);

        HelloTimeCopyRequest = NewRequest(helloTime);
        HelloTimeCopyRequest->BindControl(0, hellotimevalue);
        Read(*HelloTimeCopyRequest);

        VersionCheckRequest = NewRequest(TableOf("1.3.6.1.4.1.171.12.15.1.2", "Version"));
        VersionCheckRequest->BindControl(0, lbSwitchSTPVersion);

        if (Combo_STPVersion->Text() == "mstp")
            ShowHelloTimeState();
    });
}

void TSTP_Info::ShowHelloTimeState()
{
    if (Combo_STPVersion->Text() == "mstp")
        TBasicForm::DisableControl(ET_HelloTime); // disabled, menu colour, emptied
    else
        TBasicForm::EnableControl(ET_HelloTime);
}

void TSTP_Info::BT_GetClick(QObject*)
{
    Guarded([&] {
        ReadIfAny(STPStateRequest);
        ReadIfAny(BridgeParamRequest);
        ReadIfAny(HelloTimeRequest);
        ReadIfAny(VersionRequest);
        ShowHelloTimeState();
    });
}

void TSTP_Info::Combo_STPVersionChange(QObject*)
{
    // Not guarded: an exception here is the application's to show.
    if (HelloTimeRequest)
        Read(*HelloTimeRequest);
    if (Combo_STPVersion->Text() == "mstp") {
        ShowHelloTimeState();
        return;
    }
    TBasicForm::EnableControl(ET_HelloTime);
    const std::string kept = hellotimevalue->Caption();
    ET_HelloTime->SetText(kept == "0" ? "200" : kept);
}

void TSTP_Info::BT_SetClick(QObject*)
{
    Guarded([&] {
        if (!AllRequestsBuilt())
            return;
        if (!WriteSettings())
            return;
        WaitForVersionChange();
        BT_GetClick(BT_Get);
    });
}

bool TSTP_Info::WriteSettings()
{
    const auto refuse = [this](const char* message) {
        ShowInStatusLine(message);
        return false;
    };
    // A whole number, or nothing after the message that names the field and its range.
    const auto whole = [this](ui::Edit* edit, const char* field, long long min, long long max) {
        std::optional<long long> value = ParseNumberText(edit->Text(), INT32_MIN, INT32_MAX);
        if (!value)
            CheckNumberField(edit, field, min, max, this);
        return value;
    };
    // Each typed value within the range its label shows, once the timer relations hold: an
    // emptied or foreign text never goes out as another number.
    const auto inRange = [this](bool withHelloTime) {
        return CheckNumberField(ET_AgingTime, "Max Age", 600, 4000, this) &&
               (!withHelloTime || CheckNumberField(ET_HelloTime, "Hello Time", 100, 200, this)) &&
               CheckNumberField(ET_ForwardDelay, "Forward Delay", 400, 3000, this) &&
               CheckNumberField(ET_Priority, "Max Hops", 6, 40, this) &&
               CheckNumberField(ED_TxHoldCount, "TX Hold Count", 1, 10, this);
    };
    if (ET_Priority->Text().empty() || ET_AgingTime->Text().empty() || ET_ForwardDelay->Text().empty())
        return refuse(EmptyFields);
    const std::optional<long long> maxAge = whole(ET_AgingTime, "Max Age", 600, 4000);
    if (!maxAge)
        return false;
    const std::optional<long long> forwardDelay = whole(ET_ForwardDelay, "Forward Delay", 400, 3000);
    if (!forwardDelay)
        return false;
    // 2 x (Forward Delay - 100) >= Max Age
    if (*maxAge > 2 * *forwardDelay - 200)
        return refuse(DataError);
    // A write the switch refuses is shown in its message box; the later ones still go out.
    if (Combo_STPVersion->Text() == "mstp") {
        if (!inRange(false))
            return false;
        Write(*BridgeParamRequest, true);
        Write(*VersionRequest, true);
        return true;
    }
    if (ET_HelloTime->Text().empty())
        return refuse(EmptyFields);
    const std::optional<long long> hello = whole(ET_HelloTime, "Hello Time", 100, 200);
    if (!hello)
        return false;
    // Max Age >= 2 x (Hello Time + 100)
    if (*maxAge < 2 * *hello + 200)
        return refuse(DataError);
    if (!inRange(true))
        return false;
    Write(*HelloTimeRequest, true);
    Write(*BridgeParamRequest, true);
    Write(*VersionRequest, true);
    Read(*HelloTimeCopyRequest);
    return true;
}

void TSTP_Info::WaitForVersionChange()
{
    // Without an answer nothing is known to wait for.
    lbSwitchSTPVersion->SetCaption("");
    if (!Read(*VersionCheckRequest))
        return;
    if (Combo_STPVersion->Text() == lbSwitchSTPVersion->Caption() || lbMSTPState->Caption() != "enabled")
        return;
    ProgressForm2 = new TProgressForm2(nullptr, this);
    struct Free {
        ~Free()
        {
            delete ProgressForm2;
            ProgressForm2 = nullptr;
        }
    } free;
    ProgressForm2->SetCaption("Set STP Progress");
    ProgressForm2->LB_Prompt->SetCaption("Change STP Version is processing...");
    ProgressForm2->ShowModal();
}

void TSTP_Info::Button1Click(QObject*) { Close(); }

void TSTP_Info::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, nullptr, VersionCheckRequest, HelloTimeCopyRequest, STPStateRequest, HelloTimeRequest,
              VersionRequest, BridgeParamRequest);
}
