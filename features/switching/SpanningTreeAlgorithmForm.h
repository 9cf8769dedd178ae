#pragma once
// The spanning tree global state window (Layer 2 > Spanning Tree > Spanning Tree Algorithm):
// switches spanning tree on or off for the whole switch. Switching it on keeps the switch busy
// for long, so the window asks first, gives that write a long time-out and holds the user in a
// progress window while it is under way. The request's message boxes belong to the main window.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_SpanningTreeAlgorithmForm.h"

#include <memory>

class TSpanningTreeAlgorithmForm : public ui::Form, public Ui::SpanningTreeAlgorithmForm, public WindowLifecycle {
public:
    // The time-out of every exchange once an enable was confirmed, in hundredths of a second.
    static constexpr int EnableTimeout = 4000;

    explicit TSpanningTreeAlgorithmForm(QWidget* owner = nullptr);
    ~TSpanningTreeAlgorithmForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void Button1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // The confirmed enable: the write sent, the progress window shown for its full course.
    void EnableWithProgress();
};

// The window while its menu handler shows it.
extern TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm;
