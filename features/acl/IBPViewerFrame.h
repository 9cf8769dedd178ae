#pragma once
// The frame of the four IP-MAC binding ACL viewers: the profiles and rules the switch keeps for
// IP-MAC binding, listed, the chosen row shown in read-only fields (a rule's ports in a port
// picker on the tab "Ports"). Nothing is written; Refresh reads again and Close closes. Every
// read is synchronous: it has ended when its handler returns.
//
// A viewer derives from the frame and from its layout and hands the frame its components and
// the bindings of its table's columns:
//
//     TFooForm::TFooForm(QWidget* owner) : TIBPViewerFrame(owner, FooTable)
//     {
//         setupUi(this);
//         Loaded();
//         InitWindow();
//         UseComponents({.List = ListView1, ..., .Columns = {{0, "%i{n1x14l2}", edtID}, ...}});
//         DoCreate();
//     }

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
class PageControl;
} // namespace ui

// The table a viewer reads: its key OID in Oid_acl and its number of index columns.
struct IBPViewerSettings {
    const char* TableOid = nullptr;
    int KeyCount = 1;
};

// A column shown in an edit (under its input rule) or in a drop-down list (rule none).
struct IBPViewerColumn {
    int Item = 0;
    const char* Rule = nullptr;
    QWidget* Control = nullptr;
};

struct IBPViewerComponents {
    ui::ListView* List = nullptr;
    ui::Label* RowCount = nullptr;   // the count under "Samples"
    ui::Button* RefreshButton = nullptr;
    ui::Button* CloseButton = nullptr;
    ui::ComboBox* Combo = nullptr;   // the option column's list, kept disabled; none without one
    std::vector<IBPViewerColumn> Columns;
    // The rule windows: the port list column and the pages of the picker's tab "Ports".
    int PortItem = -1;
    ui::PageControl* Pages = nullptr;
};

class TIBPViewerFrame : public ui::Form, public WindowLifecycle {
public:
    TIBPViewerFrame(QWidget* owner, const IBPViewerSettings& settings);
    ~TIBPViewerFrame() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void RefreshClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // No row shown: the fields empty, the list showing nothing and disabled, every port box
    // unchecked.
    void ResetInputs();

protected:
    // The layout's components, once setupUi has made them; the handlers are wired here.
    void UseComponents(IBPViewerComponents components);

private:
    const IBPViewerSettings settings_;
    IBPViewerComponents c_;
};
