#include "features/system/SMTPControlForm.h"

#include "catalogue/CatalogueIndex.h"
#include "features/acl/TextChecks.h"
#include "features/common/FieldChecks.h"
#include "gui/ProgressForm2.h"
#include "snmp/ControlValidators.h"
#include "snmp/Exception.h"

#include "ui/CheckBox.h"
#include "ui/MessageBox.h"

#include <exception>

TSMTPControlForm* SMTPControlForm = nullptr;

namespace {

// The SMTP request's time-out, in hundredths of a second: a test mail takes the switch long.
constexpr int SendTimeout = 4000;

// Entries of CB_Status (2 disabled, 3 enabled) and CB_SendTest (1 send, 2 noAction).
constexpr int DisabledIndex = 0;
constexpr int SendIndex = 0;
constexpr int NoActionIndex = 1;

// Texts of the sender, subject and content that stand for "nothing" and are never sent.
bool IsEmptyMailText(const std::string& text) { return text.empty() || text == "NULL" || text == " "; }

} // namespace

TSMTPControlForm::TSMTPControlForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .KeepLayoutSize = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poScreenCenter);
    SetBorderIcons(ui::biSystemMenu | ui::biMinimize);
    OnCreate = ui::Handler(this, &TSMTPControlForm::FormCreate);
    OnClose = ui::Handler(this, &TSMTPControlForm::FormClose);
    for (ui::CheckBox* box : Boxes())
        box->OnClick = ui::Handler(this, &TSMTPControlForm::ChangeSetState);
    Check_All->OnClick = ui::Handler(this, &TSMTPControlForm::Check_AllClick);
    Clear_All->OnClick = ui::Handler(this, &TSMTPControlForm::Clear_AllClick);
    Btn_Refresh->OnClick = ui::Handler(this, &TSMTPControlForm::Btn_RefreshClick);
    Btn_Set->OnClick = ui::Handler(this, &TSMTPControlForm::Btn_SetClick);
    Button1->OnClick = ui::Handler(this, &TSMTPControlForm::Button1Click);
    DoCreate();
}

TSMTPControlForm::~TSMTPControlForm() { Request.reset(); }

std::array<ui::CheckBox*, TSMTPControlForm::ItemCount> TSMTPControlForm::Boxes() const
{
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6,
            CheckBox7, CheckBox8, CheckBox9, CheckBox10, CheckBox11};
}

void TSMTPControlForm::FormCreate(QObject*)
{
    Guarded([&] {
        // The window owns its request: nothing outside it reaches the request.
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_smtp", "1.3.6.1.4.1.171.12.29.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_smtp 1.3.6.1.4.1.171.12.29.1.1");
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        FlagsAtOpening.Save(Request->Request.VarList);
        Request->BindComboBox(StatusItem, CB_Status);
        Request->BindEdits(ServerAddressItem, "%s", Ed_SourceAddress);
        Request->BindEdits(ServerPortItem, "%i{n0x65535l5a}", Ed_SourcePort);
        Request->BindEdits(SelfMailItem, "%s{l254}", Ed_SelfMailAddress);
        Request->BindEdits(SubjectItem, "%s{l128}", ED_Subject);
        Request->BindEdits(ContentItem, "%s{l512}", Ed_Content);
        Request->BindComboBox(SendTestItem, CB_SendTest);
        Request->BindComboBox(SendTestStatusItem, CB_SendTestStatus);
        Request->BindEditWithCheck(IPv6AddressItem, "%s{Z}", EditIPv6Address, ValidateIPv6Text);
        Request->BindEdits(IPv6PortItem, "%i{n0x65535l5a}", EditIPv6Port);
        Request->BindEdits(IPv6InterfaceItem, "%s{l12}", EditInterfacev6);
        Request->Request.Timeout = SendTimeout;
        Attach(*Request, false);
        Read(*Request);
    });
    Btn_Set->setEnabled(false);
}

void TSMTPControlForm::ChangeSetState(QObject*)
{
    bool any = false;
    for (ui::CheckBox* box : Boxes())
        any = any || box->Checked();
    Btn_Set->setEnabled(any);
}

void TSMTPControlForm::Check_AllClick(QObject*)
{
    for (ui::CheckBox* box : Boxes())
        if (box != CheckBox8)
            box->SetChecked(true);
}

void TSMTPControlForm::Clear_AllClick(QObject*)
{
    for (ui::CheckBox* box : Boxes())
        if (box != CheckBox8)
            box->SetChecked(false);
}

void TSMTPControlForm::Btn_RefreshClick(QObject*)
{
    // A read still running is superseded by this one.
    if (Request)
        Guarded([&] { Read(*Request); });
}

void TSMTPControlForm::Btn_SetClick(QObject*)
{
    if (!Request)
        return;
    // The server address is required whatever its box; a ticked one must be a whole address,
    // else the switch would be sent 0.0.0.0.
    if (Ed_SourceAddress->Text().empty()) {
        ShowInStatusLine("Please input value.");
        return;
    }
    if (CheckBox2->Checked() && !CheckIPAddressText(Ed_SourceAddress->Text(), this)) {
        Ed_SourceAddress->SetFocus();
        return;
    }
    // A ticked port goes out as typed or not at all: emptied it is no port, not 0.
    if (CheckBox3->Checked() && !CheckNumberField(Ed_SourcePort, "Server Port", 0, 65535, this))
        return;
    if (CheckBox10->Checked() && !CheckNumberField(EditIPv6Port, "IPv6 Port", 0, 65535, this))
        return;

    bool refresh = true;
    {
        // Every item gets its access back afterwards, on every path.
        SkippedColumns skipped(Request->Request.VarList, FlagsAtOpening);
        try {
            const auto boxes = Boxes();
            for (int k = 0; k < ItemCount; ++k)
                if (!boxes[static_cast<std::size_t>(k)]->Checked())
                    skipped.Skip(k);
            const ui::Edit* mailTexts[] = {Ed_SelfMailAddress, ED_Subject, Ed_Content};
            for (int k = 0; k < 3; ++k)
                if (IsEmptyMailText(mailTexts[k]->Text()))
                    skipped.Skip(SelfMailItem + k);

            if (CB_SendTest->ItemIndex() == SendIndex) {
                if (CB_Status->ItemIndex() == DisabledIndex) {
                    Say("Enable SMTP first if you want send a mail");
                    return;
                }
                if (ui::Confirm(this, "To Send the mail may take a long time. Do you want to go on?")) {
                    Guarded([&] {
                        ProgressForm2 = new TProgressForm2(nullptr, nullptr);
                        ProgressForm2->SetCaption("Send the mail Progress");
                        ProgressForm2->LB_Prompt->SetCaption("Send the mail is processing...");
                        struct Progress {
                            ~Progress()
                            {
                                delete ProgressForm2;
                                ProgressForm2 = nullptr;
                            }
                        } progress;
                        Write(*Request);
                        ProgressForm2->ShowModal();
                    });
                }
            } else if (CB_SendTest->ItemIndex() == NoActionIndex) {
                skipped.Skip(SendTestItem);
                Write(*Request);
            }
        } catch (const std::exception& e) {
            ShowInStatusLine(e.what());
            refresh = false;
        }
    }
    if (refresh)
        Btn_RefreshClick(nullptr);
}

void TSMTPControlForm::Button1Click(QObject*) { Close(); }

void TSMTPControlForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
