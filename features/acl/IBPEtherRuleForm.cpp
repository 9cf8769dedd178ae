#include "features/acl/IBPEtherRuleForm.h"

TIBPEtherRuleForm* IBPEtherRuleForm = nullptr;

namespace {

const IBPViewerSettings Table = {.TableOid = "1.3.6.1.4.1.171.12.9.3.5.1.1", .KeyCount = 2};

} // namespace

TIBPEtherRuleForm::TIBPEtherRuleForm(QWidget* owner) : TIBPViewerFrame(owner, Table)
{
    setupUi(this);
    Loaded();
    InitWindow();
    UseComponents({
        .List = ListView1,
        .RowCount = StaticText1,
        .RefreshButton = btnRefresh,
        .CloseButton = btnClose,
        .Combo = cbxPermit,
        .Columns = {{0, "%i{n1x14}", edtMaskID},
                     {1, "%i{n1x128}", edtAccessID},
                     {2, "%s", edtRuleType},
                     {3, nullptr, cbxPermit}},
        .PortItem = 4,
        .Pages = PageControl1,
    });
    DoCreate();
}
