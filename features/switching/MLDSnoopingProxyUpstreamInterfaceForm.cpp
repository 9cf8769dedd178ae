#include "features/switching/MLDSnoopingProxyUpstreamInterfaceForm.h"

TMLDSnoopingProxyUpstreamInterfaceForm* MLDSnoopingProxyUpstreamInterfaceForm = nullptr;

namespace {

const ProxyUpstreamKind MLDUpstream = {
    .TableOid = "1.3.6.1.4.1.171.12.80.3.2.1.1.1",
    .SourceIPRule = "%s",
    .ReadAfterSet = false,
    .IPv6Source = true,
};

} // namespace

TMLDSnoopingProxyUpstreamInterfaceForm::TMLDSnoopingProxyUpstreamInterfaceForm(QWidget* owner)
    : TSnoopingProxyUpstreamInterfaceForm(owner, MLDUpstream)
{
    setupUi(this);
    Loaded();
    UseComponents({ListView1, IndexEdit, VIDEdit, IntervalTime, edtIPAddress, PageControl1, StaticText1, btnGet, btnSet,
                   btnClose});
    DoCreate();
}

TMLDSnoopingProxyUpstreamInterfaceForm::~TMLDSnoopingProxyUpstreamInterfaceForm() { Request.reset(); }
