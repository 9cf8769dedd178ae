#include "features/switching/IGMPSnoopingDataDrivenLearingGroupForm.h"

TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm = nullptr;

namespace {

const LearnedTableKind Table = {LearnedTable::DataDriven, "1.3.6.1.4.1.171.12.73.3.1.3.1.1"};

} // namespace

TIGMPSnoopingDataDrivenLearingGroupForm::TIGMPSnoopingDataDrivenLearingGroupForm(QWidget* owner)
    : TSnoopingLearnedForm(owner, Table)
{
    setupUi(this);
    Loaded();
    UseComponents({.ListView1 = ListView1,
                   .PageControl1 = PageControl1,
                   .StaticText1 = StaticText1,
                   .btnGet = btnGet,
                   .btnClose = btnClose,
                   .btnSet = btnSet,
                   .StopButton = StopButton,
                   .CBoxClear = CBoxClear,
                   .stVID = stVID,
                   .edtIPAddress = edtIPAddress,
                   .edtUptime = edtUptime,
                   .edtExpiryTime = edtExpiryTime});
    DoCreate();
}

TIGMPSnoopingDataDrivenLearingGroupForm::~TIGMPSnoopingDataDrivenLearingGroupForm() { Request.reset(); }
