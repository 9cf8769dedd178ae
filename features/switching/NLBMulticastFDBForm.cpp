#include "features/switching/NLBMulticastFDBForm.h"

TNLBMulticastFDBForm* NLBMulticastFDBForm = nullptr;

TNLBMulticastFDBForm::TNLBMulticastFDBForm(QWidget* owner)
    : TNLBFDBForm(owner, "1.3.6.1.4.1.171.12.77.3.2.1.1", 2, "Please input VLAN ID and MAC Address.")
{
    setupUi(this);
    Loaded();
    UseComponents({LV_NLBMulticastFDBEntry, ED_UnicastVID, UnicastAddress, UStatus, pgc1, ST_Count, RefreshBtn, AddBtn,
                   DeleteBtn, SetBtn, CloseButton});
    DoCreate();
}

TNLBMulticastFDBForm::~TNLBMulticastFDBForm() { Request.reset(); }
