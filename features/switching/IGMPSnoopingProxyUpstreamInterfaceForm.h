#pragma once
// The IGMP proxy upstream interface window (Layer 2 > IGMP Proxy > Upstream Interface Table):
// IPv4 upstream interfaces (SnoopingProxyUpstreamInterfaceForm.h); Set is followed at once by a
// new read, so the list shows what the switch took.

#include "features/switching/SnoopingProxyUpstreamInterfaceForm.h"

#include "ui_IGMPSnoopingProxyUpstreamInterfaceForm.h"

class TIGMPSnoopingProxyUpstreamInterfaceForm : public TSnoopingProxyUpstreamInterfaceForm,
                                                public Ui::IGMPSnoopingProxyUpstreamInterfaceForm {
public:
    explicit TIGMPSnoopingProxyUpstreamInterfaceForm(QWidget* owner = nullptr);
    ~TIGMPSnoopingProxyUpstreamInterfaceForm() override;
};

// The window while its menu handler shows it.
extern TIGMPSnoopingProxyUpstreamInterfaceForm* IGMPSnoopingProxyUpstreamInterfaceForm;
