#include "LayerForm.h"

#include "ui/Text.h"

TLayerForm::TLayerForm(QWidget* owner) : ui::Form(owner)
{
    setupUi(this);
    Loaded();
    OnCreate = ui::Handler(this, &TLayerForm::FormCreate);
    OnShow = ui::Handler(this, &TLayerForm::FormShow);
    OnActivate = ui::Handler(this, &TLayerForm::FormActivate);
    OnCloseQuery = ui::Handler(this, &TLayerForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TLayerForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TLayerForm::btnGetClick);
    btnClose->OnClick = ui::Handler(this, &TLayerForm::btnCloseClick);
    LV_Entry->OnChange = ui::Handler(this, &TLayerForm::LV_EntryChange);
    DoCreate();
}

void TLayerForm::Dispatch(ui::Message& message)
{
    if (message.Msg == WM_LAYER_REFRESH)
        Log.push_back("refresh");
    else
        ui::Form::Dispatch(message);
}

void TLayerForm::FormCreate(QObject*)
{
    Log.push_back("create");
    PostMessage(WM_LAYER_REFRESH);
}

void TLayerForm::FormShow(QObject*)
{
    Log.push_back("show");
}

void TLayerForm::FormActivate(QObject*)
{
    Log.push_back("activate");
}

void TLayerForm::FormCloseQuery(QObject*, bool& canClose)
{
    Log.push_back("closequery");
    canClose = AllowClose;
}

void TLayerForm::FormClose(QObject*, ui::CloseAction& action)
{
    Log.push_back("close");
    action = Action;
}

void TLayerForm::btnGetClick(QObject*)
{
    Log.push_back("get");
    ui::ListItem* row = LV_Entry->AddItem();
    row->SetCaption(std::to_string(LV_Entry->Count()));
    row->AddSubItem(VlanIDEdit->Text());
    row->AddSubItem(NameEdit->Text());
    StatusBar1->Panel(0)->SetText("Get: Ok!");
}

void TLayerForm::btnCloseClick(QObject*)
{
    Close();
}

void TLayerForm::LV_EntryChange(QObject*, ui::ListItem*)
{
    StaticText1->SetCaption(std::to_string(LV_Entry->Count()));
}
