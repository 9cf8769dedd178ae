#pragma once
// What the front panels and the refresh window need of the window that hosts them (the main
// window): its status panel 0, where the panels' LED requests log, its first-refresh flag, and
// the operations that reload the stacking information and rebuild the panels. The panels find
// it from their owner, so nothing here includes the main window.

class QObject;

namespace ui {
class StatusPanel;
}

class PanelHost {
public:
    virtual ~PanelHost() = default;

    // Status panel 0 of the host's status bar; none when it has none.
    virtual ui::StatusPanel* LedLogPanel() = 0;
    // The host's FirstRefresh flag: set from its creation until a refresh is asked for.
    virtual bool FirstRefreshSet() const = 0;
    // Reads the unit table, stack mode and firmware type again; false on failure (reported by
    // the host).
    virtual bool LoadStackingInfo() = 0;
    // Closes and frees every panel form.
    virtual void ClosePanels() = 0;
    // Builds the panels from the stack mode and the unit list.
    virtual void RebuildPanels() = 0;
    // Hides the unit menu items.
    virtual void HideUnitMenus() = 0;
};

// The host that owns a panel or the refresh window: owner itself when it is one, else none.
PanelHost* PanelHostOf(QObject* owner);
