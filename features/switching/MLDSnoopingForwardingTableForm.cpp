#include "features/switching/MLDSnoopingForwardingTableForm.h"

TMLDSnoopingForwardingTableForm* MLDSnoopingForwardingTableForm = nullptr;

namespace {

const LearnedTableKind Table = {LearnedTable::Forwarding, "1.3.6.1.4.1.171.12.73.2.2.1.1.1"};

} // namespace

TMLDSnoopingForwardingTableForm::TMLDSnoopingForwardingTableForm(QWidget* owner) : TSnoopingLearnedForm(owner, Table)
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

TMLDSnoopingForwardingTableForm::~TMLDSnoopingForwardingTableForm() { Request.reset(); }
