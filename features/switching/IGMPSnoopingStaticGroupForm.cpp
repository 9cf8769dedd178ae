#include "features/switching/IGMPSnoopingStaticGroupForm.h"

#include "features/acl/TextChecks.h"

TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm = nullptr;

namespace {

const StaticGroupKind IGMPGroups = {
    .TableOid = "1.3.6.1.4.1.171.12.73.3.1.2.1.1",
    .AddressRule = "%s{l16}",
    .AddressEmptyText = "Multicast Group IP Address need to input.",
    .AddressInvalidText = "IP Address in not valid.",
    .CheckAddress = [](const std::string& text, QWidget* owner) { return ::CheckIPAddressText(text, owner); },
    .AddSetsCreateAndGo = true,
};

} // namespace

TIGMPSnoopingStaticGroupForm::TIGMPSnoopingStaticGroupForm(QWidget* owner) : TSnoopingStaticGroupForm(owner, IGMPGroups)
{
    setupUi(this);
    Loaded();
    UseComponents({LV_IGMPStaticGroupEntry, VlanIDEdit, RepalceIPEdit, CBoxStatus, PageControl1, StaticText1, btnGet,
                   btnSet, btnAdd, btnDelete, btnClose});
    LV_IGMPStaticGroupEntry->OnClick = ui::Handler(this, &TIGMPSnoopingStaticGroupForm::LV_IGMPStaticGroupEntryClick);
    LV_IGMPStaticGroupEntry->OnChanging =
        ui::Handler(this, &TIGMPSnoopingStaticGroupForm::LV_IGMPStaticGroupEntryChanging);
    DoCreate();
}

TIGMPSnoopingStaticGroupForm::~TIGMPSnoopingStaticGroupForm() { Request.reset(); }
