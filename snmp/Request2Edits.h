#pragma once
// The request driver of a window that shows its values in controls. Items of the variable list,
// or parts and bits of items, are bound to edits, combo boxes, radio groups, check boxes, labels
// and static texts, and one report-style list view may be attached. After each answer the values
// go into a new list-view row when a list view is attached, else into the bound controls; before
// a write they are collected from the selected row and the controls; selecting a row shows it in
// the controls. Window-specific drivers override RowReceived and CollectValues.
//
// Bindings name items by index: assign the variable list before binding, and keep its item order.
// A failed binding or transfer raises the framework's exception (codes -516 to -522); inside Get
// and Set it takes the course of the driver's other exceptions.

#include "snmp/EditConstraint.h"
#include "snmp/Request2Controls.h"

#include "ui/Events.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class MvOptionList;
struct MvVarItem;

namespace ui {
class CheckBox;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
} // namespace ui

// One binding of one item, or of a part or some bits of it, to one or more controls.
struct ControlBinding {
    std::int32_t ItemIndex = 0;
    // Octet offset of the part within the item's value; 0 with the item's own syntax: the whole
    // value.
    std::int32_t PartOffset = 0;
    // The syntax the part is read and written in: the item's syntax for whole values.
    std::int32_t PartSyntax = 0;
    // The explicit option list, not owned; none: a whole value uses the item's.
    MvOptionList* Options = nullptr;
    // Check boxes of a bit list: the bit of the value each control shows (bit b is mask
    // 0x80 >> b mod 8 of octet b / 8). Empty when the binding has no bit list.
    std::vector<int> BitIndexes;
    std::vector<QPointer<QWidget>> Controls;
    // The change handlers the controls had before they were bound (combo boxes: OnChange; radio
    // groups and check boxes: OnClick; empty for the others, which keep their own).
    std::vector<ui::NotifyEvent> SavedChangeHandlers;

    int ControlCount() const { return static_cast<int>(Controls.size()); }
};

class MvSNMPRequest2Edits : public MvSNMPRequest2Controls {
public:
    explicit MvSNMPRequest2Edits(QWidget* owner);
    // The controls and the list view get their own handlers back.
    ~MvSNMPRequest2Edits() override;

    // The list view's own selection handler, still called when a row is selected.
    ui::SelectItemEvent SavedSelectHandler;
    QPointer<ui::ListView> ListView;
    std::vector<ControlBinding> Bindings;
    // Input rules of the bound edits; the window is the owner of its messages, and every text
    // that passes (or that the transfer puts in) becomes the edit's last accepted text.
    MvEditConstraint Constraint;
    // Selecting a row enables the bound controls; a read of a walked table into the list view
    // disables them until a row is selected.
    std::uint8_t RowSelectDrivesEditing = 1;
    // Set while the driver is destroyed: the saved selection handler is no longer called.
    std::uint8_t Destroying = 0;

    // Makes the list view read-only, whole-row selecting, with grid lines, and takes its
    // selection event (ListItemSelected, which calls the list's own handler first); builds its
    // columns.
    void AttachListView(ui::ListView* list, bool rowSelectDrivesEditing = true);

    // The whole value of an item in a label, static text, edit, check box, combo box or radio
    // group. A combo box or radio group is filled from the item's option list; without one the
    // binding fails with -520.
    void BindControl(int item, QWidget* control);
    void BindStaticText(int item, ui::Label* text);
    // As BindControl; the combo box becomes a drop-down list.
    void BindComboBox(int item, ui::ComboBox* combo);
    // A part of the value in a drop-down list filled from options (or, without, -520).
    void BindComboBoxPart(int item, int offset, std::int32_t syntax, MvOptionList* options, ui::ComboBox* combo);
    // The whole value in one edit per "%" field of the rule text (the rules go onto the edits);
    // fewer edits than fields: -522.
    void BindEdits(int item, const std::string& rule, ui::Edit* edit, const std::vector<ui::Edit*>& further = {});
    void BindEditsPart(int item, int offset, std::int32_t syntax, MvOptionList* options, const std::string& rule,
                       ui::Edit* edit, const std::vector<ui::Edit*>& further = {});
    // One edit whose rule's "Z" option calls the check function.
    void BindEditWithCheck(int item, const std::string& rule, ui::Edit* edit, EditCheck check);
    // Check box k shows bit number k of the comma-separated bit list; at most eight boxes.
    void BindCheckBoxes(int item, const std::string& bits, const std::vector<ui::CheckBox*>& boxes);
    // Control k shows bit number k of the bit list (the port pickers: 64 boxes, bits 0 to 63).
    // A combo box followed by an edit forms a pair: the combo box holds the beginning of the
    // value, the edit the rest.
    void BindControlList(int item, const std::string& bits, const std::vector<QWidget*>& controls);
    template <class Control>
    void BindControlList(int item, const std::string& bits, const std::vector<Control*>& controls)
    {
        BindControlList(item, bits, std::vector<QWidget*>(controls.begin(), controls.end()));
    }

    // Removes every binding of the item: its edits lose their rules, its controls get their own
    // change handlers back.
    void Unbind(int item);
    // The input rules' messages and focus moves go to that window (a dialog showing the edits).
    void SetConstraintOwner(QWidget* window);

    // The list view's columns: when it has fewer than the list needs, one column of width 0 per
    // hidden-column item, then one per shown item sized to its caption.
    void BuildListColumns();
    // One row of the current values, in the order of the columns.
    void AddListRow();
    // The selected row's cells into the items' values (nothing without a selected row).
    void SelectedRowToValues();

    // The items' values into their controls, and back; item -1: every item. A text that cannot
    // be written as its syntax says (an empty number, an address field above 255) raises
    // EBadValue naming the item; an emptied octet-string value is a zero-length one.
    void ValuesToControls(int item = -1);
    void ControlsToValues(int item = -1);

    void EnableBoundControls(bool enabled);

    void BeforeGet() override;
    void RowReceived() override;
    void CollectValues() override;
    void AfterGet() override;
    // The list view's selection handler.
    virtual void ListItemSelected(QObject* sender, ui::ListItem* item, bool selected);

private:
    void AddBinding(ControlBinding binding, bool needsOptions);
    // The edits' input rules name the item's caption in their messages.
    void NameRules(int item, const std::vector<ui::Edit*>& edits);
    void CheckItemIndex(int item) const;
    // The driver's change handler of bound combo boxes, radio groups and check boxes.
    void ControlChanged(QObject* sender);
    const ControlBinding* FirstBindingOf(const QWidget* control) const;
    void BindBitList(int item, std::vector<int> bits, const std::vector<QWidget*>& controls);
    // The controls' own change handlers and the edits' rules off; keepStillBound spares the
    // controls that a remaining binding holds.
    void RestoreHandlers(const ControlBinding& binding, bool keepStillBound);
    // Item indexes in the order of the list view's columns: the order they were built in. A
    // column a window leaves out of one write (invalid) keeps its place in the rows meanwhile.
    std::vector<int> ColumnItems() const;
    // Item indexes in the order the list's access values give now.
    std::vector<int> CurrentColumnItems() const;
    bool BuiltColumnsFitTheList() const;
    std::string CellText(const MvVarItem& item) const;

    // The transfer of one binding into its controls, and the octets of its part collected from
    // them; null tells that the controls hold "(NULL)". A text that cannot be written as the
    // part's syntax raises EBadValue.
    void ShowBinding(const ControlBinding& binding, const MvVarItem& item);
    std::string CollectPart(const ControlBinding& binding, const MvVarItem& item, int itemIndex, bool& null);
    // The hex text of a port list typed into an edit, as wide as the value it replaces.
    std::string PortListEditHex(const std::string& text, const ControlBinding& binding, int itemIndex) const;

    // The values as they were when CollectValues emptied them; the width of a port list typed
    // into an edit comes from there when the item has no value of its own.
    std::vector<std::string> valuesBeforeCollect_;
    // The items of the list view's columns as BuildListColumns made or found them.
    std::vector<int> builtColumns_;
};
