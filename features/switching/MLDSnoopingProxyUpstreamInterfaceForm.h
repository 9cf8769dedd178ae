#pragma once
// The MLD proxy upstream interface window (Layer 2 > MLD Proxy > Upstream Interface Table): IPv6
// upstream interfaces (SnoopingProxyUpstreamInterfaceForm.h). The edits can be used once a row is
// chosen; after Set the list keeps what it showed until Refresh.

#include "features/switching/SnoopingProxyUpstreamInterfaceForm.h"

#include "ui_MLDSnoopingProxyUpstreamInterfaceForm.h"

class TMLDSnoopingProxyUpstreamInterfaceForm : public TSnoopingProxyUpstreamInterfaceForm,
                                               public Ui::MLDSnoopingProxyUpstreamInterfaceForm {
public:
    explicit TMLDSnoopingProxyUpstreamInterfaceForm(QWidget* owner = nullptr);
    ~TMLDSnoopingProxyUpstreamInterfaceForm() override;
};

// The window while its menu handler shows it.
extern TMLDSnoopingProxyUpstreamInterfaceForm* MLDSnoopingProxyUpstreamInterfaceForm;
