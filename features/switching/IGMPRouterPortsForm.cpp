#include "features/switching/IGMPRouterPortsForm.h"

TIGMPRouterPortsForm* IGMPRouterPortsForm = nullptr;

namespace {

const RouterPortsKind IGMPRouterPorts = {
    .TableOid = "1.3.6.1.4.1.171.12.73.3.1.4.1.5",
    .ListKind = MVT_FMV,
    .StaticTab = "Static Ports",
    .DynamicTab = "Dynamic Ports",
    .ForbiddenTab = "Forbidden Ports",
    .DynamicTabLast = true,
};

} // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(QWidget* owner) : TRouterPortsForm(owner, IGMPRouterPorts)
{
    setupUi(this);
    Loaded();
    UseComponents({ListView1, stVlanID, PageControl1, StaticText1, btnGet, btnSet, btnStop, btnClose});
    DoCreate();
}

TIGMPRouterPortsForm::~TIGMPRouterPortsForm() { Request.reset(); }
