#pragma once
// The LLDP dot3 local link aggregation window (Layer 2 > LLDP > LLDP-Dot3 > Local Data > Link
// Aggregation Table): per port, the switch's own link aggregation status as words and the
// aggregated port ID. Read-only; Refresh reads it again.

#include "features/common/WindowLifecycle.h"
#include "features/switching/NewRequest2Edits1.h"

#include "ui/Form.h"

#include "ui_LLDPDot3LinkAggForm.h"

#include <memory>

class TLLDPDot3LinkAggForm : public ui::Form, public Ui::LLDPDot3LinkAggForm, public WindowLifecycle {
public:
    explicit TLLDPDot3LinkAggForm(QWidget* owner = nullptr);
    ~TLLDPDot3LinkAggForm() override;

    std::unique_ptr<NewRequest2Edits1> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm;
