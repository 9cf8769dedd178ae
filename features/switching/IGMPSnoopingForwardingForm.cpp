#include "features/switching/IGMPSnoopingForwardingForm.h"

TIGMPSnoopingForwardingForm* IGMPSnoopingForwardingForm = nullptr;

namespace {

const LearnedTableKind Table = {LearnedTable::Forwarding, "1.3.6.1.4.1.171.12.73.2.1.1.1.1"};

} // namespace

TIGMPSnoopingForwardingForm::TIGMPSnoopingForwardingForm(QWidget* owner) : TSnoopingLearnedForm(owner, Table)
{
    setupUi(this);
    Loaded();
    UseComponents({.ListView1 = ListView1,
                   .PageControl1 = PageControl1,
                   .StaticText1 = StaticText1,
                   .btnGet = btnGet,
                   .btnClose = btnClose,
                   .stVID = stVID,
                   .edtIPAddress = edtIPAddress,
                   .edtMAC = edtMAC});
    DoCreate();
}

TIGMPSnoopingForwardingForm::~TIGMPSnoopingForwardingForm() { Request.reset(); }
