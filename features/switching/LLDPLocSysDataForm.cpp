#include "features/switching/LLDPLocSysDataForm.h"

#include "features/switching/BitWords.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Control.h"
#include "ui/Text.h"

#include <QString>

TLLDPLocSysDataForm* LLDPLocSysDataForm = nullptr;

TLLDPLocSysDataForm::TLLDPLocSysDataForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    // The capabilities arrive here as hex and are shown as words in the edits.
    tempText1->hide();
    tempText2->hide();
    ui::SetShowHint(sysNameText, true);
    OnCreate = ui::Handler(this, &TLLDPLocSysDataForm::FormCreate);
    OnClose = ui::Handler(this, &TLLDPLocSysDataForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TLLDPLocSysDataForm::GetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLLDPLocSysDataForm::CloseButtonClick);
    DoCreate();
}

TLLDPLocSysDataForm::~TLLDPLocSysDataForm() { Request.reset(); }

void TLLDPLocSysDataForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_lldp", "1.0.8802.1.1.2.1.3.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lldp 1.0.8802.1.1.2.1.3.1");
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindStaticText(SubtypeItem, subtypeText);
        Request->BindStaticText(IDItem, IDText);
        Request->BindStaticText(SysNameItem, sysNameText);
        Request->BindStaticText(SysDescItem, sysDescText);
        Request->BindStaticText(CapSupportedItem, tempText1);
        Request->BindStaticText(CapEnabledItem, tempText2);
        CapSupportEdit->setEnabled(false);
        capEnableEdit->setEnabled(false);
        Attach(*Request, true);
        Read(*Request);
    });
}

void TLLDPLocSysDataForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    DecodeCapabilities();
}

void TLLDPLocSysDataForm::DecodeCapabilities()
{
    CapSupportEdit->SetText(WordList(tempText1->Caption(), LocalCapabilityWords));
    capEnableEdit->SetText(WordList(tempText2->Caption(), LocalCapabilityWords));
    SetNameHint();
}

std::string NameHintOf(const std::string& name)
{
    // Counted in characters, so a line never splits one.
    QString text = ui::ToQString(name);
    const qsizetype lines = text.size() / 100;
    for (qsizetype i = 1; i <= lines; ++i)
        text.insert(i * 100 - 1, QChar('\n'));
    return ui::ToStdString(text);
}

void TLLDPLocSysDataForm::SetNameHint() { ui::SetHint(sysNameText, NameHintOf(sysNameText->Caption())); }

void TLLDPLocSysDataForm::GetButtonClick(QObject*)
{
    // A read still running is superseded by this one. The texts as they stand are decoded at
    // once; the answer decodes them again.
    Guarded([&] {
        if (Request)
            Read(*Request);
        DecodeCapabilities();
    });
}

void TLLDPLocSysDataForm::CloseButtonClick(QObject*) { Close(); }

void TLLDPLocSysDataForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
