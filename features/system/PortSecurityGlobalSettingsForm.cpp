#include "features/system/PortSecurityGlobalSettingsForm.h"

#include "features/system/PortSecurityNoLimit.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

TPortSecurityGlobalSettingsForm* PortSecurityGlobalSettingsForm = nullptr;

namespace {

const char* const GlobalScalars = "1.3.6.1.4.1.171.12.63.1.2";

} // namespace

TPortSecurityGlobalSettingsForm::TPortSecurityGlobalSettingsForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .KeepLayoutSize = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    // The switch keeps one trap and log state: the separate pairs stay hidden.
    for (QWidget* separate : std::initializer_list<QWidget*>{lblTrapLogState, cbxTrapState, Label1, cbxLogState})
        separate->setVisible(false);
    Label2->setVisible(true);
    ComboBox1->setVisible(true);
    lblSystemMaxLearnAddress->SetCaption("System Max Learn Address (1-3328)");
    OnCreate = ui::Handler(this, &TPortSecurityGlobalSettingsForm::FormCreate);
    OnClose = ui::Handler(this, &TPortSecurityGlobalSettingsForm::FormClose);
    CBoxNolimit->OnClick = ui::Handler(this, &TPortSecurityGlobalSettingsForm::CBoxNolimitClick);
    btnRefresh->OnClick = ui::Handler(this, &TPortSecurityGlobalSettingsForm::btnRefreshClick);
    btnSet->OnClick = ui::Handler(this, &TPortSecurityGlobalSettingsForm::btnSetClick);
    CloseButton->OnClick = ui::Handler(this, &TPortSecurityGlobalSettingsForm::CloseButtonClick);
    DoCreate();
}

TPortSecurityGlobalSettingsForm::~TPortSecurityGlobalSettingsForm() { Request.reset(); }

void TPortSecurityGlobalSettingsForm::FormCreate(QObject*)
{
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_portsecurity", GlobalScalars);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_portsecurity ") + GlobalScalars);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindEdits(MaxLearnAddressItem, "%i{n1x3328l4}", EdSystemMaxLearnAddress);
        Request->BindComboBox(TrapLogStateItem, ComboBox1);
        Request->Mode = 0;
        Attach(*Request, false);
        Read(*Request);
        // Only the first read shows a switch without a limit as "No Limit".
        if (EdSystemMaxLearnAddress->Text() == NoLimitText)
            CBoxNolimit->SetChecked(true);
    });
}

void TPortSecurityGlobalSettingsForm::CBoxNolimitClick(QObject*)
{
    FollowNoLimitBox(CBoxNolimit, EdSystemMaxLearnAddress);
}

void TPortSecurityGlobalSettingsForm::btnRefreshClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
}

void TPortSecurityGlobalSettingsForm::btnSetClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    if (ComboBox1->ItemIndex() < 0) {
        Say("You should choose Trap Log State.");
        ComboBox1->setFocus();
        return;
    }
    // An emptied limit would go out as 0.
    if (!CBoxNolimit->Checked() && EdSystemMaxLearnAddress->Text().empty()) {
        Say("Please input a Max. Learn Address number.");
        if (EdSystemMaxLearnAddress->isEnabled())
            EdSystemMaxLearnAddress->setFocus();
        return;
    }
    if (!CheckLimitField(CBoxNolimit, EdSystemMaxLearnAddress, "System Max Learn Address", 1, this))
        return;
    // Synchronous: a refusal has shown its message box when Write returns.
    Guarded([&] { Write(*Request, true); });
    btnRefreshClick(btnRefresh);
}

void TPortSecurityGlobalSettingsForm::CloseButtonClick(QObject*) { Close(); }

void TPortSecurityGlobalSettingsForm::FormClose(QObject*, ui::CloseAction&) { FreeRequest(Request); }
