#include "features/switching/IPv6FieldCheck.h"

#include "snmp/Validators.h"

#include "ui/Edit.h"
#include "ui/MessageBox.h"

bool CheckIPv6Field(ui::Edit* edit, const std::string& field, QWidget* owner)
{
    if (IsValidIPv6HexText(edit->Text()))
        return true;
    ui::ShowMessage(owner, field + ": " + IPv6RefusalMessage);
    edit->SetFocus();
    return false;
}
