#include "features/system/EquipmentBasicInfoForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TEquipmentBasicInfoForm::FormCreate);
    OnClose = ui::Handler(this, &TEquipmentBasicInfoForm::FormClose);
    BitBtn1->OnClick = ui::Handler(this, &TEquipmentBasicInfoForm::BitBtn1Click);
    bbtnSet->OnClick = ui::Handler(this, &TEquipmentBasicInfoForm::bbtnSetClick);
    CloseButton->OnClick = ui::Handler(this, &TEquipmentBasicInfoForm::CloseButtonClick);
    DoCreate();
}

TEquipmentBasicInfoForm::~TEquipmentBasicInfoForm() { Request.reset(); }

void TEquipmentBasicInfoForm::FormCreate(QObject*)
{
    Request = std::make_unique<MvSNMPRequest2Edits>(this);
    const VarDescriptor* table = FindTable("Oid_equipment", "1.3.6.1.4.1.171.12.11.1.1");
    if (table == nullptr)
        throw Exception("No descriptor table Oid_equipment 1.3.6.1.4.1.171.12.11.1.1");
    Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
    Request->Mode = 0;
    Edit1->SetText("Fan, Redundant Power");
    Attach(*Request, false);
    // Nothing here catches: an exception of the read is shown by the layer and the window opens.
    Read(*Request);
}

void TEquipmentBasicInfoForm::BitBtn1Click(QObject*)
{
    if (Request)
        Guarded([&] { Read(*Request); });
}

void TEquipmentBasicInfoForm::bbtnSetClick(QObject*) {}

void TEquipmentBasicInfoForm::CloseButtonClick(QObject*) { Close(); }

void TEquipmentBasicInfoForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
