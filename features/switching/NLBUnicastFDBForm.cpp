#include "features/switching/NLBUnicastFDBForm.h"

TNLBUnicastFDBForm* NLBUnicastFDBForm = nullptr;

TNLBUnicastFDBForm::TNLBUnicastFDBForm(QWidget* owner)
    : TNLBFDBForm(owner, "1.3.6.1.4.1.171.12.77.3.1.1.1", 1, "Please input MAC Address.")
{
    setupUi(this);
    Loaded();
    UseComponents({LV_NLBUnicastFDBEntry, nullptr, UnicastAddress, UStatus, pgc1, ST_Count, RefreshBtn, AddBtn,
                   DeleteBtn, SetBtn, CloseButton});
    DoCreate();
}

TNLBUnicastFDBForm::~TNLBUnicastFDBForm() { Request.reset(); }
