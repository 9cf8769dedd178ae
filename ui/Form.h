#pragma once
// Forms: a window with named components (the objectName is the component name), the creation,
// show, activation, close-query and close events, posted messages and the position rules.
// Form is a dialog with a modal loop; MainWindow (ui/MainWindow.h) is the main window.
//
// A window class builds its layout and connects its handlers in its constructor:
//
//     TVlanForm::TVlanForm(QWidget* owner) : ui::Form(owner)
//     {
//         setupUi(this);   // the Ui:: class of its layout in forms/
//         Loaded();
//         OnCreate = ui::Handler(this, &TVlanForm::FormCreate);
//         btnGet->OnClick = ui::Handler(this, &TVlanForm::btnGetClick);
//         DoCreate();      // the creation event, last
//     }
//
// There is no destruction event: a window that needs one calls its handler from its destructor.

#include "ui/Events.h"
#include "ui/Message.h"
#include "ui/ModalResult.h"

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class QEventLoop;

namespace ui {

enum FormPosition { poDesigned, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum BorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

class FormEvents;

class CustomForm {
public:
    virtual ~CustomForm();
    CustomForm(const CustomForm&) = delete;
    CustomForm& operator=(const CustomForm&) = delete;

    QWidget* Widget() const { return self_; }

    NotifyEvent OnCreate;
    NotifyEvent OnShow;
    NotifyEvent OnActivate;   // every activation; once at the first show when no window
                              // manager reports one
    NotifyEvent OnDeactivate;
    CloseQueryEvent OnCloseQuery;
    CloseEvent OnClose;

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }
    void SetBorderStyle(BorderStyle style);
    void SetBorderIcons(int icons);

    virtual int ClientWidth() const;
    virtual int ClientHeight() const;
    virtual void SetClientWidth(int width);
    virtual void SetClientHeight(int height);

    // When the screen is not 96 pixels per inch: width and height times 1.25, truncated.
    void ScaleForScreen();

    // A component of this form by name, not looking into the forms placed inside it.
    QObject* FindComponent(const std::string& name) const;
    template <class T>
    T* FindComponent(const std::string& name) const
    {
        return dynamic_cast<T*>(FindComponent(name));
    }
    // Every component of this form, not those of the forms placed inside it.
    std::vector<QObject*> Components() const;

    // Applies the layout's dynamic properties (Align, Color, FontColor and those of the
    // controls) and places the aligned controls. Called once after the layout is built.
    void Loaded();

    // Runs the creation event (an escaped exception is shown; the form goes on).
    void DoCreate();

    void Show();
    void Hide();
    bool Active() const { return active_; }

    // Asks to close: the close query may refuse; the close event picks the close action
    // (caHide by default, caFree frees the form after it closed, caNone keeps it open). A modal
    // form ends its modal loop with mrCancel. Closing the main window ends the program.
    // Asked for while a handler or an SNMP answer is being handled, the close takes effect once
    // that handling has returned (ui/Handling.h).
    void Close();

    // Frees the form once the message that is running has been handled. Deleting it before
    // then is safe.
    void Release();

    // Posts a message that the message loop delivers to Dispatch later.
    void PostMessage(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

    // Handles a posted message: WM_CLOSE closes the form, WM_NEXTDLGCTL moves the focus to the
    // next control; a window overrides it for its own numbers and calls this for the rest.
    virtual void Dispatch(Message& message);

protected:
    explicit CustomForm(QWidget* self);

    virtual bool InModalLoop() const { return false; }
    virtual void EndModal(int /*result*/) {}

    bool CloseQuery();
    // The close action taken: hide, minimise or free (or end the program for the main window).
    void ApplyCloseAction(CloseAction action);

private:
    friend class FormEvents;
    bool HandleEvent(QEvent* event);
    void PlaceOnFirstShow();
    void Activate();
    void CloseNow();

    QWidget* self_;
    FormEvents* events_;
    FormPosition position_ = poDesigned;
    bool placed_ = false;
    bool active_ = false;
};

class Form : public QDialog, public CustomForm {
public:
    explicit Form(QWidget* owner = nullptr);
    ~Form() override;

    // Shows the form and runs its modal loop until the form closes; returns the modal result.
    int ShowModal();
    bool Modal() const { return loop_ != nullptr; }

    int ModalResult() const { return modalResult_; }
    // A result other than mrNone ends the modal loop (through the close query and the close
    // event) once the running handler has returned.
    void SetModalResult(int result);

protected:
    bool InModalLoop() const override { return loop_ != nullptr; }
    void EndModal(int result) override { SetModalResult(result); }
    // Esc closes the form through the close query.
    void reject() override;
    void accept() override;

private:
    void CheckModalResult();

    QEventLoop* loop_ = nullptr;
    int modalLevel_ = 0;
    int modalResult_ = mrNone;
    bool freeAfterModal_ = false;
};

// The form that holds a control, or none.
CustomForm* FormOf(QWidget* control);

} // namespace ui
