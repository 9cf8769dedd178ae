#include "ui/Form.h"

#include "ui/Align.h"
#include "ui/Application.h"
#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Handling.h"
#include "ui/Loadable.h"
#include "ui/Scale.h"
#include "ui/Text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>

#include <functional>

namespace ui {

namespace {

const QEvent::Type MessageEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class MessageEvent : public QEvent {
public:
    explicit MessageEvent(const Message& message) : QEvent(MessageEventType), message_(message) {}
    Message message_;
};

// Walks the components of a form: its descendants, but not into the forms placed inside it.
void ForEachComponent(const QObject* parent, const std::function<bool(QObject*)>& visit)
{
    for (QObject* child : parent->children()) {
        if (!visit(child))
            return;
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && dynamic_cast<CustomForm*>(widget) != nullptr)
            continue;
        ForEachComponent(child, visit);
    }
}

void FocusNextIn(QWidget* window)
{
    QWidget* current = QApplication::focusWidget();
    if (current == nullptr || current->window() != window)
        current = window;
    for (QWidget* next = current->nextInFocusChain(); next != current;
         next = next->nextInFocusChain()) {
        if (next->window() == window && (next->focusPolicy() & Qt::TabFocus) &&
            next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

// Routes the window's events to its CustomForm. Not a child of the window: it is removed before
// the window's own destructor runs, which still sends events.
class FormEvents : public QObject {
public:
    explicit FormEvents(CustomForm* form) : form_(form) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (object != form_->Widget())
            return false;
        return form_->HandleEvent(event);
    }

private:
    CustomForm* form_;
};

CustomForm::CustomForm(QWidget* self) : self_(self), events_(new FormEvents(this))
{
    self_->installEventFilter(events_);
}

CustomForm::~CustomForm()
{
    self_->removeEventFilter(events_);
    delete events_;
}

std::string CustomForm::Caption() const
{
    return ToStdString(self_->windowTitle());
}

void CustomForm::SetCaption(const std::string& caption)
{
    self_->setWindowTitle(ToQString(caption));
}

void CustomForm::SetBorderStyle(BorderStyle style)
{
    Qt::WindowFlags flags = self_->windowFlags();
    // The window type is one value of several bits (Tool is Popup | Dialog): it is replaced
    // whole, so that a bordered form keeps its own window, also one that has an owner.
    const Qt::WindowFlags type = flags & Qt::WindowType_Mask;
    const Qt::WindowFlags bordered = type == Qt::Tool ? Qt::WindowFlags(Qt::Dialog) : type;
    flags &= ~(Qt::FramelessWindowHint | Qt::WindowType_Mask);
    switch (style) {
    case bsNone: flags |= Qt::FramelessWindowHint; break; // placed into a control of a window
    case bsToolWindow: flags |= Qt::Tool; break;
    case bsDialog:
        flags |= bordered | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
        break;
    case bsSingle:
        flags |= bordered;
        flags &= ~Qt::WindowMaximizeButtonHint;
        break;
    case bsSizeable: flags |= bordered; break;
    }
    self_->setWindowFlags(flags);
    // Dialog and single borders cannot be dragged to another size.
    SetFixedSize(self_, style == bsDialog || style == bsSingle);
}

void CustomForm::SetBorderIcons(int icons)
{
    Qt::WindowFlags flags = self_->windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags.setFlag(Qt::WindowSystemMenuHint, (icons & biSystemMenu) != 0);
    flags.setFlag(Qt::WindowCloseButtonHint, (icons & biSystemMenu) != 0);
    flags.setFlag(Qt::WindowMinimizeButtonHint, (icons & biMinimize) != 0);
    flags.setFlag(Qt::WindowMaximizeButtonHint, (icons & biMaximize) != 0);
    self_->setWindowFlags(flags);
}

int CustomForm::ClientWidth() const
{
    return self_->width();
}

int CustomForm::ClientHeight() const
{
    return self_->height();
}

void CustomForm::SetClientWidth(int width)
{
    Resize(self_, width, self_->height());
    Realign(ClientOf(self_));
}

void CustomForm::SetClientHeight(int height)
{
    Resize(self_, self_->width(), height);
    Realign(ClientOf(self_));
}

void CustomForm::ScaleForScreen()
{
    if (ScreenPixelsPerInch() == 96)
        return;
    const QSize size = self_->frameGeometry().size();
    SetBounds(self_, self_->x(), self_->y(), static_cast<int>(size.width() * 1.25),
              static_cast<int>(size.height() * 1.25));
}

QObject* CustomForm::FindComponent(const std::string& name) const
{
    const QString wanted = ToQString(name);
    QObject* found = nullptr;
    ForEachComponent(self_, [&](QObject* object) {
        if (object->objectName() == wanted) {
            found = object;
            return false;
        }
        return true;
    });
    return found;
}

std::vector<QObject*> CustomForm::Components() const
{
    std::vector<QObject*> components;
    ForEachComponent(self_, [&](QObject* object) {
        components.push_back(object);
        return true;
    });
    return components;
}

void CustomForm::Loaded()
{
    std::vector<QWidget*> widgets;
    for (QObject* object : Components()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget == nullptr)
            continue;
        widgets.push_back(widget);
        const QVariant align = widget->property("Align");
        if (align.isValid())
            SetAlign(widget, align.typeId() == QMetaType::QString
                                 ? AlignFromName(align.toString())
                                 : static_cast<Align>(align.toInt()));
        Color color;
        if (ColorFromName(widget->property("Color").toString().toStdString(), color))
            SetColor(widget, color);
        if (ColorFromName(widget->property("FontColor").toString().toStdString(), color))
            SetFontColor(widget, color);
        if (auto* loadable = dynamic_cast<Loadable*>(widget))
            loadable->Loaded();
    }
    Realign(self_);
    for (QWidget* widget : widgets)
        Realign(widget);
}

void CustomForm::DoCreate()
{
    RunGuarded([this] { Fire(OnCreate, self_); });
}

void CustomForm::Show()
{
    self_->show();
    if (!self_->isWindow())
        return;
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        self_->raise();
    self_->activateWindow();
    // Without a window manager no activation may ever be reported: the first show counts.
    if (!active_)
        Activate();
}

void CustomForm::Hide()
{
    self_->hide();
}

void CustomForm::Close()
{
    if (InModalLoop()) {
        EndModal(mrCancel);
        return;
    }
    if (Handling()) {
        // Asked for inside a handler: close once it has returned, never nested inside it.
        QPointer<QWidget> self(self_);
        RunWhenIdle(ModalLevel(), [self] { return !self.isNull(); },
                    [this] { RunGuarded([this] { CloseNow(); }); });
        return;
    }
    CloseNow();
}

void CustomForm::CloseNow()
{
    if (!CloseQuery())
        return;
    CloseAction action = caHide;
    Fire(OnClose, self_, action);
    ApplyCloseAction(action);
}

bool CustomForm::CloseQuery()
{
    bool canClose = true;
    Fire(OnCloseQuery, self_, canClose);
    return canClose;
}

void CustomForm::ApplyCloseAction(CloseAction action)
{
    if (action == caNone)
        return;
    if (MainForm() == self_) {
        Terminate();
        return;
    }
    switch (action) {
    case caHide: self_->hide(); break;
    case caMinimize: self_->showMinimized(); break;
    case caFree:
        self_->hide();
        Release();
        break;
    case caNone: break;
    }
}

void CustomForm::Release()
{
    self_->deleteLater();
}

void CustomForm::PostMessage(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    Message message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    QCoreApplication::postEvent(self_, new MessageEvent(message));
}

void CustomForm::Dispatch(Message& message)
{
    switch (message.Msg) {
    case WM_CLOSE: Close(); break;
    case WM_NEXTDLGCTL: FocusNextIn(self_->window()); break;
    default: break;
    }
}

bool CustomForm::HandleEvent(QEvent* event)
{
    if (event->type() == MessageEventType) {
        Message message = static_cast<MessageEvent*>(event)->message_;
        RunGuarded([&] { Dispatch(message); });
        return true;
    }
    switch (event->type()) {
    case QEvent::Close: {
        // The window's close button and everything else that closes the window from outside
        // go through the close query and the close event; Qt learns whether it closed.
        QPointer<QWidget> self(self_);
        RunGuardedOutsideHandling([this] { Close(); });
        event->setAccepted(!self || !self->isVisible());
        return true;
    }
    case QEvent::Show:
        if (!event->spontaneous()) {
            PlaceOnFirstShow();
            RunGuarded([this] { Fire(OnShow, self_); });
        }
        break;
    case QEvent::Hide:
        if (!event->spontaneous() && self_->isWindow() && active_) {
            active_ = false;
            RunGuarded([this] { Fire(OnDeactivate, self_); });
        }
        break;
    case QEvent::ActivationChange:
        if (!self_->isWindow())
            break;
        if (self_->isActiveWindow() && !active_) {
            Activate();
        } else if (!self_->isActiveWindow() && active_) {
            active_ = false;
            RunGuarded([this] { Fire(OnDeactivate, self_); });
        }
        break;
    default:
        break;
    }
    return false;
}

void CustomForm::Activate()
{
    active_ = true;
    RunGuarded([this] { Fire(OnActivate, self_); });
}

void CustomForm::PlaceOnFirstShow()
{
    if (placed_ || !self_->isWindow())
        return;
    placed_ = true;
    QWidget* around = nullptr;
    switch (position_) {
    case poDesigned: return;
    case poScreenCenter: break;
    case poMainFormCenter: around = MainForm(); break;
    case poOwnerFormCenter:
        around = self_->parentWidget() ? self_->parentWidget()->window() : MainForm();
        break;
    }
    if (around == self_)
        around = nullptr;
    QRect area;
    if (around != nullptr && around->isVisible()) {
        area = around->frameGeometry();
    } else {
        QScreen* screen = self_->screen() ? self_->screen() : QApplication::primaryScreen();
        if (screen == nullptr)
            return;
        area = screen->availableGeometry();
    }
    const QSize size = self_->frameGeometry().size();
    self_->move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

Form::Form(QWidget* owner) : QDialog(owner), CustomForm(this)
{
}

Form::~Form() = default;

int Form::ShowModal()
{
    QPointer<Form> self(this);
    modalResult_ = mrNone;
    freeAfterModal_ = false;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    ModalScope modal;
    loop_ = &loop;
    modalLevel_ = ModalLevel();
    Show();
    // A result set before the loop runs (by a show or activation handler) still counts.
    if (modalResult_ != mrNone)
        SetModalResult(modalResult_);
    loop.exec(QEventLoop::DialogExec);
    if (!self)
        return mrCancel;
    loop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    if (freeAfterModal_)
        Release();
    return modalResult_;
}

void Form::SetModalResult(int result)
{
    modalResult_ = result;
    if (loop_ == nullptr || result == mrNone)
        return;
    // The loop ends once the handler that asked for it, and any handling around it, has
    // returned; an answer to the SNMP pump counts as handling too.
    QPointer<Form> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self)
            RunWhenIdle(self->modalLevel_, [self] { return !self.isNull(); },
                        [self] { self->CheckModalResult(); });
    });
}

void Form::CheckModalResult()
{
    if (loop_ == nullptr || modalResult_ == mrNone)
        return;
    const bool ok = RunGuarded([this] {
        if (!CloseQuery()) {
            modalResult_ = mrNone;
            return;
        }
        CloseAction action = caHide;
        Fire(OnClose, static_cast<QObject*>(this), action);
        if (action == caNone) {
            modalResult_ = mrNone;
            return;
        }
        freeAfterModal_ = action == caFree;
        loop_->exit();
    });
    if (!ok)
        modalResult_ = mrNone;
}

void Form::reject()
{
    RunGuardedOutsideHandling([this] { Close(); });
}

void Form::accept()
{
    SetModalResult(mrOk);
}

CustomForm* FormOf(QWidget* control)
{
    for (QWidget* w = control; w != nullptr; w = w->parentWidget()) {
        if (auto* form = dynamic_cast<CustomForm*>(w))
            return form;
    }
    return nullptr;
}

} // namespace ui
