#include "features/switching/IGMPMulticastVlanForm.h"

TIGMPMulticastVlanForm* IGMPMulticastVlanForm = nullptr;

namespace {

const MulticastVlanKind IGMPVlans = {
    .TableOid = "1.3.6.1.4.1.171.12.64.3.1.1.1",
    .TypeIndex = 0, // ipv4, the one type
    .ChecksInput = true,
};

} // namespace

TIGMPMulticastVlanForm::TIGMPMulticastVlanForm(QWidget* owner) : TMulticastVlanForm(owner, IGMPVlans)
{
    setupUi(this);
    Loaded();
    UseComponents({LV_IGMPMulticastVlanEntry, VlanIDEdit, VlanNameEdit, CBoxState, CBoxType, RepalceIPEdit,
                   RemapPriorityEdit, CBoxRaplacePriority, ProfileIDListEdit, CBoxStatus, PageControl1, StaticText1,
                   btnGet, btnSet, btnAdd, btnDelete, btnClose});
    DoCreate();
}

TIGMPMulticastVlanForm::~TIGMPMulticastVlanForm() { Request.reset(); }
