#include "RuleTestForm.h"

#include "gui/PortFunctions.h"

#include "snmp/VarDescriptor.h"

namespace {

const OptionItem RowStatusItems[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                     {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                     {}};
MvOptionList RowStatusOptions(RowStatusItems, 1);

const VarDescriptor RuleColumns[] = {
    {"1.3.6.1.3.4242.30.1.1", "Row", integer, notaccess, nullptr},
    {"1.3.6.1.3.4242.30.1.2", "Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.3", "Number", integer, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.4", "Note", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.5", "Ports", bitlist, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.6", "Status", integer, readwrite, &RowStatusOptions},
    {},
};

} // namespace

TRuleTestForm::TRuleTestForm(QWidget* owner) : TBasicForm(owner)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    OnCreate = ui::Handler(this, &TRuleTestForm::FormCreate);
    DoCreate();
}

TRuleTestForm::~TRuleTestForm()
{
    Driver.reset();
}

void TRuleTestForm::FormCreate(QObject*)
{
    Driver = std::make_unique<MvSNMPRequest2Edits>(this);
    Driver->Request.VarList = MvSNMPVarList(RuleColumns, MVT_FMV, 1);
    ColumnCount = Driver->Request.VarList.Count();
    KeyCount = Driver->Request.VarList.keyCount;
    Driver->AttachListView(ListView1);

    CheckBoxes.push_back(nullptr);
    ValueControls.push_back(nullptr);
    BindEdit(*Driver, NameColumn, "%s{l16}", NameEdit, NameCheck);
    BindEdit(*Driver, NumberColumn, "%i{n0x1000}", NumberEdit, NumberRadio);
    BindEdit(*Driver, NoteColumn, "%s{l16}", NoteEdit, nullptr);
    BuildPortSelector(PortPanel, 12);
    Driver->BindControlList(PortsColumn, PortBitsText, PortSelector->PortBoxes);
    CheckBoxes.push_back(PortsCheck);
    ValueControls.push_back(PortPanel);
    BindCombo(*Driver, StatusColumn, StatusCombo, nullptr);
}

bool TRuleTestForm::EditClick()
{
    if (!RequireOnePort())
        return false;
    MarkSkippedColumns(*Driver);
    const std::uint8_t mode = Driver->Mode;
    Driver->Mode = 0;
    bool written = false;
    try {
        written = Driver->Set(false, true);
    } catch (...) {
        Driver->Mode = mode;
        ClearSkippedColumns(*Driver);
        throw;
    }
    Driver->Mode = mode;
    ClearSkippedColumns(*Driver);
    return written;
}

void TRuleTestForm::DeleteClick()
{
    DeleteSelectedRow(*Driver, StatusColumn, "destroy");
}
