#pragma once
// The equipment basic information window (Monitoring > Equipment Management > Basic
// Information, an item the main window keeps hidden): the equipment capacity text. It reads the
// capacity scalar synchronously but binds it to nothing; the stacking lists are empty and Set
// does nothing.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_EquipmentBasicInfoForm.h"

#include <memory>

class TEquipmentBasicInfoForm : public ui::Form, public Ui::EquipmentBasicInfoForm, public WindowLifecycle {
public:
    explicit TEquipmentBasicInfoForm(QWidget* owner = nullptr);
    ~TEquipmentBasicInfoForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void BitBtn1Click(QObject* sender);
    void bbtnSetClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TEquipmentBasicInfoForm* EquipmentBasicInfoForm;
