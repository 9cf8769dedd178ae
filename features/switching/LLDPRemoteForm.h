#pragma once
// The LLDP remote table window (Layer 2 > LLDP > Remote System Data > Remote Table): the
// neighbours the switch has learnt, per local port, with their supported and enabled system
// capabilities as words. Read-only; Refresh reads it again.

#include "features/common/WindowLifecycle.h"
#include "features/switching/NewRequest2Edits3.h"

#include "ui/Form.h"

#include "ui_LLDPRemoteForm.h"

#include <memory>

class TLLDPRemoteForm : public ui::Form, public Ui::LLDPRemoteForm, public WindowLifecycle {
public:
    explicit TLLDPRemoteForm(QWidget* owner = nullptr);
    ~TLLDPRemoteForm() override;

    std::unique_ptr<NewRequest2Edits3> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TLLDPRemoteForm* LLDPRemoteForm;
