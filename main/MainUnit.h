#pragma once
// The main window and the module-level state it keeps for the other windows.

#include "main/CommandLine.h"
#include "main/HandlerTable.h"
#include "main/MainMenu.h"
#include "panel/PanelHost.h"
#include "snmp/DeviceState.h"
#include "ui/MainWindow.h"

#include "ui_MainForm.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MvSNMPRequest2Edits;
class TPanelForm;
struct VarDescriptor;

class TMainForm : public ui::MainWindow, public Ui::MainForm, private SwitchCopies, public PanelHost {
public:
    // Builds the window from its layout, takes the scale factor, creates the SNMP session (the
    // boots counter file in the current directory), loads the message files and reads the
    // command line. Raises the framework's exception when the session cannot be made and
    // EConvertError for a numeric switch without a number; without any parameter it says so and
    // asks the program to end.
    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;

    // The creation event: reads sysObjectID and identifies the model, reads the stacking and
    // firmware information, and adjusts the menu to the firmware and the model. A switch that
    // does not answer leaves the model unidentified; the window opens all the same.
    void FormCreate(QObject* sender);

    // Reads the stack mode, the unit table and the firmware type (creating their requests at
    // the first call). True when every read succeeded; false after a failure, whose text is in
    // status panel 0. Also run by the refresh.
    bool LoadStackingInfo() override;
    // Hides "Unit Information" and "Unit Table"; also run by the refresh.
    void HideUnitMenus() override;
    // Shows and hides the items that depend on the firmware type and the model.
    void AdjustMenusForModel();

    // Starts the external browser program of the page switch ("/TMIB_Info") for this switch;
    // a message box says when the program is missing or does not start.
    void LaunchTool(const std::string& pageSwitch);
    // Opens the help file beside the module with the desktop's viewer.
    void Help2Click(QObject* sender);

    // The front panels (main/PanelHosting.cpp). The first activation builds the model's panel.
    void FormActivate(QObject* sender);
    // The panel of the identified model as unit 1; none for the third model or an unknown switch.
    void CreateModelPanel();
    // The panel of one stacking unit below the previous one, for the first two models' module
    // names only.
    void AddUnitPanel(const std::string& moduleName, const std::string& unitId);
    // The model panel, or with stacking enabled one panel per present unit of the unit list.
    void RebuildPanels() override;
    // Closes and frees every panel, in the order they were placed.
    void ClosePanels() override;
    // "Refresh": asks, then shows the refresh window, which rebuilds the panels; five or more
    // units make the window scroll.
    void RefreshPanel1Click(QObject* sender);
    // Stops and frees the requests; the panels go with the window.
    void FormClose(QObject* sender, ui::CloseAction& action);

    ui::StatusPanel* LedLogPanel() override;
    bool FirstRefreshSet() const override { return FirstRefresh != 0; }

    // The panels shown, in the order placed; the last placed; the units counted by the last
    // rebuild.
    const std::vector<TPanelForm*>& Panels() const { return PanelForms; }
    TPanelForm* LastPlacedPanel() const { return LastPanel; }
    int UnitPanels() const { return UnitPanelCount; }

    // The synchronous request on the spanning tree version, bound to ST_STPVersion: windows that
    // need the version call its Get and read that text. None before the creation event.
    MvSNMPRequest2Edits* STPVersion() const { return STPVersionRequest.get(); }

    float Scale() const { return DPIScale; }

    // The items of MainMenu1 by component name.
    const MainMenu& Menu() const { return Menu_; }

    // What the menu item naming onClick runs: the handler whose row has that name (ignoring
    // letter case), when its family can run; empty otherwise, and the item stays disabled.
    ui::NotifyEvent HandlerFor(const std::string& onClick);
    // Runs the handler of that name (ignoring letter case) as its item would, whether the item
    // is shown or the handler has none; a name without a runnable handler raises
    // std::logic_error.
    void RunHandlerNamed(std::string_view name);

private:
    // A synchronous request of the main window on one descriptor table.
    std::unique_ptr<MvSNMPRequest2Edits> NewRequest(const VarDescriptor* table, std::uint8_t kind,
                                                    int keyCount);
    void ShowStatus(const std::string& text);
    // Creates a start-up request at the first call, logging into status panel 0; false, with
    // the failure text there, when its creation raised.
    bool CreateOnce(std::unique_ptr<MvSNMPRequest2Edits>& request, const char* failure,
                    const std::function<std::unique_ptr<MvSNMPRequest2Edits>()>& create);

    bool CanRun(const HandlerRow& row) const;
    void RunHandler(const HandlerRow& row);

    // Puts a panel just made into the scroll box below the last one and sizes the window to it.
    void PlacePanel(TPanelForm* panel, int unit, bool modelPanel);
    // Five units and more: a taller window that scrolls over its panels.
    void ScrollOverPanels();

    MainMenu Menu_;
    std::string CaptionText;       // the title of the feature window being opened
    std::vector<std::string> ModelNames;
    std::uint8_t PanelShown = 0;
    std::uint8_t FirstRefresh = 0;  // set from the creation until the first Refresh
    // The panels belong to the window (Qt children); the list only finds them again.
    std::vector<TPanelForm*> PanelForms;
    TPanelForm* LastPanel = nullptr;
    int UnitPanelCount = 0;
    // The scrolling layout has widened the window by 20 since a panel last set its width.
    bool ScrollWidened = false;
    float DPIScale = 1.0f;         // 1.0 at 96 pixels per inch, else 1.25
    bool NoParameters_ = false;    // started without parameters: the program ends at once

    // The start-up requests, all synchronous; freed with the window.
    std::unique_ptr<MvSNMPRequest2Edits> UnitTableRequest;
    std::unique_ptr<MvSNMPRequest2Edits> STPVersionRequest;
    std::unique_ptr<MvSNMPRequest2Edits> StackModeRequest;
    std::unique_ptr<MvSNMPRequest2Edits> FirmwareTypeRequest;
    std::unique_ptr<MvSNMPRequest2Edits> ModuleOIDRequest;
};

// The main window of the module; the state it keeps for the other windows lives in
// snmp/DeviceState.h, which windows below main/ read.
extern TMainForm* MainForm;

// The program's parameters (its arguments without the program), as the command line gave them.
const std::vector<std::string>& CommandLineParameters();
void SetCommandLineParameters(const std::vector<std::string>& parameters);

// Module initialisation and finalisation of the main unit (the main window pointer and the
// device state).
void InitMainUnit();
void FinalizeMainUnit();
