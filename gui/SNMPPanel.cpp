#include "gui/SNMPPanel.h"

#include "snmp/Request2Edits.h"

#include "ui/Align.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"

#include <algorithm>
#include <exception>

namespace {

constexpr int MinClientWidth = 350;
constexpr int MaxClientWidth = 800;
constexpr int MaxClientHeight = 550;

} // namespace

TSNMPPanel* EnclosingSNMPPanel(QWidget* control)
{
    for (QWidget* w = control ? control->parentWidget() : nullptr; w != nullptr; w = w->parentWidget())
        if (auto* panel = dynamic_cast<TSNMPPanel*>(w))
            return panel;
    return nullptr;
}

TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* msgPanel, MvSNMPRequest2Edits* edits)
    : ui::Panel(owner), Edits(edits)
{
    SetBevelOuter(ui::bvNone);
    if (msgPanel == nullptr) {
        MsgPanel = new TMsgPanel(this);
        ui::SetAlign(MsgPanel, ui::alBottom);
        if (Edits != nullptr)
            Edits->SetLogTarget(MsgPanel->MsgStatusBar);
    } else if (Edits != nullptr) {
        Edits->SetLogTarget(msgPanel->MsgStatusBar);
    }
    Buttons = new TCtrlBtnPanel(this);
    Buttons->RefreshButton->OnClick = [this](QObject* sender) { RefreshClick(sender); };
    Buttons->CloseButton->OnClick = ui::Handler(this, &TSNMPPanel::CloseClick);
    Buttons->StopButton->OnClick = ui::Handler(this, &TSNMPPanel::StopClick);
    RightSplitter = new ui::Splitter(this);
    ui::SetWidth(RightSplitter, 3);
    ui::SetAlign(RightSplitter, ui::alRight);
    ClientPanel = new ui::Panel(this);
    ClientPanel->SetBevelOuter(ui::bvNone);
    ui::SetAlign(ClientPanel, ui::alClient);
    BottomSplitter = new ui::Splitter(ClientPanel);
    BottomSplitter->hide();
    ui::SetBounds(BottomSplitter, 0, 0, 5, 3);
    ui::SetBounds(this, 0, 0, 0, 0);
}

void TSNMPPanel::SetContent(QWidget* control)
{
    if (ContentControl != nullptr && ContentControl != control) {
        ContentControl->hide();
        ui::SetAlign(ContentControl, ui::alNone);
    }
    ContentControl = control;
    control->show();
    ui::SetAlign(control, ui::alNone);
    ui::SetParent(control, ClientPanel);
    const int columnHeight = Buttons->ArrangedHeight();
    ui::SetAlign(this, ui::alNone);
    const int status = MsgPanel != nullptr ? MsgPanel->height() : 0;
    const int width = control->width() + Buttons->width() + RightSplitter->width() + 3;
    int height = control->height() + status + BottomSplitter->height();
    if (height < columnHeight)
        height = columnHeight + status + BottomSplitter->height();
    if (this->width() != width || this->height() != height)
        ui::SetBounds(this, x(), y(), width, height);
    ui::SetAlign(control, ui::alClient);
}

void TSNMPPanel::FitForm(ui::CustomForm* form)
{
    ui::SetAlign(this, ui::alNone);
    HostForm = form;
    if (form == nullptr)
        return;
    form->SetPosition(ui::poMainFormCenter);
    int clientWidth = form->ClientWidth();
    if (width() > clientWidth)
        clientWidth = width();
    clientWidth = std::max(clientWidth, MinClientWidth);
    int clientHeight = form->ClientHeight();
    if (height() > clientHeight)
        clientHeight = height();
    clientHeight = std::min(clientHeight, MaxClientHeight);
    clientWidth = std::min(clientWidth, MaxClientWidth);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    ui::SetAlign(this, ui::alClient);
}

void TSNMPPanel::ShowStopButton()
{
    Buttons->StopButton->show();
    Buttons->ArrangeButtons();
}

void TSNMPPanel::RefreshClick(QObject*)
{
    if (Edits == nullptr)
        return;
    Edits->Request.Active = 1;
    if (Edits->Busy)
        return;
    try {
        Edits->Get();
    } catch (const std::exception& e) {
        Edits->WriteLogLine(e.what());
        Edits->Request.Active = 1;
    }
}

void TSNMPPanel::CloseClick(QObject*)
{
    try {
        if (Edits != nullptr) {
            Edits->Request.Active = 0;
            if (Edits->Busy)
                ui::ProcessMessages();
        }
        if (HostForm != nullptr)
            HostForm->Close();
    } catch (...) {
        ui::MessageBox(this, "Please initial close form");
    }
}

void TSNMPPanel::StopClick(QObject*)
{
    try {
        if (!Buttons->RefreshButton->isEnabled())
            Buttons->RefreshButton->setEnabled(true);
        if (Edits != nullptr)
            Edits->Request.Active = 0;
    } catch (...) {
        ui::MessageBox(this, "Getting SNMP Data!");
        if (Edits != nullptr)
            Edits->Request.Active = 1;
    }
}
