#include "features/switching/IGMPSnoopingGroupForm.h"

TIGMPSnoopingGroupForm* IGMPSnoopingGroupForm = nullptr;

namespace {

const LearnedTableKind Table = {LearnedTable::Groups, "1.3.6.1.4.1.171.12.73.2.1.2.1.1"};

} // namespace

TIGMPSnoopingGroupForm::TIGMPSnoopingGroupForm(QWidget* owner) : TSnoopingLearnedForm(owner, Table)
{
    setupUi(this);
    Loaded();
    UseComponents({.ListView1 = ListView1,
                   .PageControl1 = PageControl1,
                   .StaticText1 = StaticText1,
                   .btnGet = btnGet,
                   .btnClose = btnClose,
                   .stSourceIP = stSourceIP,
                   .stGroupIP = stGroupIP,
                   .edtUptime = edtUptime,
                   .edtExpiryTime = edtpExpiryTime});
    DoCreate();
}

TIGMPSnoopingGroupForm::~TIGMPSnoopingGroupForm() { Request.reset(); }
