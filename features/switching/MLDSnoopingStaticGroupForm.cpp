#include "features/switching/MLDSnoopingStaticGroupForm.h"

#include "features/acl/TextChecks.h"

TMLDSnoopingStaticGroupForm* MLDSnoopingStaticGroupForm = nullptr;

namespace {

const StaticGroupKind MLDGroups = {
    .TableOid = "1.3.6.1.4.1.171.12.73.3.2.2.1.1",
    .AddressRule = "%s{l32}",
    .AddressEmptyText = "Group IPv6 Address need to input.",
    .AddressInvalidText = "IPv6 Address in not valid.",
    .CheckAddress = [](const std::string& text, QWidget* owner) { return CheckIPv6Text(text, owner); },
    .AddSetsCreateAndGo = false,
};

} // namespace

TMLDSnoopingStaticGroupForm::TMLDSnoopingStaticGroupForm(QWidget* owner) : TSnoopingStaticGroupForm(owner, MLDGroups)
{
    setupUi(this);
    Loaded();
    UseComponents({LV_MLDStaticGroupEntry, VlanIDEdit, RepalceIPEdit, CBoxStatus, PageControl1, StaticText1, btnGet,
                   btnSet, btnAdd, btnDelete, btnClose});
    LV_MLDStaticGroupEntry->OnClick = ui::Handler(this, &TMLDSnoopingStaticGroupForm::LV_MLDStaticGroupEntryClick);
    LV_MLDStaticGroupEntry->OnChanging = ui::Handler(this, &TMLDSnoopingStaticGroupForm::LV_MLDStaticGroupEntryChanging);
    DoCreate();
}

TMLDSnoopingStaticGroupForm::~TMLDSnoopingStaticGroupForm() { Request.reset(); }
