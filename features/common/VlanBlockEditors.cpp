#include "features/common/VlanBlockEditors.h"

#include "gui/BasicForm.h"
#include "gui/VlanList.h"
#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"
#include "snmp/VarDescriptor.h"
#include "snmp/VarList.h"

#include "ui/CheckBox.h"
#include "ui/Edit.h"

#include <QWidget>

#include <stdexcept>
#include <string>

namespace {

template <typename Control>
Control* FindControl(QWidget* form, const std::string& name)
{
    // The boxes are templates without meta-objects of their own: found as widgets, then cast.
    auto* control = dynamic_cast<Control*>(form->findChild<QWidget*>(QString::fromStdString(name)));
    if (control == nullptr)
        throw std::logic_error("The form has no VLAN block control " + name);
    return control;
}

} // namespace

void VlanBlockEditors::FindIn(QWidget* form)
{
    for (int b = 0; b < BlockCount; ++b) {
        const std::string n = std::to_string(b + 1);
        edits_.at(static_cast<std::size_t>(b)) = FindControl<ui::Edit>(form, "VLANRangeEdit" + n);
        boxes_.at(static_cast<std::size_t>(b)) = FindControl<ui::CheckBox>(form, "cbxVlanRange" + n);
    }
}

int VlanBlockEditors::Block(int item) const
{
    if (item < FirstItem() || item > LastItem())
        throw std::out_of_range("No VLAN block item " + std::to_string(item));
    return item - firstItem_;
}

ui::Edit* VlanBlockEditors::Edit(int item) const { return edits_.at(static_cast<std::size_t>(Block(item))); }

ui::CheckBox* VlanBlockEditors::Box(int item) const { return boxes_.at(static_cast<std::size_t>(Block(item))); }

void VlanBlockEditors::Bind(TBasicForm& form, MvSNMPRequest2Edits& request) const
{
    for (int k = FirstItem(); k <= LastItem(); ++k)
        form.BindEdit(request, k, "%s", Edit(k), Box(k));
}

bool VlanBlockEditors::CheckedTextsAreLists(QWidget* owner) const
{
    for (int k = FirstItem(); k <= LastItem(); ++k) {
        ui::CheckBox* box = Box(k);
        if (!box->Checked() || !box->isEnabled())
            continue;
        if (!CheckVlanBlockText(owner, Edit(k)->Text(), Block(k))) {
            TBasicForm::FocusIfEnabled(Edit(k));
            return false;
        }
    }
    return true;
}

void VlanBlockEditors::BitmapsToListTexts(MvSNMPVarList& list) const
{
    for (int k = FirstItem(); k <= LastItem() && k < list.Count(); ++k) {
        std::string& value = list.Item(k).value;
        value = VlanHexToListText(value, Block(k));
    }
}

void VlanBlockEditors::CheckedTextsToBitmaps(MvSNMPVarList& list) const
{
    for (int k = FirstItem(); k <= LastItem(); ++k) {
        MvVarItem& item = list.Item(k);
        if (!Box(k)->Checked() || (item.access & invalid) != 0)
            continue;
        const int block = Block(k);
        std::string text = Edit(k)->Text();
        // A text that does not convert, or VLANs of another block, would go out as some other
        // bitmap than the one the user sees.
        if (!IsVlanBlockListText(text, block))
            throw Exception("Please input a VLAN list within " + VlanBlockCaption(block) + ".");
        VlanListTextToHex(text);
        item.value = text;
    }
}
