#include "features/switching/mldMulticastVlanForm.h"

TmldMulticastVlanForm* mldMulticastVlanForm = nullptr;

namespace {

const MulticastVlanKind MLDVlans = {
    .TableOid = "1.3.6.1.4.1.171.12.64.3.4.1.1",
    .TypeIndex = 1, // ipv6; index 0 is "unknown"
    .ChecksInput = false,
};

} // namespace

TmldMulticastVlanForm::TmldMulticastVlanForm(QWidget* owner) : TMulticastVlanForm(owner, MLDVlans)
{
    setupUi(this);
    Loaded();
    UseComponents({LV_IGMPMulticastVlanEntry, VlanIDEdit, VlanNameEdit, CBoxState, CBoxType, RepalceIPEdit,
                   RemapPriorityEdit, CBoxRaplacePriority, ProfileIDListEdit, CBoxStatus, PageControl1, StaticText1,
                   btnGet, btnSet, btnAdd, btnDelete, btnClose});
    DoCreate();
}

TmldMulticastVlanForm::~TmldMulticastVlanForm() { Request.reset(); }
