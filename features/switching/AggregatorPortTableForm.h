#pragma once
// The 802.3ad aggregation port table (Layer 2 > 802.3ad > Ports Table): every port's actor and
// partner values in a list; Edit writes the chosen port's actor key, the partner's system
// identifier and key, and the actor's and partner's administrative LACP state flags, then reads
// the table again.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_AggregatorPortTableForm.h"

#include <memory>
#include <vector>

namespace ui {
class CheckBox;
}

class TAggregatorPortTableForm : public ui::Form, public Ui::AggregatorPortTableForm, public WindowLifecycle {
public:
    // The items the window writes (the other 19 are read-only).
    enum Item {
        ActorAdminKeyItem = 3,
        PartnerAdminSystemIDItem = 7,
        PartnerAdminKeyItem = 9,
        ActorAdminStateItem = 19,
        PartnerAdminStateItem = 21
    };

    explicit TAggregatorPortTableForm(QWidget* owner = nullptr);
    ~TAggregatorPortTableForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetBtnClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnStopClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);

    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;
    void ResetInputs();

private:
    // CheckBox1 to CheckBox32: actor admin, actor oper, partner admin, partner oper state.
    std::vector<ui::CheckBox*> StateBoxes() const;
};

// The window while its menu handler shows it.
extern TAggregatorPortTableForm* AggregatorPortTableForm;
