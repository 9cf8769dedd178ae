#pragma once
// The main window and the module-level state it keeps for the other windows.

#include "main/CommandLine.h"
#include "main/HandlerTable.h"
#include "main/MainMenu.h"
#include "snmp/DeviceState.h"
#include "ui/MainWindow.h"

#include "ui_MainForm.h"

#include <cstdint>
#include <string>
#include <vector>

class TMainForm : public ui::MainWindow, public Ui::MainForm, private SwitchCopies {
public:
    // Builds the window from its layout, takes the scale factor, creates the SNMP session (the
    // boots counter file in the current directory), loads the message files and reads the
    // command line. Raises the framework's exception when the session cannot be made and
    // EConvertError for a numeric switch without a number; without any parameter it says so and
    // asks the program to end.
    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;

    float Scale() const { return DPIScale; }

    // The items of MainMenu1 by component name.
    const MainMenu& Menu() const { return Menu_; }

    // What the menu item naming onClick runs: the handler whose row has that name (ignoring
    // letter case), when its family can run; empty otherwise, and the item stays disabled.
    ui::NotifyEvent HandlerFor(const std::string& onClick);

private:
    bool CanRun(const HandlerRow& row) const;
    void RunHandler(const HandlerRow& row);

    MainMenu Menu_;
    std::string CaptionText;       // the title of the feature window being opened
    std::vector<std::string> ModelNames;
    std::uint8_t PanelShown = 0;
    float DPIScale = 1.0f;         // 1.0 at 96 pixels per inch, else 1.25
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
