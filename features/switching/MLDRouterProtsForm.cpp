#include "features/switching/MLDRouterProtsForm.h"

TMLDRouterProtsForm* MLDRouterProtsForm = nullptr;

namespace {

const RouterPortsKind MLDRouterPorts = {
    .TableOid = "1.3.6.1.4.1.171.12.73.3.2.4.1.5",
    .ListKind = MVT_UMV,
    .StaticTab = "Static Router Ports",
    .DynamicTab = "Dynamic Router Ports",
    .ForbiddenTab = "Forbidden Router Ports",
    .DynamicTabLast = false,
};

} // namespace

TMLDRouterProtsForm::TMLDRouterProtsForm(QWidget* owner) : TRouterPortsForm(owner, MLDRouterPorts)
{
    setupUi(this);
    Loaded();
    UseComponents({ListView1, stVlanID, PageControl1, StaticText1, btnGet, btnSet, btnStop, btnClose});
    DoCreate();
}

TMLDRouterProtsForm::~TMLDRouterProtsForm() { Request.reset(); }
