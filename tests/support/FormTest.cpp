#include "FormTest.h"

#include "ui/Application.h"
#include "ui/Beep.h"
#include "ui/Guard.h"
#include "ui/Handling.h"
#include "ui/MessageLoop.h"
#include "ui/StatusBar.h"
#include "ui/Text.h"
#include "ui/Timer.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

void FormTest::SetUp()
{
    previousHandler_ = ui::SetMessageBoxHandler([this](const ui::MessageBoxCall& call) {
        boxes_.push_back(call);
        if (!answers_.empty()) {
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return call.Buttons == ui::mbYesNo || call.Buttons == ui::mbYesNoCancel ? int(ui::mrYes)
                                                                                : int(ui::mrOk);
    });
    ui::SetBeepHandler([this](int, int) { ++beeps_; });
}

void FormTest::TearDown()
{
    ui::SetBeepHandler({});
    ui::SetMessageBoxHandler(previousHandler_);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " queued answers were not asked for";
    // A request to end the program belongs to a run; left standing it would end the next one.
    EXPECT_FALSE(ui::Terminated()) << "the program was asked to end and no run took the request";
}

std::vector<std::string> FormTest::MessageBoxTexts() const
{
    std::vector<std::string> texts;
    for (const ui::MessageBoxCall& call : boxes_)
        texts.push_back(call.Text);
    return texts;
}

std::string FormTest::LastMessageBoxText() const
{
    return boxes_.empty() ? std::string() : boxes_.back().Text;
}

QObject* FormTest::FindObject(QWidget* form, const std::string& name)
{
    if (auto* custom = dynamic_cast<ui::CustomForm*>(form))
        return custom->FindComponent(name);
    return form->findChild<QObject*>(ui::ToQString(name));
}

void FormTest::ShowAndActivate(QWidget* form)
{
    if (auto* custom = dynamic_cast<ui::CustomForm*>(form))
        custom->Show();
    else
        form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form, 5000))
        ADD_FAILURE() << "the window did not become active";
}

void FormTest::TypeInto(QWidget* form, const std::string& name, const std::string& text)
{
    if (QWidget* target = Find(form, name))
        TypeInto(target, text);
}

void FormTest::TypeInto(QWidget* edit, const std::string& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(edit); combo && combo->lineEdit())
        edit = combo->lineEdit();
    if (!edit->window()->isActiveWindow())
        ShowAndActivate(edit->window());
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit, ui::ToQString(text));
}

void FormTest::PressKey(Qt::Key key, QWidget* target)
{
    QWidget* widget = target ? target : QApplication::focusWidget();
    if (widget == nullptr) {
        ADD_FAILURE() << "no widget has the focus";
        return;
    }
    QTest::keyClick(widget, key);
}

void FormTest::Click(QWidget* form, const std::string& name)
{
    if (QWidget* control = Find(form, name))
        Click(control);
}

namespace {

// Where a user clicks a control: a check box or radio button takes clicks only on its mark and
// caption, which a wide box leaves short of its middle.
QPoint ClickPoint(QWidget* control)
{
    QStyle::SubElement clickRect;
    if (qobject_cast<QCheckBox*>(control) != nullptr)
        clickRect = QStyle::SE_CheckBoxClickRect;
    else if (qobject_cast<QRadioButton*>(control) != nullptr)
        clickRect = QStyle::SE_RadioButtonClickRect;
    else
        return control->rect().center();
    auto* button = static_cast<QAbstractButton*>(control);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect rect = button->style()->subElementRect(clickRect, &option, button);
    return rect.isEmpty() ? control->rect().center() : rect.center();
}

} // namespace

void FormTest::Click(QWidget* control)
{
    if (!control->isVisible()) {
        ADD_FAILURE() << control->objectName().toStdString() << " is not visible";
        return;
    }
    QTest::mouseClick(control, Qt::LeftButton, {}, ClickPoint(control));
}

namespace {

QPoint RowPoint(ui::ListView* list, int row)
{
    if (row < 0) {
        const int below = list->Count() == 0
                              ? 2
                              : list->visualItemRect(list->Item(list->Count() - 1)).bottom() + 3;
        return QPoint(5, below);
    }
    list->scrollToItem(list->Item(row));
    // A row wider than the view has its centre out of sight: click where it shows.
    const QPoint centre = list->visualItemRect(list->Item(row)).center();
    return QPoint(std::min(centre.x(), list->viewport()->width() / 2), centre.y());
}

} // namespace

void FormTest::ClickRow(ui::ListView* list, int row)
{
    if (row >= list->Count()) {
        ADD_FAILURE() << "the list has no row " << row;
        return;
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, row));
}

void FormTest::DoubleClickRow(ui::ListView* list, int row)
{
    if (row >= list->Count()) {
        ADD_FAILURE() << "the list has no row " << row;
        return;
    }
    const QPoint point = RowPoint(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
}

std::vector<std::vector<std::string>> FormTest::Cells(const ui::ListView* list)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < list->Count(); ++i) {
        std::vector<std::string> row;
        for (int column = 0; column < list->ColumnCount(); ++column)
            row.push_back(list->Item(i)->Cell(column));
        rows.push_back(row);
    }
    return rows;
}

std::string FormTest::StatusLine(QWidget* form)
{
    auto* bar = form->findChild<ui::StatusBar*>();
    if (bar == nullptr) {
        ADD_FAILURE() << "the window has no status bar";
        return {};
    }
    if (bar->PanelCount() > 0 && !bar->SimplePanel())
        return bar->Panel(0)->Text();
    return bar->SimpleText();
}

void FormTest::FireTimer(QWidget* form, const std::string& name)
{
    auto* timer = dynamic_cast<ui::Timer*>(FindObject(form, name));
    if (timer == nullptr) {
        ADD_FAILURE() << "no timer " << name;
        return;
    }
    ui::RunGuarded([timer] { ui::Fire(timer->OnTimer, static_cast<QObject*>(timer)); });
}

void FormTest::ClickMenuItem(QWidget* form, const std::string& name)
{
    auto* action = dynamic_cast<QAction*>(FindObject(form, name));
    if (action == nullptr) {
        ADD_FAILURE() << "no menu item " << name;
        return;
    }
    if (!action->isVisible() || !action->isEnabled()) {
        ADD_FAILURE() << "menu item " << name << " cannot be chosen";
        return;
    }
    action->trigger();
}

bool FormTest::WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    return ui::WaitUntil(condition, {}, timeoutMs);
}

int FormTest::RunModal(ui::Form* form, const std::function<void()>& whileOpen, int timeoutMs)
{
    QPointer<ui::Form> guard(form);
    QTimer::singleShot(0, form, [whileOpen] {
        if (whileOpen)
            whileOpen();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [guard] {
        if (!guard || !guard->Modal())
            return;
        ADD_FAILURE() << "the modal window is still open";
        guard->OnCloseQuery = nullptr;
        guard->OnClose = nullptr;
        guard->SetModalResult(ui::mrAbort);
    });
    watchdog.start(timeoutMs);
    return form->ShowModal();
}

void FormTest::RunInNextModal(const std::function<void(ui::Form*)>& script, int timeoutMs)
{
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* poll = new QTimer(QCoreApplication::instance());
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* form = dynamic_cast<ui::Form*>(QApplication::activeModalWidget());
        // Not while the window handles an SNMP answer (a walk dispatches messages between its
        // rows): a script that waits for the read there would hold up the very pump it waits on.
        if (form != nullptr && form != before.data() && form->Modal() && !ui::Handling()) {
            poll->stop();
            poll->deleteLater();
            const QPointer<ui::Form> shown(form);
            script(form);
            // A script that failed on its way leaves the window open: end it, not the test run.
            if (testing::Test::HasFatalFailure() && !shown.isNull() && shown->isVisible())
                shown->Close();
        } else if (clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window opened";
        }
    });
    poll->start(5);
}
