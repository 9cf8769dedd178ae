#include "ui/ComboBox.h"

#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Text.h"

#include <QLineEdit>
#include <QVariant>

namespace ui {

ComboBox::ComboBox(QWidget* parent) : QComboBox(ClientOf(parent))
{
    // A user's choice; code that sets the index does not emit it.
    connect(this, &QComboBox::activated, this,
            [this] { RunGuarded([this] { Fire(OnChange, static_cast<QObject*>(this)); }); });
    resize(DefaultComboBoxWidth, DefaultComboBoxHeight);
    ShowIfParentVisible(this);
}

void ComboBox::SetStyle(ComboStyle style)
{
    const std::string text = Text();
    setEditable(style == csDropDown);
    QLineEdit* edit = lineEdit();
    if (edit == nullptr)
        return;
    edit->setText(ToQString(text));
    WatchEdit();
}

void ComboBox::WatchEdit()
{
    QLineEdit* edit = lineEdit();
    if (edit == nullptr || edit == watchedEdit_)
        return;
    watchedEdit_ = edit;
    connect(edit, &QLineEdit::textEdited, this,
            [this] { RunGuarded([this] { Fire(OnChange, static_cast<QObject*>(this)); }); });
}

std::string ComboBox::ItemText(int index) const
{
    return ToStdString(itemText(index));
}

void ComboBox::AddItem(const std::string& text)
{
    InsertItem(count(), text);
}

void ComboBox::InsertItem(int index, const std::string& text)
{
    // Qt selects the first entry added to an empty list; the class library does not.
    const int before = currentIndex();
    const QString edited = isEditable() ? currentText() : QString();
    insertItem(index, ToQString(text));
    if (before < 0) {
        setCurrentIndex(-1);
        if (isEditable())
            setEditText(edited);
    }
}

void ComboBox::DeleteItem(int index)
{
    removeItem(index);
}

void ComboBox::ClearItems()
{
    const QString edited = isEditable() ? currentText() : QString();
    clear();
    if (isEditable())
        setEditText(edited);
}

int ComboBox::IndexOf(const std::string& text) const
{
    return findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ComboBox::SetItemIndex(int index)
{
    setCurrentIndex(index < -1 || index >= count() ? -1 : index);
}

std::string ComboBox::Text() const
{
    return ToStdString(currentText());
}

void ComboBox::SetText(const std::string& text)
{
    if (isEditable())
        setEditText(ToQString(text));
    else
        setCurrentIndex(IndexOf(text));
}

void ComboBox::Loaded()
{
    // A layout that makes the box a drop-down: typing in its edit is a change too.
    WatchEdit();
    const QVariant index = property("ItemIndex");
    SetItemIndex(index.isValid() ? index.toInt() : -1);
}

} // namespace ui
