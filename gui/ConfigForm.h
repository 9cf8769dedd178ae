#pragma once
// The one window class behind every generated feature window: an empty modal form whose content
// is built after construction by exactly one layout operation from one or more requests.
//
// A menu handler:
//     auto* form = new TConfigForm(nullptr);
//     auto* edits = new MvSNMPRequest2Edits(form);   // the window owns it from the layout call
//     edits->Request.VarList = MvSNMPVarList(table, kind, keyCount);
//     TSNMPListViewPanel* panel = form->MakeListView(edits, 3, "createAndGo", 3, "destroy");
//     panel->Buttons->EditButton->hide(); panel->Buttons->ArrangeButtons();   // tweaks
//     form->SetCaption(title + ": " + DeviceIPText);
//     form->ShowModal();
//     delete form;
// The window reads by itself once its modal loop runs (the posted WM_CONFIG_REFRESH), again on
// each change of page, and stops and frees its requests when it closes.
//
// Layout calls raise Exception with "Can not change Type of a Config Form!", "Can not add editor
// page to a none-page pannel!" or "Can not add listview page to a none-page pannel!".

#include "gui/SNMPEditorPanel.h"
#include "gui/SNMPListViewPanel.h"

#include "ui/Form.h"
#include "ui/Message.h"
#include "ui/PageControl.h"

#include "ui_ConfigForm.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class MvSNMPRequest2Edits;

inline constexpr unsigned WM_CONFIG_REFRESH = ui::WM_APP + 1234; // 34002

// Layouts.
enum : std::uint8_t { lyNone = 0, lyEditor = 1, lyList = 2, lyPages = 3 };

class TConfigForm : public ui::Form, public Ui::ConfigForm {
    Q_OBJECT
public:
    explicit TConfigForm(QWidget* owner = nullptr);
    // Frees the requests FormClose left (a window never shown), before its controls go.
    ~TConfigForm() override;

    std::uint8_t Layout = lyNone;
    // One per panel in building order; owned by the window.
    std::vector<MvSNMPRequest2Edits*> Requests;
    ui::PageControl* Pages = nullptr;
    MvSNMPRequest2Edits* CurrentRequest = nullptr;

    TSNMPEditorPanel* MakeEditor(MvSNMPRequest2Edits* edits);
    // addValue / deleteValue none: no Add / Delete button (callers pass -1 as index then).
    TSNMPListViewPanel* MakeListView(MvSNMPRequest2Edits* edits, int addIndex,
                                     const std::optional<std::string>& addValue, int deleteIndex,
                                     const std::optional<std::string>& deleteValue);
    void MakePages();
    TSNMPEditorPanel* AddEditorPage(const std::string& caption, MvSNMPRequest2Edits* edits);
    TSNMPListViewPanel* AddListViewPage(const std::string& caption, MvSNMPRequest2Edits* edits,
                                        int addIndex, const std::optional<std::string>& addValue,
                                        int deleteIndex,
                                        const std::optional<std::string>& deleteValue);

    // Reads the request of the visible panel (and stops the one read before).
    void Refresh();
    void Dispatch(ui::Message& message) override;

    void PageChanged(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    void WMRefresh(ui::Message& message);
    template <class Panel>
    Panel* BuildPanel(QWidget* parent, MvSNMPRequest2Edits* edits);
    TSNMPListViewPanel* BuildListPanel(QWidget* parent, MvSNMPRequest2Edits* edits, int addIndex,
                                       const std::optional<std::string>& addValue,
                                       int deleteIndex,
                                       const std::optional<std::string>& deleteValue);
    void GrowClientTo(QWidget* control);
    QWidget* NewPage(const std::string& caption, const char* wrongLayoutMessage);
    void FitPage(QWidget* page, QWidget* panel);
    void FreeRequests();
};

// The window a handler is showing, for handlers that keep it here.
extern TConfigForm* ConfigForm;
