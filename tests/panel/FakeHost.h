#pragma once
// A panel host for the tests: a widget with a status bar whose panel 0 takes the LED log lines,
// recording the calls of the refresh window.

#include "panel/PanelHost.h"

#include "snmp/Exception.h"
#include "ui/StatusBar.h"

#include <QWidget>

#include <string>
#include <vector>

class FakeHost : public QWidget, public PanelHost {
public:
    FakeHost() : bar_(new ui::StatusBar(this)) { bar_->AddPanel(500); }

    ui::StatusPanel* LedLogPanel() override { return bar_->Panel(0); }
    bool FirstRefreshSet() const override { return firstRefresh; }
    bool LoadStackingInfo() override
    {
        calls.push_back("LoadStackingInfo");
        return stackingReadSucceeds;
    }
    void ClosePanels() override { calls.push_back("ClosePanels"); }
    void RebuildPanels() override
    {
        calls.push_back("RebuildPanels");
        if (rebuildFails)
            throw Exception("rebuild failed");
    }
    void HideUnitMenus() override { calls.push_back("HideUnitMenus"); }

    std::string LogLine() const { return bar_->Panel(0)->Text(); }
    void ClearLog() { bar_->Panel(0)->SetText(""); }

    std::vector<std::string> calls;
    bool firstRefresh = false;
    bool stackingReadSucceeds = true;
    bool rebuildFails = false;

private:
    ui::StatusBar* bar_;
};
