#pragma once
// The frame of the port tables that show one column as a list of words: every port's row, its
// settings in editors below the list, and the word column in an edit whose click opens a
// check-box chooser (the window's dialog, which writes the checked words back into the edit).
// Set writes the chosen port and waits for the switch's answer (a refused write is shown), then
// reads the table again; Stop ends a read or the wait.
//
// A window derives from the frame and from its layout, hands the frame its table and its
// components, and keeps its request, its bindings, its chooser and its own rules:
//
//     TFooPortForm::TFooPortForm(QWidget* owner) : TPortWordListFrame(owner, {"Oid_foo", "1.3.6..."})
//     {
//         setupUi(this);
//         UseComponents({.List = ListView1, ..., .WordsEdit = ProtocolEdit, ...});
//         DoCreate();
//     }
//
// FormCreate makes the chooser (CreateChooser), the request (CreateRequest) on the table, the
// list attached, the window's bindings (BindColumns), and the first read.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include <memory>

namespace ui {
class Button;
class Edit;
class Label;
class ListItem;
class ListView;
class StaticText;
} // namespace ui

// The table a window lists: its module and key OID (catalogue/CatalogueIndex.h), one key column.
struct PortWordListTable {
    const char* Module;
    const char* TableOid;
};

// The components the frame's handlers use, all of them present in every window.
struct PortWordListComponents {
    ui::ListView* List = nullptr;
    ui::Label* RowCount = nullptr;       // the count under "Samples"
    ui::Label* PortEditLabel = nullptr;  // the port's caption, never enabled
    ui::StaticText* PortText = nullptr;  // the chosen port
    ui::Edit* WordsEdit = nullptr;       // the word column; a click opens the chooser
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;    // Set: the chosen port's write
    ui::Button* StopButton = nullptr;
    ui::Button* CloseButton = nullptr;
};

class TPortWordListFrame : public ui::Form, public WindowLifecycle {
public:
    ~TPortWordListFrame() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void WordsEditClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The editors as with no port chosen.
    void ResetInputs();

protected:
    TPortWordListFrame(QWidget* owner, PortWordListTable table);

    // Once the layout is built, before DoCreate: the window loaded, scaled and centred on the
    // main window, the frame's handlers connected.
    void UseComponents(const PortWordListComponents& components);

    // --- the window's own steps
    // The chooser, made once, into its unit global.
    virtual void CreateChooser() = 0;
    // The chooser the word edit's click shows: the unit global, none once it is freed.
    virtual ui::Form* Chooser() const = 0;
    // The window's request (its word column listed as words and written back as bits).
    virtual std::unique_ptr<MvSNMPRequest2Edits> CreateRequest() = 0;
    // The columns bound to the window's controls, the port first.
    virtual void BindColumns(MvSNMPRequest2Edits& request) = 0;
    // The window's value editors cleared (the word edit among them), after the port text.
    virtual void ClearEditors() = 0;
    // The rules run when a click leaves a port chosen, after Set is enabled.
    virtual void PortChosen() {}

private:
    void ShowRowCount() const;

    PortWordListTable table_;
    PortWordListComponents c_;
};
