#include "features/system/TCPWEBForm.h"

#include "catalogue/CatalogueIndex.h"
#include "features/common/EditorEnabling.h"
#include "features/common/FieldChecks.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

TTCPWEBForm* TCPWEBForm = nullptr;

namespace {

// The four scalars of model N lie under this group.
const char* const ServerScalars = "1.3.6.1.4.1.171.11.133.N.1.2.1.2.14.1";

} // namespace

TTCPWEBForm::TTCPWEBForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    OnCreate = ui::Handler(this, &TTCPWEBForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TTCPWEBForm::FormCloseQuery);
    GetButton->OnClick = ui::Handler(this, &TTCPWEBForm::GetButtonClick);
    SetButton->OnClick = ui::Handler(this, &TTCPWEBForm::SetButtonClick);
    ClearButton->OnClick = ui::Handler(this, &TTCPWEBForm::ClearButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TTCPWEBForm::CloseButtonClick);
    // Before the bindings: the request keeps these and calls them on the user's choice.
    TCPcbx->OnChange = ui::Handler(this, &TTCPWEBForm::TCPcbxChange);
    WEBcbx->OnChange = ui::Handler(this, &TTCPWEBForm::WEBcbxChange);
    DoCreate();
}

TTCPWEBForm::~TTCPWEBForm() { Request.reset(); }

void TTCPWEBForm::FormCreate(QObject*)
{
    const VarDescriptor* table = FindModelTable("Oid_common", ServerScalars, ModuleOIDText);
    if (table == nullptr)
        return; // an unidentified model: nothing to bind or read
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindComboBox(TelnetStateItem, TCPcbx);
        Request->BindEdits(TelnetPortItem, "%i", TCPPortEdit);
        Request->BindComboBox(WebStateItem, WEBcbx);
        Request->BindEdits(WebPortItem, "%i", WebPortEdit);
        Attach(*Request, false);
        Request->Mode = 0;
        Read(*Request);
    });
}

void TTCPWEBForm::GetButtonClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
}

void TTCPWEBForm::SetChecked()
{
    Guarded([&] {
        SkippedColumns skipped(Request->Request.VarList);
        const ui::CheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};
        for (int item = TelnetStateItem; item <= WebPortItem; ++item)
            if (!boxes[item]->Checked())
                skipped.Skip(item);
        // Synchronous: a refusal has shown its message box when Write returns.
        Write(*Request);
    });
}

void TTCPWEBForm::SetButtonClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    // A ticked port is a TCP port or nothing goes out: emptied it is no port, not 0.
    if (CheckBox2->Checked() && !CheckNumberField(TCPPortEdit, "Telnet Port", 1, 65535, this))
        return;
    if (CheckBox4->Checked() && !CheckNumberField(WebPortEdit, "Web Port", 1, 65535, this))
        return;
    SetChecked();
    Guarded([&] { Read(*Request); });
}

void TTCPWEBForm::ClearButtonClick(QObject*)
{
    for (ui::CheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4})
        box->SetChecked(false);
}

void TTCPWEBForm::ApplyServerState(ui::ComboBox* state, ui::Edit* port, ui::CheckBox* portBox)
{
    if (state->Text() == "disabled") {
        port->SetText("");
        EnableEditors({port}, false);
        portBox->SetChecked(false);
        portBox->setEnabled(false);
    } else if (state->Text() == "enabled") {
        EnableEditors({port}, true);
        portBox->setEnabled(true);
    }
}

void TTCPWEBForm::TCPcbxChange(QObject*) { ApplyServerState(TCPcbx, TCPPortEdit, CheckBox2); }

void TTCPWEBForm::WEBcbxChange(QObject*) { ApplyServerState(WEBcbx, WebPortEdit, CheckBox4); }

void TTCPWEBForm::CloseButtonClick(QObject*) { Close(); }

void TTCPWEBForm::FormCloseQuery(QObject*, bool& canClose)
{
    FreeRequest(Request);
    canClose = true;
}
