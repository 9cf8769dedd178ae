#include "features/acl/IBPIPMaskForm.h"

TIBPIPMaskForm* IBPIPMaskForm = nullptr;

namespace {

const IBPViewerSettings Table = {.TableOid = "1.3.6.1.4.1.171.12.9.2.7.1.1", .KeyCount = 1};

} // namespace

TIBPIPMaskForm::TIBPIPMaskForm(QWidget* owner) : TIBPViewerFrame(owner, Table)
{
    setupUi(this);
    Loaded();
    InitWindow();
    UseComponents({
        .List = ListView1,
        .RowCount = StaticText1,
        .RefreshButton = BT_Get,
        .CloseButton = btnClose,
        .Columns = {{0, "%i{n1x14l2}", edtID},
                     {1, "%s", edtSrcMacMask},
                     {2, "%s", edtSrcIPMask}},
    });
    DoCreate();
}
