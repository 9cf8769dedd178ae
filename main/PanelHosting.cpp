// The main window's front panels: the model's panel at the first activation, the panels rebuilt
// from the stacking information at a refresh, the window sized around them, and what the window
// frees when it closes.
#include "main/MainUnit.h"

#include "catalogue/CatalogueIndex.h"
#include "panel/PanelSorvaneKaForm.h"
#include "panel/PanelSorvaneKbForm.h"
#include "panel/PanelSorvaneKdForm.h"
#include "panel/WaitingForm.h"
#include "snmp/Convert.h"
#include "snmp/Request2Edits.h"
#include "ui/Align.h"
#include "ui/Control.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/ScrollBox.h"
#include "ui/StatusBar.h"

#include <exception>
#include <memory>

namespace {

// Exist State texts of a unit that is not there: the switch's own "no-exist", and what the list
// holds for a cell the switch never gave (its column's walk ended, or it skipped the row).
bool UnitAbsent(const std::string& existState)
{
    return existState == "no-exist" || existState == "NOTDONE" || existState == "(NOTDONE)" ||
           existState == "(NULL)";
}

// The columns of the unit list read here (sub-item n is column n + 1).
constexpr int StartPortItem = 1, PortRangeItem = 2, ModuleNameItem = 6, ExistStateItem = 7;

// The scrolling layout of five units and more.
constexpr int ScrollingTop = 20, ScrollingHeight = 500, ScrollingExtraWidth = 20;

} // namespace

ui::StatusPanel* TMainForm::LedLogPanel()
{
    return StatusBar->Panel(0);
}

void TMainForm::FormActivate(QObject*)
{
    if (PanelShown)
        return;
    PanelShown = 1;
    CreateModelPanel();
}

void TMainForm::PlacePanel(TPanelForm* panel, int unit, bool modelPanel)
{
    const int h = panel->ClientHeight();
    const int w = panel->ClientWidth();
    panel->UnitNumber = unit;
    panel->InitLeds();

    ui::SetParent(panel, ScrollBox1);
    ui::SetLeft(panel, 0);
    ui::SetAlign(ScrollBox1, ui::alNone);
    if (LastPanel == nullptr) {
        ui::SetTop(panel, 0);
        SetClientWidth(w + 3);
        ScrollWidened = false;
    } else {
        ui::SetTop(panel, LastPanel->ClientHeight() + LastPanel->y() + 1);
        if (ClientWidth() < w + 3) {
            SetClientWidth(w + 3);
            ScrollWidened = false;
        }
    }
    LastPanel = panel;
    SetClientHeight(panel->y() + h + StatusBar->height() + static_cast<int>(PanelForms.size()) + 3);
    ui::SetAlign(ScrollBox1, ui::alClient);
    if (modelPanel)
        ScrollBox1->SetAutoScroll(false);

    panel->Show();
    if (frameGeometry().width() < panel->width()) {
        ui::SetWidth(this, panel->width() + 4);
        ScrollWidened = false;
    }
    PanelForms.push_back(panel);
}

void TMainForm::CreateModelPanel()
{
    TPanelForm* panel = nullptr;
    switch (ModelNumberOf(ModuleOIDText)) {
    case 1: panel = new TPanelSorvaneKaForm(this); break;
    case 2: panel = new TPanelSorvaneKbForm(this); break;
    case 4: panel = new TPanelSorvaneKdForm(this); break;
    default: return;
    }
    PlacePanel(panel, 1, true);
}

void TMainForm::AddUnitPanel(const std::string& moduleName, const std::string& unitId)
{
    const bool ka = ModelNames.size() > 1 && moduleName == ModelNames[0];
    const bool kb = ModelNames.size() > 1 && moduleName == ModelNames[1];
    if (!ka && !kb)
        return;
    const int unit = StrToInt(unitId);
    TPanelForm* panel = ka ? static_cast<TPanelForm*>(new TPanelSorvaneKaForm(this))
                           : static_cast<TPanelForm*>(new TPanelSorvaneKbForm(this));
    PlacePanel(panel, unit, false);
}

void TMainForm::RebuildPanels()
{
    UnitPanelCount = 0;
    LastPanel = nullptr;
    if (ST_StackMode->Caption() != "enabled") {
        CreateModelPanel();
        return;
    }
    try {
        for (int i = 0; i < UnitListView->Count(); ++i) {
            const ui::ListItem* row = UnitListView->Item(i);
            if (UnitAbsent(row->SubItem(ExistStateItem)))
                continue;
            StrToInt(row->SubItem(StartPortItem));
            StrToInt(row->SubItem(PortRangeItem));
            ++UnitPanelCount;
            AddUnitPanel(row->SubItem(ModuleNameItem), row->Caption());
        }
    } catch (const std::exception& e) {
        // The panels placed so far stay.
        ShowStatus(e.what());
    }
}

void TMainForm::ClosePanels()
{
    for (TPanelForm* panel : PanelForms) {
        // Closing stops the panel's LED polling (waiting for a read under way where its model
        // does); the panel is freed here rather than later by its close action.
        ui::CloseAction action = ui::caFree;
        panel->FormClose(panel, action);
        delete panel;
    }
    PanelForms.clear();
    LastPanel = nullptr;
}

void TMainForm::RefreshPanel1Click(QObject*)
{
    if (!ui::Confirm(this, "Refresh panel may take a long time. Are you sure?"))
        return;
    FirstRefresh = 0;
    {
        const std::unique_ptr<TWaitingForm> form(new TWaitingForm(this));
        WaitingForm = form.get();
        struct Clear {
            ~Clear() { WaitingForm = nullptr; }
        } clear;
        form->ShowModal();
    }
    if (UnitPanelCount >= 5)
        ScrollOverPanels();
}

void TMainForm::ScrollOverPanels()
{
    // Absolute, so that a refresh that keeps the old panels (a failed stacking read) leaves the
    // window as it is.
    ScrollBox1->SetAutoScroll(true);
    const int width = frameGeometry().width() + (ScrollWidened ? 0 : ScrollingExtraWidth);
    ui::SetBounds(this, x(), ScrollingTop, width, ScrollingHeight);
    ScrollWidened = true;
    // The scroll box keeps filling the client area above the status bar.
    ui::Realign(centralWidget());
}

void TMainForm::FormClose(QObject*, ui::CloseAction& action)
{
    action = ui::caFree;
    for (std::unique_ptr<MvSNMPRequest2Edits>* request :
         {&UnitTableRequest, &STPVersionRequest, &StackModeRequest, &FirmwareTypeRequest, &ModuleOIDRequest}) {
        if (!*request)
            continue;
        (*request)->Request.Active = 0;
        while ((*request)->Busy)
            ui::ProcessMessages();
        request->reset();
    }
    PanelForms.clear();
    LastPanel = nullptr;
}
