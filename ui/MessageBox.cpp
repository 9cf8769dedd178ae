#include "ui/MessageBox.h"

#include "ui/Application.h"
#include "ui/Text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {

namespace {

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

int ShowRealMessageBox(const MessageBoxCall& call)
{
    QWidget* parent = call.Owner ? call.Owner->window() : QApplication::activeModalWidget();
    if (parent == nullptr)
        parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setWindowTitle(ToQString(call.Caption));
    box.setText(ToQString(call.Text));
    switch (call.Icon) {
    case miNone: box.setIcon(QMessageBox::NoIcon); break;
    case miInformation: box.setIcon(QMessageBox::Information); break;
    case miWarning: box.setIcon(QMessageBox::Warning); break;
    case miError: box.setIcon(QMessageBox::Critical); break;
    case miQuestion: box.setIcon(QMessageBox::Question); break;
    }
    switch (call.Buttons) {
    case mbOK: box.setStandardButtons(QMessageBox::Ok); break;
    case mbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case mbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case mbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return mrOk;
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    default: return call.Buttons == mbOK ? mrOk : mrCancel;
    }
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

namespace {

FieldNaming*& CurrentNaming()
{
    static FieldNaming* current = nullptr;
    return current;
}

} // namespace

FieldNaming::FieldNaming(std::string field) : field_(std::move(field)), outer_(CurrentNaming())
{
    CurrentNaming() = this;
}

FieldNaming::~FieldNaming() { CurrentNaming() = outer_; }

std::string FieldNaming::Named(const std::string& field, const std::string& text)
{
    if (field.empty())
        return text;
    return field + (!text.empty() && text[0] == ' ' ? ":" : ": ") + text;
}

int MessageBox(QWidget* owner, const std::string& text, MessageButtons buttons, MessageIcon icon,
               const std::string& caption)
{
    MessageBoxCall call;
    call.Owner = owner;
    call.Text = text;
    if (FieldNaming* naming = CurrentNaming()) {
        ++naming->shown_;
        call.Text = FieldNaming::Named(naming->field_, text);
    }
    call.Caption = caption.empty() ? ApplicationTitle() : caption;
    call.Buttons = buttons;
    call.Icon = icon;
    const MessageBoxHandler handler = Handler();
    return handler ? handler(call) : ShowRealMessageBox(call);
}

void ShowMessage(QWidget* owner, const std::string& text)
{
    MessageBox(owner, text);
}

bool Confirm(QWidget* owner, const std::string& text)
{
    return MessageBox(owner, text, mbOKCancel, miQuestion) == mrOk;
}

} // namespace ui
