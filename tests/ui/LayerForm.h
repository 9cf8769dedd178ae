#pragma once
// The small hand-made window the layer tests drive: a layout from a form file, handlers
// connected by name, a creation event that posts the window its first refresh.

#include "ui/Form.h"

#include "ui_LayerForm.h"

#include <string>
#include <vector>

inline constexpr unsigned WM_LAYER_REFRESH = ui::WM_APP + 1234;

class TLayerForm : public ui::Form, public Ui::LayerForm {
public:
    explicit TLayerForm(QWidget* owner = nullptr);

    // What the handlers saw, in order.
    std::vector<std::string> Log;
    bool AllowClose = true;
    ui::CloseAction Action = ui::caHide;

    void Dispatch(ui::Message& message) override;

private:
    void FormCreate(QObject* sender);
    void FormShow(QObject* sender);
    void FormActivate(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void btnGetClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void LV_EntryChange(QObject* sender, ui::ListItem* item);
};
