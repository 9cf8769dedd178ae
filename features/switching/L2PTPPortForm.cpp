#include "features/switching/L2PTPPortForm.h"

#include "features/switching/NewRequest2EditsForL2PTP.h"
#include "features/switching/l2PTPPortEditForm.h"

#include "features/common/EditorEnabling.h"

TL2PTPPortForm* L2PTPPortForm = nullptr;

TL2PTPPortForm::TL2PTPPortForm(QWidget* owner)
    : TPortWordListFrame(owner, {"Oid_lacpoam", "1.3.6.1.4.1.171.12.93.1.2.1.1"})
{
    setupUi(this);
    UseComponents({.List = ListView1,
                   .RowCount = StaticText1,
                   .PortEditLabel = PortEditLabel,
                   .PortText = PortText,
                   .WordsEdit = ProtocolEdit,
                   .GetButton = GetButton,
                   .EditButton = EditButton,
                   .StopButton = StopButton,
                   .CloseButton = CloseButton});
    // Set before the binding, which keeps it and calls it on every choice.
    TypeComboBox->OnChange = ui::Handler(this, &TL2PTPPortForm::TypeComboBoxChange);
    DoCreate();
}

void TL2PTPPortForm::CreateChooser() { ::l2PTPPortEditForm = new Tl2PTPPortEditForm(this); }

ui::Form* TL2PTPPortForm::Chooser() const { return ::l2PTPPortEditForm; }

std::unique_ptr<MvSNMPRequest2Edits> TL2PTPPortForm::CreateRequest()
{
    return std::make_unique<NewRequest2EditsForL2PTP>(this);
}

void TL2PTPPortForm::BindColumns(MvSNMPRequest2Edits& request)
{
    request.BindStaticText(PortItem, PortText);
    request.BindComboBox(TypeItem, TypeComboBox);
    request.BindEdits(ProtocolItem, "%s{l256}", ProtocolEdit);
}

void TL2PTPPortForm::ClearEditors()
{
    TypeComboBox->SetItemIndex(-1);
    ProtocolEdit->SetText("");
    EnableEditors({ProtocolEdit}, false);
}

void TL2PTPPortForm::PortChosen() { TypeComboBoxChange(TypeComboBox); }

void TL2PTPPortForm::TypeComboBoxChange(QObject*)
{
    // Protocols are tunnelled by UNI ports alone.
    const bool uni = TypeComboBox->ItemIndex() == UniIndex && TypeComboBox->Text() == "uni";
    EnableEditors({ProtocolEdit}, uni);
}
