#include "features/switching/IGMPSnoopingProxyUpstreamInterfaceForm.h"

TIGMPSnoopingProxyUpstreamInterfaceForm* IGMPSnoopingProxyUpstreamInterfaceForm = nullptr;

namespace {

const ProxyUpstreamKind IGMPUpstream = {
    .TableOid = "1.3.6.1.4.1.171.12.80.3.1.1.1.1",
    .SourceIPRule = "%s{l16}",
    .ReadAfterSet = true,
    .IPv6Source = false,
};

} // namespace

TIGMPSnoopingProxyUpstreamInterfaceForm::TIGMPSnoopingProxyUpstreamInterfaceForm(QWidget* owner)
    : TSnoopingProxyUpstreamInterfaceForm(owner, IGMPUpstream)
{
    setupUi(this);
    Loaded();
    UseComponents({ListView1, IndexEdit, VIDEdit, IntervalTime, edtIPAddress, PageControl1, StaticText1, btnGet, btnSet,
                   btnClose});
    DoCreate();
}

TIGMPSnoopingProxyUpstreamInterfaceForm::~TIGMPSnoopingProxyUpstreamInterfaceForm() { Request.reset(); }
