#include "features/system/PortSecurityVLANTableForm.h"

#include "features/common/SynchronousScope.h"
#include "features/system/PortSecurityNoLimit.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Convert.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TPortSecurityVLANTableForm* PortSecurityVLANTableForm = nullptr;

namespace {

const char* const VlanTable = "1.3.6.1.4.1.171.12.63.3.2.1.1.1";

} // namespace

TPortSecurityVLANTableForm::TPortSecurityVLANTableForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.KeepLayoutSize = true, .StopSetsDataComplete = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    MaxAddressLabel->SetCaption("Max Learn Address (0-3328)");
    OnCreate = ui::Handler(this, &TPortSecurityVLANTableForm::FormCreate);
    OnClose = ui::Handler(this, &TPortSecurityVLANTableForm::FormClose);
    CBoxNolimit->OnClick = ui::Handler(this, &TPortSecurityVLANTableForm::CBoxNolimitClick);
    RefreshButton->OnClick = ui::Handler(this, &TPortSecurityVLANTableForm::RefreshButtonClick);
    SetButton->OnClick = ui::Handler(this, &TPortSecurityVLANTableForm::SetButtonClick);
    StopButton->OnClick = ui::Handler(this, &TPortSecurityVLANTableForm::StopButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TPortSecurityVLANTableForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TPortSecurityVLANTableForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TPortSecurityVLANTableForm::ListView1Change);
    DoCreate();
}

TPortSecurityVLANTableForm::~TPortSecurityVLANTableForm() { Request.reset(); }

void TPortSecurityVLANTableForm::FormCreate(QObject*)
{
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_portsecurity", VlanTable);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_portsecurity ") + VlanTable);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindStaticText(VlanItem, VIDText);
        Request->BindEdits(MaxLearnAddressItem, "%i{n0x3328l4}", MaxLearnAddressEdit);
        Request->BindComboBox(ClearControlItem, Clearcbx);
        Attach(*Request);
        SetButton->setEnabled(false);
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TPortSecurityVLANTableForm::CBoxNolimitClick(QObject*) { FollowNoLimitBox(CBoxNolimit, MaxLearnAddressEdit); }

void TPortSecurityVLANTableForm::RefreshButtonClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete.");
        return;
    }
    if (!Request)
        return;
    Guarded([&] {
        // A read stopped a moment ago may still wait for its answer: the new one supersedes it.
        Stop(*Request);
        SetButton->setEnabled(false);
        VIDText->SetCaption(" ");
        CBoxNolimit->SetChecked(false);
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TPortSecurityVLANTableForm::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TPortSecurityVLANTableForm::ListView1Click(QObject*)
{
    // The selected row's values are in the controls already: the list binding put them there. A
    // limit that is no number (an edit emptied by hand) is a limit like any other but -1.
    const std::string text = MaxLearnAddressEdit->Text();
    std::int32_t limit = 0;
    const bool number = TryStrToInt(text, limit);
    if (ListView1->Selected() != nullptr) {
        SetButton->setEnabled(true);
        if (number && limit == -1) {
            CBoxNolimit->SetChecked(true);
            // Already ticked: the row's -1 came into an edit the binding enabled.
            FollowNoLimitBox(CBoxNolimit, MaxLearnAddressEdit);
        } else {
            CBoxNolimit->SetChecked(false);
            MaxLearnAddressEdit->SetText(number ? IntToStr(limit) : text);
        }
    } else {
        SetButton->setEnabled(false);
        CBoxNolimit->SetChecked(false);
    }
}

void TPortSecurityVLANTableForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TPortSecurityVLANTableForm::SetButtonClick(QObject*)
{
    if (!Request || ListView1->Selected() == nullptr)
        return;
    lblVID->setEnabled(false);
    if (DataComplete == 0 || Running(Request.get())) {
        Say("Get data not complete");
        return;
    }
    if (MaxLearnAddressEdit->Text().empty()) {
        Say("Please input a Max. Learn Address number.");
        if (MaxLearnAddressEdit->isEnabled())
            MaxLearnAddressEdit->SetFocus();
        return;
    }
    if (!CheckLimitField(CBoxNolimit, MaxLearnAddressEdit, "Max Learn Address", 0, this))
        return;
    Guarded([&] {
        {
            // Asynchronous again however the write ends, so the next read reports its end.
            SynchronousScope synchronous(*Request);
            Write(*Request);
        }
        Read(*Request);
    });
}

void TPortSecurityVLANTableForm::CloseButtonClick(QObject*)
{
    StopButtonClick(StopButton);
    Close();
}

void TPortSecurityVLANTableForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
}
