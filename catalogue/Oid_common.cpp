// Oid_common: sysObjectID, firmware type, system 1.3.6.1.4.1.171.12.1, MSTP 1.3.6.1.4.1.171.12.15,
// ERPS 1.3.6.1.4.1.171.12.78, DHCP relay 1.3.6.1.4.1.171.12.42, PPPoE 1.3.6.1.4.1.171.12.79, source
// interface 1.3.6.1.4.1.171.12.81, RSPAN 1.3.6.1.4.1.171.12.68, cable diagnostics
// 1.3.6.1.4.1.171.12.58, static FDB 1.3.6.1.4.1.171.12.70, traffic control 1.3.6.1.4.1.171.12.25,
// 1.3.6.1.4.1.171.12.87, DoS prevention 1.3.6.1.4.1.171.12.59, login and enable methods
// 1.3.6.1.4.1.171.12.5, BRIDGE-MIB STP, interfaces, IP, TCP, UDP, ENTITY, per-model device tables
// 1.3.6.1.4.1.171.11.133.N.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_common {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem NoneStartItems[] = {{1, "none"}, {2, "start"}, {}};
constexpr OptionItem OtherDisabledEnabledItems[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem Disabled1Enabled2Items[] = {{1, "disabled"}, {2, "enabled"}, {}};
constexpr OptionItem StringHexItems[] = {{1, "string"}, {2, "hex"}, {}};
constexpr OptionItem EnableDisableItems[] = {{1, "enable"}, {2, "disable"}, {}};
constexpr OptionItem Dot1dDot1adItems[] = {{1, "dot1d"}, {2, "dot1ad"}, {}};
constexpr OptionItem CommonSTPVersionItems[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
constexpr OptionItem CommonAdministrationEdgePortItems[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {}};
constexpr OptionItem CommonAdministrationP2PItems[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
constexpr OptionItem CommonStpPortStatusItems[] = {
    {1, "other"},
    {2, "disabled"},
    {3, "discarding"},
    {4, "learning"},
    {5, "forwarding"},
    {6, "broken"},
    {7, "no-stp-enabled"},
    {8, "err-disabled"},
    {},
};
constexpr OptionItem CommonStpPortRoleItems[] = {
    {0, "disabled"},
    {1, "alternate"},
    {2, "backup"},
    {3, "root"},
    {4, "designated"},
    {5, "master"},
    {6, "nonstp"},
    {7, "loopback"},
    {},
};
constexpr OptionItem CommonFirmwareDownloadStatusItems[] = {
    {1, "other"},
    {2, "in-process"},
    {3, "invalid-file"},
    {4, "violation"},
    {5, "file-not-found"},
    {6, "disk-full"},
    {7, "complete"},
    {8, "time-out"},
    {9, "not-format"},
    {10, "memory-full"},
    {},
};
constexpr OptionItem CommonTrapControlItems[] = {
    {0, "critical"},
    {1, "warning"},
    {2, "information"},
    {3, "emergency"},
    {4, "alert"},
    {5, "error"},
    {6, "notice"},
    {7, "debug"},
    {},
};
constexpr OptionItem CommonTcpConnStateItems[] = {
    {1, "closed"},
    {2, "listen"},
    {3, "synSent"},
    {4, "synReceived"},
    {5, "established"},
    {6, "finWait1"},
    {7, "finWait2"},
    {8, "closeWait"},
    {9, "lastAck"},
    {10, "closing"},
    {11, "timeWait"},
    {12, "deleteTCB"},
    {},
};
constexpr OptionItem CommonLoginMethodTypeItems[] = {
    {9, "other"},
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {5, "server-group"},
    {6, "local"},
    {8, "none"},
    {},
};
constexpr OptionItem CommonEnableMethodTypeItems[] = {
    {9, "other"},
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {5, "server-group"},
    {7, "local-enabled"},
    {8, "none"},
    {},
};
constexpr OptionItem CommonEntityClassItems[] = {
    {1, "other"},
    {2, "unknown"},
    {3, "chassis"},
    {4, "backplane"},
    {5, "container"},
    {6, "powerSupply"},
    {7, "fan"},
    {8, "sensor"},
    {9, "module"},
    {10, "port"},
    {11, "stack"},
    {},
};
constexpr OptionItem CommonRingPortStateItems[] = {
    {1, "forwarding"},
    {2, "blocking"},
    {3, "signal-fail"},
    {4, "signalfailblocked"},
    {},
};
constexpr OptionItem CommonRPLPortItems[] = {{1, "none"}, {2, "west"}, {3, "east"}, {}};
constexpr OptionItem CommonPolicyItems[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {}};
constexpr OptionItem CommonCircuitIDTypeItems[] = {
    {1, "default"},
    {2, "user-defined"},
    {3, "vendor1"},
    {4, "vendor2"},
    {5, "vendor3"},
    {6, "vendor4"},
    {7, "vendor5"},
    {},
};
constexpr OptionItem CommonDefaultModeItems[] = {{1, "relay"}, {2, "drop"}, {}};
constexpr OptionItem CommonMatchTypeItems[] = {{1, "exact"}, {2, "partial"}, {}};
constexpr OptionItem CommonCablePairStatusItems[] = {
    {0, "ok"},
    {1, "open"},
    {2, "short"},
    {3, "open-short"},
    {4, "crosstalk"},
    {5, "unknown"},
    {6, "count"},
    {7, "no-cable"},
    {8, "other"},
    {},
};
constexpr OptionItem CommonMediumTypeItems[] = {{1, "copper"}, {2, "fiber"}, {}};
constexpr OptionItem CommonPortTypeItems[] = {
    {1, "portType-100Base-TX"},
    {2, "portType-100Base-FX"},
    {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"},
    {5, "portType-1000Base-SX"},
    {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"},
    {8, "portType-1000Base-LX-GBIC"},
    {9, "portType-1000Base-TX-GBIC"},
    {10, "portType-1000Base-1394"},
    {11, "portType-1000Base-TX-GBIC-COMBO"},
    {12, "portType-1000Base-none-GBIC"},
    {13, "portType-1000Base-SX-MGBIC"},
    {14, "portType-1000Base-LX-MGBIC"},
    {15, "portType-1000Base-TX-MGBIC"},
    {16, "portType-1000Base-none-MGBIC"},
    {17, "portType-SIO"},
    {18, "portType-10G"},
    {19, "portType-10G-xenpak-1310nm"},
    {20, "portType-10G-xenpak-850nm"},
    {21, "portType-10G-xenpak-empty"},
    {22, "portType-10G-xfp-1310nm"},
    {23, "portType-10G-xfp-850nm"},
    {24, "portType-10G-xfp-empty"},
    {25, "portType-none"},
    {},
};
constexpr OptionItem CommonNwayStatusItems[] = {
    {0, "other"},
    {1, "empty"},
    {2, "link-down"},
    {3, "half-10Mbps"},
    {4, "full-10Mbps"},
    {5, "half-100Mbps"},
    {6, "full-100Mbps"},
    {7, "half-1Gigabps"},
    {8, "full-1Gigabps"},
    {9, "full-10Gigabps"},
    {},
};
constexpr OptionItem CommonErrorDisabledItems[] = {
    {0, "none"},
    {1, "storm"},
    {2, "stp-lbd"},
    {3, "unknow"},
    {4, "ctp-lbd"},
    {5, "ddm"},
    {6, "bpdu-protection"},
    {7, "power-saving"},
    {8, "quld"},
    {},
};
constexpr OptionItem CommonNwayStateItems[] = {
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"},
    {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"},
    {},
};
constexpr OptionItem CommonRemoteFaultAdvertisedItems[] = {
    {1, "noError"},
    {2, "offline"},
    {3, "linkFailure"},
    {4, "autoNegError"},
    {},
};
constexpr OptionItem CommonAlgorithmItems[] = {
    {1, "other"},
    {2, "mac-source"},
    {3, "mac-destination"},
    {4, "mac-source-dest"},
    {5, "ip-source"},
    {6, "ip-destination"},
    {7, "ip-source-dest"},
    {},
};
constexpr OptionItem CommonErrorDisabledReasonItems[] = {
    {0, "unknown"},
    {1, "stp-lbd"},
    {2, "storm-control"},
    {3, "ctp-lbd"},
    {4, "ddm"},
    {5, "bpdu_protection"},
    {6, "power-saving"},
    {7, "quld"},
    {},
};
constexpr OptionItem CommonDosAttackTypeItems[] = {
    {1, "land-attack"},
    {2, "blat-attack"},
    {4, "tcp-null-scan"},
    {5, "tcp-xmascan"},
    {6, "tcp-synfin"},
    {7, "tcp-syn-srcport-less-1024"},
    {16, "ping_death_attack"},
    {20, "tcp_tiny_frag_attack"},
    {},
};
constexpr OptionItem CommonTypeItems[] = {{0, "cist"}, {1, "msti"}, {}};
constexpr OptionItem CommonStatusItems[] = {
    {1, "disabled"},
    {2, "blocking"},
    {3, "listening"},
    {4, "learning"},
    {5, "forwarding"},
    {6, "broken"},
    {},
};
constexpr OptionItem CommonBridgeTypeItems[] = {
    {1, "unknown"},
    {2, "transparent-only"},
    {3, "sourceroute-only"},
    {4, "srt"},
    {},
};
constexpr OptionItem CommonSystemResetItems[] = {{1, "none"}, {2, "config"}, {3, "system"}, {4, "reset"}, {}};
constexpr OptionItem CommonType2Items[] = {
    {1, "other"},
    {2, "standard"},
    {3, "proprietary"},
    {4, "experiment"},
    {},
};
constexpr OptionItem CommonProtocolCapabilityItems[] = {
    {1, "other"},
    {2, "snmp-ip"},
    {3, "snmp-ipx"},
    {4, "snmp-ip-ipx"},
    {},
};
constexpr OptionItem CommonConsoleStatusItems[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {}};
constexpr OptionItem CommonOutOfBandBaudRateConfigurationItems[] = {
    {3, "baudRate-9600"},
    {4, "baudRate-19200"},
    {5, "baudRate-38400"},
    {6, "baudRate-115200"},
    {},
};
constexpr OptionItem CommonAutoLogoutConfigurationItems[] = {
    {1, "never"},
    {2, "minutes-2"},
    {3, "minutes-5"},
    {4, "minutes-10"},
    {5, "minutes-15"},
    {},
};
constexpr OptionItem CommonActionItems[] = {{1, "config-as-bootup-fw"}, {2, "delete"}, {3, "none"}, {}};
constexpr OptionItem CommonControlIDItems[] = {{1, "cfgId-1"}, {2, "cfgId-2"}, {}};
constexpr OptionItem CommonAction2Items[] = {
    {1, "active"},
    {2, "delete"},
    {3, "apply"},
    {4, "none"},
    {5, "config-as-bootup-cfg"},
    {},
};
constexpr OptionItem CommonGetIPFromItems[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {}};
constexpr OptionItem CommonMessageVersionItems[] = {
    {1, "snmpAgentVersionDependent"},
    {2, "v1Trap"},
    {3, "v2Trap"},
    {},
};
constexpr OptionItem CommonType3Items[] = {{1, "dynamic"}, {2, "static"}, {}};
constexpr OptionItem CommonStatus2Items[] = {{1, "drop"}, {2, "forward"}, {}};
constexpr OptionItem CommonSecurityModuleItems[] = {
    {1, "dot1x"},
    {2, "wac"},
    {3, "jwac"},
    {4, "port-security"},
    {5, "mac-based-access-control"},
    {6, "compound-authentication"},
    {},
};
constexpr OptionItem CommonPromiscuousModeItems[] = {{2, "false"}, {}};
constexpr OptionItem CommonForwardingItems[] = {{1, "forwarding"}, {2, "not-forwarding"}, {}};
constexpr OptionItem CommonControlItems[] = {{0, "stop"}, {1, "active"}, {}};
constexpr OptionItem CommonStatus3Items[] = {{0, "finish"}, {1, "proceeding"}, {}};
constexpr OptionItem CommonRetransmittingUnacknowledgedOctetsAlgorithmItems[] = {
    {1, "other"},
    {2, "constant"},
    {3, "rsre"},
    {4, "vanj"},
    {},
};
constexpr OptionItem CommonCircuitIDItems[] = {{1, "switch-ip"}, {2, "switch-mac"}, {3, "udf-string"}, {}};
constexpr OptionItem CommonRingStateItems[] = {{1, "begin"}, {2, "init"}, {3, "idle"}, {4, "protection"}, {}};
constexpr OptionItem CommonRAPSRPLOwnerOperationStatusItems[] = {
    {1, "active"},
    {2, "inactive"},
    {3, "disabled"},
    {},
};
constexpr OptionItem CommonRAPSRevertiveItems[] = {{1, "disable"}, {2, "enable"}, {}};
constexpr OptionItem CommonType4Items[] = {{1, "trap"}, {2, "syslog"}, {}};
constexpr OptionItem CommonRemoteIDTypeItems[] = {{1, "default"}, {2, "user-define"}, {}};
constexpr OptionItem CommonClientTypeItems[] = {{1, "mac"}, {2, "string"}, {}};
constexpr OptionItem CommonType5Items[] = {{0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"}, {}};
constexpr OptionItem CommonLinkStatusItems[] = {{0, "link-down"}, {1, "link-up"}, {2, "other"}, {}};
constexpr OptionItem CommonAction3Items[] = {{1, "action"}, {2, "processing"}, {3, "other"}, {}};
constexpr OptionItem CommonStatus4Items[] = {
    {1, "not-run"},
    {2, "processing"},
    {3, "last-test-ok"},
    {4, "last-test-failed"},
    {},
};
constexpr OptionItem CommonType6Items[] = {{1, "self"}, {2, "permanent"}, {3, "permanentdrop"}, {}};
constexpr OptionItem CommonTrapControl2Items[] = {
    {1, "none"},
    {2, "stormOccurred"},
    {3, "stormCleared"},
    {4, "both"},
    {},
};
constexpr OptionItem CommonActionStatusItems[] = {{1, "shutdown"}, {2, "drop"}, {}};
constexpr OptionItem CommonShutdownForeverItems[] = {{1, "yes"}, {2, "no"}, {}};
constexpr OptionItem CommonCleanAllStatisticCounterItems[] = {{1, "normal"}, {2, "active"}, {}};
constexpr OptionItem CommonVLANModeItems[] = {
    {1, "forward-all-groups"},
    {2, "forward-unregistered-groups"},
    {3, "filter-unregistered-groups"},
    {},
};
constexpr OptionItem CommonLinkStatus2Items[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
constexpr OptionItem CommonMDIXStateItems[] = {{1, "auto"}, {2, "normal"}, {3, "cross"}, {}};
constexpr OptionItem CommonAutoNegotiationRestartItems[] = {{1, "restart"}, {2, "norestart"}, {}};
constexpr OptionItem CommonConfigurationItems[] = {
    {1, "other"},
    {2, "configuring"},
    {3, "complete"},
    {4, "disabled"},
    {5, "parallelDetectFail"},
    {},
};
constexpr OptionItem CommonStateItems[] = {{1, "active"}, {2, "passive"}, {}};
constexpr OptionItem CommonTrunkTypeItems[] = {{2, "static"}, {3, "lacp"}, {}};
constexpr OptionItem CommonTrunkStateItems[] = {
    {1, "enable"},
    {2, "disable"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem CommonRemoteIDType2Items[] = {{1, "default"}, {2, "user-defined"}, {}};
constexpr OptionItem CommonCircuitIDType2Items[] = {{1, "default"}, {3, "vendor1"}, {8, "vendor6"}, {}};
constexpr OptionItem CommonConnectStatusItems[] = {{1, "other"}, {2, "err-disabled"}, {}};
constexpr OptionItem CommonOperationStateItems[] = {{1, "operational"}, {2, "non-operational"}, {}};
constexpr OptionItem CommonModeItems[] = {{1, "shutdown"}, {2, "normal"}, {}};
constexpr OptionItem CommonLinkStateItems[] = {
    {1, "unknown"},
    {2, "bidirectional"},
    {3, "tx-fault"},
    {4, "rx-fault"},
    {5, "link-down"},
    {},
};
constexpr OptionItem CommonActionTypeItems[] = {{1, "drop"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList NoneStartOptions;
constinit MvOptionList OtherDisabledEnabledOptions;
constinit MvOptionList Disabled1Enabled2Options;
constinit MvOptionList StringHexOptions;
constinit MvOptionList EnableDisableOptions;
constinit MvOptionList Dot1dDot1adOptions;
constinit MvOptionList CommonSTPVersionOptions;
constinit MvOptionList CommonAdministrationEdgePortOptions;
constinit MvOptionList CommonAdministrationP2POptions;
constinit MvOptionList CommonStpPortStatusOptions;
constinit MvOptionList CommonStpPortRoleOptions;
constinit MvOptionList CommonFirmwareDownloadStatusOptions;
constinit MvOptionList CommonTrapControlOptions;
constinit MvOptionList CommonTcpConnStateOptions;
constinit MvOptionList CommonLoginMethodTypeOptions;
constinit MvOptionList CommonEnableMethodTypeOptions;
constinit MvOptionList CommonEntityClassOptions;
constinit MvOptionList CommonRingPortStateOptions;
constinit MvOptionList CommonRPLPortOptions;
constinit MvOptionList CommonPolicyOptions;
constinit MvOptionList CommonCircuitIDTypeOptions;
constinit MvOptionList CommonDefaultModeOptions;
constinit MvOptionList CommonMatchTypeOptions;
constinit MvOptionList CommonCablePairStatusOptions;
constinit MvOptionList CommonMediumTypeOptions;
constinit MvOptionList CommonPortTypeOptions;
constinit MvOptionList CommonNwayStatusOptions;
constinit MvOptionList CommonErrorDisabledOptions;
constinit MvOptionList CommonNwayStateOptions;
constinit MvOptionList CommonRemoteFaultAdvertisedOptions;
constinit MvOptionList CommonAlgorithmOptions;
constinit MvOptionList CommonErrorDisabledReasonOptions;
constinit MvOptionList CommonDosAttackTypeOptions;
constinit MvOptionList CommonTypeOptions;
constinit MvOptionList CommonStatusOptions;
constinit MvOptionList CommonBridgeTypeOptions;
constinit MvOptionList CommonSystemResetOptions;
constinit MvOptionList CommonType2Options;
constinit MvOptionList CommonProtocolCapabilityOptions;
constinit MvOptionList CommonConsoleStatusOptions;
constinit MvOptionList CommonOutOfBandBaudRateConfigurationOptions;
constinit MvOptionList CommonAutoLogoutConfigurationOptions;
constinit MvOptionList CommonActionOptions;
constinit MvOptionList CommonControlIDOptions;
constinit MvOptionList CommonAction2Options;
constinit MvOptionList CommonGetIPFromOptions;
constinit MvOptionList CommonMessageVersionOptions;
constinit MvOptionList CommonType3Options;
constinit MvOptionList CommonStatus2Options;
constinit MvOptionList CommonSecurityModuleOptions;
constinit MvOptionList CommonPromiscuousModeOptions;
constinit MvOptionList CommonForwardingOptions;
constinit MvOptionList CommonControlOptions;
constinit MvOptionList CommonStatus3Options;
constinit MvOptionList CommonRetransmittingUnacknowledgedOctetsAlgorithmOptions;
constinit MvOptionList CommonCircuitIDOptions;
constinit MvOptionList CommonRingStateOptions;
constinit MvOptionList CommonRAPSRPLOwnerOperationStatusOptions;
constinit MvOptionList CommonRAPSRevertiveOptions;
constinit MvOptionList CommonType4Options;
constinit MvOptionList CommonRemoteIDTypeOptions;
constinit MvOptionList CommonClientTypeOptions;
constinit MvOptionList CommonType5Options;
constinit MvOptionList CommonLinkStatusOptions;
constinit MvOptionList CommonAction3Options;
constinit MvOptionList CommonStatus4Options;
constinit MvOptionList CommonType6Options;
constinit MvOptionList CommonTrapControl2Options;
constinit MvOptionList CommonActionStatusOptions;
constinit MvOptionList CommonShutdownForeverOptions;
constinit MvOptionList CommonCleanAllStatisticCounterOptions;
constinit MvOptionList CommonVLANModeOptions;
constinit MvOptionList CommonLinkStatus2Options;
constinit MvOptionList CommonMDIXStateOptions;
constinit MvOptionList CommonAutoNegotiationRestartOptions;
constinit MvOptionList CommonConfigurationOptions;
constinit MvOptionList CommonStateOptions;
constinit MvOptionList CommonTrunkTypeOptions;
constinit MvOptionList CommonTrunkStateOptions;
constinit MvOptionList CommonRemoteIDType2Options;
constinit MvOptionList CommonCircuitIDType2Options;
constinit MvOptionList CommonConnectStatusOptions;
constinit MvOptionList CommonOperationStateOptions;
constinit MvOptionList CommonModeOptions;
constinit MvOptionList CommonLinkStateOptions;
constinit MvOptionList CommonActionTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.1.2
// Read by the main window's model identification at start-up (TMainForm) as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.1.2", "sysObjectID", objectid, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.13
// Read by the main window's stacking-information read at start-up and at Refresh (TMainForm) as
// SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.1.1.13", "Firmware Type", displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.1.1
// Read by TSpanningTreeAlgorithmForm as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.15.1.1", "State", integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.1.2 "STP Version"
// Read by the main window's model identification at start-up (TMainForm) as SVT_SV;
// TMSTPPortStateForm as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "STP Version", integer, readwrite, &CommonSTPVersionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.1.3
// Read by TSTP_Info as SVT_SV.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.15.1.3",  "Max. Age",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.5",  "Forward Delay",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.6",  "Max. Hops",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.7",  "TX Hold Count",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.1.8",  "Forward BPDU",     integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.15.1.11", "NNI BPDU Address", integer, readwrite, &Dot1dDot1adOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.1.4
// Read by TSTP_Info as SVT_SV.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.15.1.4", "swMSTPStpHelloTime", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.1.2 "Version"
// Read by TSTP_Info as SVT_SV.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "Version", integer, readwrite, &CommonSTPVersionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.2.1
// Read by the window "STP Configuration Identification" as SVT_SV.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.15.2.1", "Name",           displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.2", "Revision Level", integer,    readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.2.3.1.1
// Read by TMSTPVLANUnitForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.15.2.3.1.1",  "Instance ID",            integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.2",  "VLAN Range (1-512)",     octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.3",  "VLAN Range (513-1024)",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.4",  "VLAN Range (1025-1536)", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.5",  "VLAN Range (1537-2048)", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.6",  "VLAN Range (2049-2560)", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.7",  "VLAN Range (2561-3072)", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.8",  "VLAN Range (3073-3584)", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.9",  "VLAN Range (3585-4094)", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.10", "Type",                   integer,   readonly,  &CommonTypeOptions},
    {"1.3.6.1.4.1.171.12.15.2.3.1.11", "Status",                 integer,   readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.15.2.3.1.12", "Priority",               integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.13", "Designated Root Bridge", octetstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.14", "External Root Cost",     integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.15", "Regional Root Bridge",   octetstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.16", "Internal Root Cost",     integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.17", "Designated Bridge",      octetstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.18", "Root Port",              integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.19", "Max. Age",               integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.20", "Forward Delay",          integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.21", "Last Topology Change",   timeticks, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.22", "Top Changes Count",      counter,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.23", "Remain Hops",            integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.3.1.24", "Row Status",             integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.2.4.1.1
// Read by TMSTPPortStateForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.15.2.4.1.1",  "Port",                     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.4.1.3",  "Operation HelloTime",      integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.4.1.2",  "Administration HelloTime", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.4.1.4",  "STP Port Enable",          integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.5",  "External Path Cost",       integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.4.1.6",  "Migration",                integer, readwrite, &TrueFalseOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.7",  "Administration Edge Port", integer, readwrite, &CommonAdministrationEdgePortOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.8",  "Operation Edge Port",      integer, readonly,  &CommonAdministrationEdgePortOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.9",  "Administration P2P",       integer, readwrite, &CommonAdministrationP2POptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.10", "Operation P2P",            integer, readonly,  &CommonAdministrationP2POptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.12", "BPDU Filtering",           integer, readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.13", "Restricted Role",          integer, readwrite, &TrueFalseOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.14", "Restricted TCN",           integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.15.2.5.1.1
// Read by the window "Port MSTP Information" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.15.2.5.1.1", "Port",               integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.5.1.2", "Instance ID",        integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.5.1.3", "Designated Bridge",  octetstr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.15.2.5.1.4", "Internal Path Cost", integer,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.5.1.5", "Priority",           integer,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.15.2.5.1.6", "Status",             integer,  readonly,  &CommonStpPortStatusOptions},
    {"1.3.6.1.4.1.171.12.15.2.5.1.7", "Role",               integer,  readonly,  &CommonStpPortRoleOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.2.15.1.1
// Read by the window "Spanning Tree Port Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.2.1.17.2.15.1.1",  "Port",                integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.2",  "Priority",            integer,    readwrite, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.3",  "Status        ",      integer,    readonly,  &CommonStatusOptions},
    {"1.3.6.1.2.1.17.2.15.1.4",  "State  ",             integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.2.1.17.2.15.1.5",  "Path Cost",           integer,    readwrite, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.6",  "Designated Root",     displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.17.2.15.1.7",  "Designated Cost",     integer,    readonly,  nullptr},
    {"1.3.6.1.2.1.17.2.15.1.8",  "Designated Bridge",   displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.17.2.15.1.9",  "Designated Port",     displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", counter,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.1.1
// Read by the window "Bridge 802.1D Information" as SVT_SV.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address",          macaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.17.1.2", "Number of Ports",         integer,    readonly,  nullptr},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type",             integer,    readonly,  &CommonBridgeTypeOptions},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards",  counter,    readonly,  nullptr},
    {"1.3.6.1.2.1.17.4.2", "Aging Time (10-1000000)", integer,    readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.20
// Read by the window "System Reset" as SVT_SV.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.1.2.20", "System Reset", integer, readwrite, &CommonSystemResetOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.19
// Read by the window "System Reboot" as SVT_SV.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.4.1.171.12.1.2.19", "System Reboot", integer, readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.12
// Read by the window "Serial Number" as SVT_SV.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.4.1.171.12.1.1.12", "Serial Number", displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.22
// Read by the window "SNMP Trap State" as SVT_SV.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.4.1.171.12.1.2.22", "SNMP Trap State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.2.1.1
// Read by the window "MIB Capabilities" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table18[] = {
    {"1.3.6.1.4.1.171.12.1.1.2.1.1", "Index",       integer,    readonly, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.2.1.2", "Description", displaystr, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.2.1.3", "Version",     integer,    readonly, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.2.1.4", "Type",        integer,    readonly, &CommonType2Options},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.8.1.1
// Read by the window "Port Utilization Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table19[] = {
    {"1.3.6.1.4.1.171.12.1.1.8.1.1", "Port Index",  integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.8.1.2", "TX (sec)",    integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.1.8.1.3", "RX (sec)",    integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.1.8.1.4", "Utilization", integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.6.1
// Read by the window "CPU Utilization Table" as SVT_SV.
constexpr VarDescriptor Table20[] = {
    {"1.3.6.1.4.1.171.12.1.1.6.1", "Utilization In 5 sec", integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.6.2", "Utilization In 1 min", integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.6.3", "Utilization In 5 min", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.1
// Read by the window "Basic Information" as SVT_SV.
constexpr VarDescriptor Table21[] = {
    {"1.3.6.1.4.1.171.12.1.1.1", "Protocol Capability",      integer, readonly, &CommonProtocolCapabilityOptions},
    {"1.3.6.1.4.1.171.12.1.1.3", "Console Status",           integer, readonly, &CommonConsoleStatusOptions},
    {"1.3.6.1.4.1.171.12.1.1.5", "Firmware Download Status", integer, readonly, &CommonFirmwareDownloadStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.5
// Read by the window "Basic Configuration" as SVT_SV.
constexpr VarDescriptor Table22[] = {
    {"1.3.6.1.4.1.171.12.1.2.5",  "Out Of Band Baud Rate Configuration", integer,    readwrite, &CommonOutOfBandBaudRateConfigurationOptions},
    {"1.3.6.1.4.1.171.12.1.2.14", "Data Bits",                           integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.15", "Parity Bits",                         displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.16", "Stop Bits",                           integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.17", "Auto Logout Configuration",           integer,    readwrite, &CommonAutoLogoutConfigurationOptions},
    {"1.3.6.1.4.1.171.12.1.2.26", "Command Logging State",               integer,    readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.13.1.1
// Read by the window "Multiple Image Settings" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table23[] = {
    {"1.3.6.1.4.1.171.12.1.2.13.1.1", "ID",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.13.1.2", "Action", integer, readwrite, &CommonActionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.7.1.1
// Read by the window "Multiple Image Management General Information" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table24[] = {
    {"1.3.6.1.4.1.171.12.1.2.7.1.1", "Information ID", integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.7.1.2", "Version",        displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.7.1.3", "Size",           integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.7.1.4", "Update Time",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.7.1.5", "From",           displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.7.1.6", "Send User",      displaystr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.8.2
// Read by the window "Multiple Configuration General Information" as SVT_SV.
constexpr VarDescriptor Table25[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.2", "Current Used", integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.8.3", "Boot Up",      integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.8.1.1.1
// Read by the window "Multiple Configuration Information Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table26[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.1", "Information ID", integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.2", "Version",        displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.3", "Size",           integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.4", "Update Time",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.5", "From",           displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.6", "Send User",      displaystr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.8.4.1.1
// Read by TMultipleConfigControlForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table27[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.4.1.1", "Control ID", integer, notaccess, &CommonControlIDOptions},
    {"1.3.6.1.4.1.171.12.1.2.8.4.1.2", "Action",     integer, readwrite, &CommonAction2Options},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.9.1
// Read by the window "Severity Control Management" as SVT_SV.
constexpr VarDescriptor Table28[] = {
    {"1.3.6.1.4.1.171.12.1.2.9.1", "Trap Control", integer, readwrite, &CommonTrapControlOptions},
    {"1.3.6.1.4.1.171.12.1.2.9.2", "Log Control",  integer, readwrite, &CommonTrapControlOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.3.1
// Read by the window "IP Protocol Configuration" as SVT_SV.
constexpr VarDescriptor Table29[] = {
    {"1.3.6.1.4.1.171.12.1.3.1", "Number of Interfaces", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.3.3", "Get IP From",          integer, readwrite, &CommonGetIPFromOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.4.2.1.1
// Read by the window "Trap Management Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table30[] = {
    {"1.3.6.1.4.1.171.12.1.4.2.1.1", "Index",           integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.4.2.1.2", "IP Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.4.2.1.3", "Community",       displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.4.2.1.4", "Message Version", integer,    readwrite, &CommonMessageVersionOptions},
    {"1.3.6.1.4.1.171.12.1.4.2.1.5", "Status",          integer,    readwrite, &OtherDisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.12.1
// Read by the window "Clear All ARP" as SVT_SV.
constexpr VarDescriptor Table31[] = {
    {"1.3.6.1.4.1.171.12.1.2.12.1", "State", integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.11.1
// Read by the window "Clear All FDB" as SVT_SV.
constexpr VarDescriptor Table32[] = {
    {"1.3.6.1.4.1.171.12.1.2.11.1", "State", integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.11.2.1.1
// Read by the window "Clear FDB By Port" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table33[] = {
    {"1.3.6.1.4.1.171.12.1.2.11.2.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.11.2.1.2", "Action",     integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.11.3.1.1
// Read by the window "Clear FDB By VLAN ID" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table34[] = {
    {"1.3.6.1.4.1.171.12.1.2.11.3.1.1", "VLAN ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.11.3.1.2", "Action",  integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.11.4.1.1
// Read by the window "FDB Security" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table35[] = {
    {"1.3.6.1.4.1.171.12.1.2.11.4.1.1", "VLAN ID",         integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.11.4.1.2", "MAC Address",     macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.11.4.1.3", "Port",            integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.2.11.4.1.4", "Type",            integer,    readonly,  &CommonType3Options},
    {"1.3.6.1.4.1.171.12.1.2.11.4.1.5", "Status",          integer,    readonly,  &CommonStatus2Options},
    {"1.3.6.1.4.1.171.12.1.2.11.4.1.6", "Security Module", integer,    readonly,  &CommonSecurityModuleOptions},
    {},
};

// Key: 1.3.6.1.2.1.2.2.1.1
// Read by the window "IfX Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table36[] = {
    {"1.3.6.1.2.1.2.2.1.1",     "Interface Index",            integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.1",  "Name",                       displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.2",  "Multicast Packets Received", counter,    readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.3",  "Broadcast Packets Received", counter,    readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.4",  "Multicast Packets Send",     counter,    readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.5",  "Broadcast Packets Send",     counter,    readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6",  "Octets Received",            counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.7",  "Unicast Packets Received",   counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.8",  "Multicast Packets Received", counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.9",  "Broadcast Packets Received", counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Send",                counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Send",       counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Send",     counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Send",     counter64,  readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State",    integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed",                 guage,      readonly,  nullptr},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode",           integer,    readonly,  &CommonPromiscuousModeOptions},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present",          integer,    readonly,  &TrueFalseOptions},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias",                      displaystr, readwrite, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count",   timeticks,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.4.1
// Read by the window "IP Table" as MVT_UMV with 0 key columns.
constexpr VarDescriptor Table37[] = {
    {"1.3.6.1.2.1.4.1",  "Forwarding",           integer, readwrite, &CommonForwardingOptions},
    {"1.3.6.1.2.1.4.2",  "Default TTL",          integer, readwrite, nullptr},
    {"1.3.6.1.2.1.4.13", "Reassembled Timeout",  integer, readonly,  nullptr},
    {"1.3.6.1.2.1.4.14", "Reassembled Requests", counter, readonly,  nullptr},
    {"1.3.6.1.2.1.4.15", "Reassembled OKs",      counter, readonly,  nullptr},
    {"1.3.6.1.2.1.4.16", "Reassembled Fails",    counter, readonly,  nullptr},
    {"1.3.6.1.2.1.4.17", "Fragment OKs",         counter, readonly,  nullptr},
    {"1.3.6.1.2.1.4.18", "Fragment Fails",       counter, readonly,  nullptr},
    {"1.3.6.1.2.1.4.19", "Fragment Creates",     counter, readonly,  nullptr},
    {"1.3.6.1.2.1.4.23", "Routing Discards",     counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.4.1
// Read by the window "Ping Test" as SVT_SV.
constexpr VarDescriptor Table38[] = {
    {"1.3.6.1.4.1.171.12.1.4.1", "IP Address",    ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.4.2", "Repetition",    integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.4.3", "Control",       integer,   readwrite, &CommonControlOptions},
    {"1.3.6.1.4.1.171.12.1.4.4", "Status",        integer,   readonly,  &CommonStatus3Options},
    {"1.3.6.1.4.1.171.12.1.4.5", "Success Count", integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.4.6", "Fail Count",    integer,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.9.1.1
// Read by the window "DRAM Utilization Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table39[] = {
    {"1.3.6.1.4.1.171.12.1.1.9.1.1", "Unit ID",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.9.1.2", "Total DRAM (KB)", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.1.9.1.3", "Used DRAM (KB)",  integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.1.9.1.4", "Utilization",     integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.1.10.1.1
// Read by the window "Flash Utilization Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table40[] = {
    {"1.3.6.1.4.1.171.12.1.1.10.1.1", "Unit ID",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.10.1.2", "Total Flash (KB)", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.1.10.1.3", "Used Flash (KB)",  integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.1.1.10.1.4", "Utilization",      integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.12.2.1
// Read by the window "Gratuitous ARP Global Settings" as SVT_SV.
constexpr VarDescriptor Table41[] = {
    {"1.3.6.1.4.1.171.12.1.2.12.2.1", "Send On IPIF Status Up State",        integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.12.2.2", "Send On Duplicate IP Detected State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.12.2.3", "Learning State",                      integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.12.2.4.1.1
// Read by the window "Gratuitous ARP Management Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table42[] = {
    {"1.3.6.1.4.1.171.12.1.2.12.2.4.1.1", "Interface Name",           displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.12.2.4.1.2", "Periodical Send Interval", integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.12.2.4.1.3", "Trap State",               integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.12.2.4.1.4", "Log State",                integer,    readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.28.1
// Read by the window "TFTP Server Configuration" as SVT_SV.
constexpr VarDescriptor Table43[] = {
    {"1.3.6.1.4.1.171.12.1.2.28.1",  "Firmware File",      displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.2",  "Configure File",     displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.3",  "Log File",           displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.4",  "Attack Log File",    displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.5",  "Certificate File",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.6",  "Key File",           displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.7",  "Tech Support File",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.8",  "Debug Log File",     displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.9",  "SIM Firmware File",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.10", "SIM Configure File", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.11", "SIM Log File",       displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.28.12", "Server IP Address",  ipaddress,  readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.6.1
// Read by the window "TCP Counter Information" as SVT_SV.
constexpr VarDescriptor Table44[] = {
    {"1.3.6.1.2.1.6.1",  "Retransmitting Unacknowledged Octets Algorithm", integer, readonly, &CommonRetransmittingUnacknowledgedOctetsAlgorithmOptions},
    {"1.3.6.1.2.1.6.2",  "Retransmitting Unacknowledged Octets Min",       integer, readonly, nullptr},
    {"1.3.6.1.2.1.6.3",  "Retransmitting Unacknowledged Octets Max.",      integer, readonly, nullptr},
    {"1.3.6.1.2.1.6.4",  "Max. Connections",                               integer, readonly, nullptr},
    {"1.3.6.1.2.1.6.5",  "Active Opens",                                   counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.6",  "Passive Opens",                                  counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.7",  "Attempt Fails",                                  counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.8",  "Estab Resets",                                   counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.9",  "Current Establisted",                            guage,   readonly, nullptr},
    {"1.3.6.1.2.1.6.10", "In Segments",                                    counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.11", "Out Segments",                                   counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.12", "Retransmitted Segments",                         counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.14", "In Errors",                                      counter, readonly, nullptr},
    {"1.3.6.1.2.1.6.15", "Out RSTs",                                       counter, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.6.13.1.2
// Read by the window "TCP Connection Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table45[] = {
    {"1.3.6.1.2.1.6.13.1.2", "Local Address",  ipaddress, readonly, nullptr},
    {"1.3.6.1.2.1.6.13.1.3", "Local Port",     integer,   readonly, nullptr},
    {"1.3.6.1.2.1.6.13.1.4", "Remote Address", ipaddress, readonly, nullptr},
    {"1.3.6.1.2.1.6.13.1.5", "Remote Port",    integer,   readonly, nullptr},
    {"1.3.6.1.2.1.6.13.1.1", "State",          integer,   readonly, &CommonTcpConnStateOptions},
    {},
};

// Key: 1.3.6.1.2.1.7.5.1.1
// Read by the window "UDP Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table46[] = {
    {"1.3.6.1.2.1.7.5.1.1", "Local Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.2.1.7.5.1.2", "Local Port",    integer,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.5.3.1.1
// Read by TLoginMethodListForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table47[] = {
    {"1.3.6.1.4.1.171.12.5.3.1.1",  "Login Method List Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.5.3.1.2",  "Method 1 Type",          integer,    readwrite, &CommonLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.3",  "Method 1 Server Group",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.3.1.4",  "Method 2 Type",          integer,    readwrite, &CommonLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.5",  "Method 2 Server Group",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.3.1.6",  "Method 3 Type",          integer,    readwrite, &CommonLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.7",  "Method 3 Server Group",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.3.1.8",  "Method 4 Type",          integer,    readwrite, &CommonLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.9",  "Method 4 Server Group",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.3.1.10", "Row Status",             integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.5.4.1.1
// Read by TLoginMethodListForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table48[] = {
    {"1.3.6.1.4.1.171.12.5.4.1.1",  "Enable Method List Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.5.4.1.2",  "Method 1 Type",           integer,    readwrite, &CommonEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.3",  "Method 1 Server Group",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.4.1.4",  "Method 2 Type",           integer,    readwrite, &CommonEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.5",  "Method 2 Server Group",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.4.1.6",  "Method 3 Type",           integer,    readwrite, &CommonEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.7",  "Method 3 Server Group",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.4.1.8",  "Method 4 Type",           integer,    readwrite, &CommonEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.9",  "Method 4 Server Group",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.4.1.10", "Row Status",              integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.2.1.47.1.4.1
// Read by the window "Entity Last Change Time Information" as SVT_SV.
constexpr VarDescriptor Table49[] = {
    {"1.3.6.1.2.1.47.1.4.1", "Last Change Time", timeticks, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.47.1.1.1.1.1
// Read by the window "Entity Physical Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table50[] = {
    {"1.3.6.1.2.1.47.1.1.1.1.1",  "Index",                    integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.2",  "Description",              displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.3",  "Vendor Type",              objectid,   readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.4",  "ContainedIn",              integer,    readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.5",  "Class",                    integer,    readonly,  &CommonEntityClassOptions},
    {"1.3.6.1.2.1.47.1.1.1.1.6",  "Parent Relative Position", integer,    readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.7",  "Name",                     displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.8",  "Hardware Revision",        displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.9",  "Firmware Revision",        displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.10", "Software Revision",        displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.12", "Manufacturer Name",        displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.13", "Model Name",               displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.47.1.1.1.1.16", "Is FRU",                   integer,    readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.3.6.1.2.1.47.1.3.3.1.1 (after an index-only column)
// Read by the window "Entity Physical Contains Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table51[] = {
    {" ",                        "Index",       integer, notaccess, nullptr},
    {"1.3.6.1.2.1.47.1.3.3.1.1", "Child Index", integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.2.1
// Read by the window "Interface Number Information" as SVT_SV.
constexpr VarDescriptor Table52[] = {
    {"1.3.6.1.2.1.2.1", "ifNumber", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.79.1.1
// Read by the window "PPPoE Circuit ID Insertion State Settings" as SVT_SV.
constexpr VarDescriptor Table53[] = {
    {"1.3.6.1.4.1.171.12.79.1.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.79.1.2.1.1.1
// Read by TPPOEForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table54[] = {
    {"1.3.6.1.4.1.171.12.79.1.2.1.1.1", "Index",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.79.1.2.1.1.2", "State",      integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.79.1.2.1.1.3", "Circuit ID", integer,    readwrite, &CommonCircuitIDOptions},
    {"1.3.6.1.4.1.171.12.79.1.2.1.1.4", "UDF String", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.78.1.1
// Read by the window "ERPS Global Settings" as SVT_SV.
constexpr VarDescriptor Table55[] = {
    {"1.3.6.1.4.1.171.12.78.1.1", "Admin State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.78.1.2", "Trap State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.78.1.3", "Log State",   integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.78.3.1.1.1
// Read by the window "ERPS VLAN Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table56[] = {
    {"1.3.6.1.4.1.171.12.78.3.1.1.1",   "VLAN ID",                                     integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.2",   "West Port",                                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.3",   "West Port State",                             integer,    readonly,  &CommonRingPortStateOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.4",   "East Port",                                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.5",   "East Port State",                             integer,    readonly,  &CommonRingPortStateOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.6",   "RPL Port",                                    integer,    readwrite, &CommonRPLPortOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.7",   "RPL Owner",                                   integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.8",   "Protection VLAN",                             displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.9",   "Ring MEL",                                    integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.10",  "Holdoff Time",                                integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.11",  "Guard Time",                                  integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.12",  "WTR Time",                                    integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.13",  "Ring State",                                  integer,    readonly,  &CommonRingStateOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.14",  "R-APS Ring Admin State",                      integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.15",  "R-APS RPL Owner Operation Status",            integer,    readonly,  &CommonRAPSRPLOwnerOperationStatusOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.16",  "R-APS Protection VLAN Range List 1 to 64",    octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.17",  "R-APS Protection VLAN Range List 65 to 128",  octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.18",  "R-APS Protection VLAN Range List 129 to 192", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.19",  "R-APS Protection VLAN Range List 193 to 256", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.20",  "R-APS Protection VLAN Range List 257 to 320", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.21",  "R-APS Protection VLAN Range List 321 to 384", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.22",  "R-APS Protection VLAN Range List 385 to 448", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.23",  "R-APS Protection VLAN Range List 449 to 512", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.24",  "R-APS Revertive",                             integer,    readwrite, &CommonRAPSRevertiveOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.25",  "R-APS Operational West Port",                 integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.26",  "R-APS Operational East Port",                 integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.78.3.1.1.27",  "R-APS Operational RPL Port",                  integer,    readonly,  &CommonRPLPortOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.28",  "R-APS RPL Owner Oper State",                  integer,    readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.78.3.1.1.100", "Row Status",                                  integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.78.3.2.1.1
// Read by TERPSSubRingForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table57[] = {
    {"1.3.6.1.4.1.171.12.78.3.2.1.1", "R-APS VLAN ID",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.2.1.2", "Sub-Ring R-APS VLAN ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.78.3.2.1.3", "TC Propagation State",   integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.78.3.2.1.4", "Row Status",             integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.81.3.1.1.1
// Read by the window "Source IP Interface Settings" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table58[] = {
    {"1.3.6.1.4.1.171.12.81.3.1.1.1", "Type",         integer,     notaccess, &CommonType4Options},
    {"1.3.6.1.4.1.171.12.81.3.1.1.2", "Row Status",   integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.81.3.1.1.3", "Name",         displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.81.3.1.1.4", "IPv4 Address", ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.81.3.1.1.5", "IPv6 Address", ipv6address, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.1.1
// Read by the window "DHCP Relay Global Settings" as SVT_SV.
constexpr VarDescriptor Table59[] = {
    {"1.3.6.1.4.1.171.12.42.1.1", "State",          integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.42.1.2", "Hop Count",      integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.1.3", "Time Threshold", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.1.1.1
// Read by the window "DHCP Relay Control Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table60[] = {
    {"1.3.6.1.4.1.171.12.42.3.1.1.1", "Interface Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.1.1.2", "Control Server", ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.1.1.3", "Row Status",     integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.5.1.1
// Read by TDHCPRelayVLANControlUnitForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table61[] = {
    {"1.3.6.1.4.1.171.12.42.3.5.1.1",  "IP Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.2",  "1-512",      octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.3",  "513-1024",   octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.4",  "1025-1536",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.5",  "1537-2048",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.6",  "2049-2560",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.7",  "2561-3072",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.8",  "3073-3584",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.9",  "3585-4094",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.5.1.10", "Row Status", integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.2.1
// Read by the window "DHCP Relay Option 82" as SVT_SV.
constexpr VarDescriptor Table62[] = {
    {"1.3.6.1.4.1.171.12.42.3.2.1", "State",             integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.42.3.2.2", "Check State",       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.42.3.2.3", "Policy",            integer,    readwrite, &CommonPolicyOptions},
    {"1.3.6.1.4.1.171.12.42.3.2.4", "Remote ID Type",    integer,    readwrite, &CommonRemoteIDTypeOptions},
    {"1.3.6.1.4.1.171.12.42.3.2.5", "Remote ID Content", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.2.6", "Circuit ID Type",   integer,    readwrite, &CommonCircuitIDTypeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.3.1
// Read by the window "DHCP Relay Option 60 State" as SVT_SV.
constexpr VarDescriptor Table63[] = {
    {"1.3.6.1.4.1.171.12.42.3.3.1", "State",        integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.42.3.3.2", "Default Mode", integer, readwrite, &CommonDefaultModeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.3.3.1.1
// Read by the window "DHCP Relay Option 60 Default Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table64[] = {
    {"1.3.6.1.4.1.171.12.42.3.3.3.1.1", "Relay IP",   ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.3.3.1.2", "Row Status", integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.3.4.1.1
// Read by the window "DHCP Relay Option 60 Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table65[] = {
    {"1.3.6.1.4.1.171.12.42.3.3.4.1.1", "String",     displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.3.4.1.2", "Relay IP",   ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.3.4.1.3", "Match Type", integer,    readwrite, &CommonMatchTypeOptions},
    {"1.3.6.1.4.1.171.12.42.3.3.4.1.4", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.4.1
// Read by the window "DHCP Relay Option 61" as SVT_SV.
constexpr VarDescriptor Table66[] = {
    {"1.3.6.1.4.1.171.12.42.3.4.1", "State",            integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.42.3.4.2", "Default Mode",     integer,   readwrite, &CommonDefaultModeOptions},
    {"1.3.6.1.4.1.171.12.42.3.4.3", "Default Relay IP", ipaddress, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.4.4.1.1
// Read by the window "DHCP Relay Option 61 Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table67[] = {
    {"1.3.6.1.4.1.171.12.42.3.4.4.1.1", "Client Type", integer,    notaccess, &CommonClientTypeOptions},
    {"1.3.6.1.4.1.171.12.42.3.4.4.1.2", "Client ID",   displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.4.4.1.3", "Mode",        integer,    readwrite, &CommonDefaultModeOptions},
    {"1.3.6.1.4.1.171.12.42.3.4.4.1.4", "Relay IP",    ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.4.4.1.5", "Row Status",  integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.8.1
// Read by the window "DHCP Relay Option 125" as SVT_SV.
constexpr VarDescriptor Table68[] = {
    {"1.3.6.1.4.1.171.12.42.3.8.1", "State",        integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.42.3.8.2", "Default Mode", integer, readwrite, &CommonDefaultModeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.8.3.1.1
// Read by the window "DHCP Relay Option 125 Default Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table69[] = {
    {"1.3.6.1.4.1.171.12.42.3.8.3.1.1", "Default Relay IP", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.8.3.1.2", "Row Status",       integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.3.8.4.1.1
// Read by the window "DHCP Relay Option 125 Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table70[] = {
    {"1.3.6.1.4.1.171.12.42.3.8.4.1.1", "Enterprise Number", integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.8.4.1.2", "Data Type",         integer,    notaccess, &StringHexOptions},
    {"1.3.6.1.4.1.171.12.42.3.8.4.1.3", "Match Data",        displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.8.4.1.4", "Relay IP",          ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.3.8.4.1.5", "Match Type",        integer,    readwrite, &CommonMatchTypeOptions},
    {"1.3.6.1.4.1.171.12.42.3.8.4.1.6", "Row Status",        integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.58.1.1.1.1
// Read by the window "Port Cable Diagnostics Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table71[] = {
    {"1.3.6.1.4.1.171.12.58.1.1.1.1",  "Index",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.58.1.1.1.2",  "Type",          integer, readonly,  &CommonType5Options},
    {"1.3.6.1.4.1.171.12.58.1.1.1.3",  "Link Status",   integer, readonly,  &CommonLinkStatusOptions},
    {"1.3.6.1.4.1.171.12.58.1.1.1.4",  "Pair 1 Status", integer, readonly,  &CommonCablePairStatusOptions},
    {"1.3.6.1.4.1.171.12.58.1.1.1.5",  "Pair 2 Status", integer, readonly,  &CommonCablePairStatusOptions},
    {"1.3.6.1.4.1.171.12.58.1.1.1.6",  "Pair 3 Status", integer, readonly,  &CommonCablePairStatusOptions},
    {"1.3.6.1.4.1.171.12.58.1.1.1.7",  "Pair 4 Status", integer, readonly,  &CommonCablePairStatusOptions},
    {"1.3.6.1.4.1.171.12.58.1.1.1.8",  "Pair 1 Length", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.58.1.1.1.9",  "Pair 2 Length", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.58.1.1.1.10", "Pair 3 Length", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.58.1.1.1.11", "Pair 4 Length", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.58.1.1.1.12", "Action",        integer, readwrite, &CommonAction3Options},
    {"1.3.6.1.4.1.171.12.58.1.1.1.13", "Status",        integer, readonly,  &CommonStatus4Options},
    {},
};

// Key: 1.3.6.1.4.1.171.12.68.1.1
// Read by the window "RSPAN Global Settings" as SVT_SV.
constexpr VarDescriptor Table72[] = {
    {"1.3.6.1.4.1.171.12.68.1.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.68.2.1
// Read by the window "RSPAN Information" as SVT_SV.
constexpr VarDescriptor Table73[] = {
    {"1.3.6.1.4.1.171.12.68.2.1", "Max. Supported Entry",      integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.68.2.2", "Current Number of Entries", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.68.3.1.1.1
// Read by TRSPANForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table74[] = {
    {"1.3.6.1.4.1.171.12.68.3.1.1.1", "VLAN ID",        integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.68.3.1.1.2", "Source Ingress", bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.68.3.1.1.3", "Source Egress",  bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.68.3.1.1.4", "Redirect",       bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.68.3.1.1.5", "Row Status",     integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.70.1.1.1.1
// Read by the window "Static FDB Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table75[] = {
    {"1.3.6.1.4.1.171.12.70.1.1.1.1", "VLAN ID",     integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.70.1.1.1.2", "MAC Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.70.1.1.1.3", "VLAN Name",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.70.1.1.1.4", "Type",        integer,    readwrite, &CommonType6Options},
    {"1.3.6.1.4.1.171.12.70.1.1.1.5", "Port Number", integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.70.1.1.1.6", "Row Status",  integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.25.1.2
// Read by the window "Packet Storm Control Global Settings" as SVT_SV.
constexpr VarDescriptor Table76[] = {
    {"1.3.6.1.4.1.171.12.25.1.2", "Trap Control",      integer, readwrite, &CommonTrapControl2Options},
    {"1.3.6.1.4.1.171.12.25.1.3", "Log Control",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.25.1.4", "Auto Recover Time", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.25.3.1.1.1
// Read by the window "Packet Storm Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table77[] = {
    {"1.3.6.1.4.1.171.12.25.3.1.1.1", "Port Index",       integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.25.3.1.1.2", "Threshold",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.25.3.1.1.3", "Broadcast Status", integer, readwrite, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.171.12.25.3.1.1.4", "Multicast Status", integer, readwrite, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.171.12.25.3.1.1.5", "Unicast Status",   integer, readwrite, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.171.12.25.3.1.1.6", "Action Status",    integer, readwrite, &CommonActionStatusOptions},
    {"1.3.6.1.4.1.171.12.25.3.1.1.7", "Countdown",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.25.3.1.1.8", "Time Interval",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.25.3.1.1.9", "Shutdown Forever", integer, readonly,  &CommonShutdownForeverOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.1.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Device Information" as SVT_SV.
constexpr VarDescriptor Table78Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.1.1", "Total Number of Ports",  integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.1.2", "Number of Ports in Use", integer, readonly, nullptr},
    {},
};

constexpr VarDescriptor Table78Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.1.1", "Total Number of Ports",  integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.1.2", "Number of Ports in Use", integer, readonly, nullptr},
    {},
};

constexpr VarDescriptor Table78Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.1.1", "Total Number of Ports",  integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.1.2", "Number of Ports in Use", integer, readonly, nullptr},
    {},
};

constexpr VarDescriptor Table78Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.1.1", "Total Number of Ports",  integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.1.2", "Number of Ports in Use", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.1.2.5
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Layer 2 Device Global Settings" as SVT_SV.
constexpr VarDescriptor Table79Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.5",  "Trap State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.6",  "Clean All Statistic Counter", integer, readwrite, &CommonCleanAllStatisticCounterOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.7",  "VLAN ID of FDB Table",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.8",  "MAC Notify State",            integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.9",  "MAC Notify History Size",     integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.10", "MAC Notify Interval",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.16", "Management VLAN ID",          integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.18", "LLDP State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.19", "LLDP Forward Message State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.20", "IP Auto Configuration",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.22", "VLAN Trunk State",            integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table79Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.5",  "Trap State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.6",  "Clean All Statistic Counter", integer, readwrite, &CommonCleanAllStatisticCounterOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.7",  "VLAN ID of FDB Table",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.8",  "MAC Notify State",            integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.9",  "MAC Notify History Size",     integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.10", "MAC Notify Interval",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.16", "Management VLAN ID",          integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.18", "LLDP State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.19", "LLDP Forward Message State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.20", "IP Auto Configuration",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.22", "VLAN Trunk State",            integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table79Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.5",  "Trap State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.6",  "Clean All Statistic Counter", integer, readwrite, &CommonCleanAllStatisticCounterOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.7",  "VLAN ID of FDB Table",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.8",  "MAC Notify State",            integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.9",  "MAC Notify History Size",     integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.10", "MAC Notify Interval",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.16", "Management VLAN ID",          integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.18", "LLDP State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.19", "LLDP Forward Message State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.20", "IP Auto Configuration",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.22", "VLAN Trunk State",            integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table79Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.5",  "Trap State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.6",  "Clean All Statistic Counter", integer, readwrite, &CommonCleanAllStatisticCounterOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.7",  "VLAN ID of FDB Table",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.8",  "MAC Notify State",            integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.9",  "MAC Notify History Size",     integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.10", "MAC Notify Interval",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.16", "Management VLAN ID",          integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.18", "LLDP State",                  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.19", "LLDP Forward Message State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.20", "IP Auto Configuration",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.22", "VLAN Trunk State",            integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.1.2.14.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TTCPWEBForm as SVT_SV.
constexpr VarDescriptor Table80Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.14.1", "Telnet State",    integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.14.2", "Telnet TCP Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.17.1", "Web State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.17.2", "Web TCP Port",    integer, readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table80Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.14.1", "Telnet State",    integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.14.2", "Telnet TCP Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.17.1", "Web State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.17.2", "Web TCP Port",    integer, readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table80Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.14.1", "Telnet State",    integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.14.2", "Telnet TCP Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.17.1", "Web State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.17.2", "Web TCP Port",    integer, readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table80Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.14.1", "Telnet State",    integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.14.2", "Telnet TCP Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.17.1", "Web State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.17.2", "Web TCP Port",    integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.1.2.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TSTP_Info as SVT_SV.
constexpr VarDescriptor Table81Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.1", "Spanning Tree Algorithm", integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table81Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.1", "Spanning Tree Algorithm", integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table81Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.1", "Spanning Tree Algorithm", integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table81Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.1", "Spanning Tree Algorithm", integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.1.3.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Alarm Control" as SVT_SV.
constexpr VarDescriptor Table82Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.3.1", "New Root",        integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.3.2", "Topology Change", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.3.3", "Linkchange",      integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table82Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.3.1", "New Root",        integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.3.2", "Topology Change", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.3.3", "Linkchange",      integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table82Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.3.1", "New Root",        integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.3.2", "Topology Change", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.3.3", "Linkchange",      integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table82Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.3.1", "New Root",        integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.3.2", "Topology Change", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.3.3", "Linkchange",      integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.17.1.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Multicast Filter VLAN Mode Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table83Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.17.1.1.1", "VLAN ID",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.17.1.1.2", "VLAN Mode       ", integer, readwrite, &CommonVLANModeOptions},
    {},
};

constexpr VarDescriptor Table83Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.17.1.1.1", "VLAN ID",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.17.1.1.2", "VLAN Mode       ", integer, readwrite, &CommonVLANModeOptions},
    {},
};

constexpr VarDescriptor Table83Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.17.1.1.1", "VLAN ID",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.17.1.1.2", "VLAN Mode       ", integer, readwrite, &CommonVLANModeOptions},
    {},
};

constexpr VarDescriptor Table83Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.17.1.1.1", "VLAN ID",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.17.1.1.2", "VLAN Mode       ", integer, readwrite, &CommonVLANModeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.3.1.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Port Information Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table84Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.1.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.1.1.2", "Medium Type",    integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.1.1.3", "Unit ID",        integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.1.1.4", "Type",           integer, readonly,  &CommonPortTypeOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.1.1.5", "Link Status",    integer, readonly,  &CommonLinkStatus2Options},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.1.1.6", "Nway Status",    integer, readonly,  &CommonNwayStatusOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.1.1.8", "Error Disabled", integer, readonly,  &CommonErrorDisabledOptions},
    {},
};

constexpr VarDescriptor Table84Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.1.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.1.1.2", "Medium Type",    integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.1.1.3", "Unit ID",        integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.1.1.4", "Type",           integer, readonly,  &CommonPortTypeOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.1.1.5", "Link Status",    integer, readonly,  &CommonLinkStatus2Options},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.1.1.6", "Nway Status",    integer, readonly,  &CommonNwayStatusOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.1.1.8", "Error Disabled", integer, readonly,  &CommonErrorDisabledOptions},
    {},
};

constexpr VarDescriptor Table84Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.1.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.1.1.2", "Medium Type",    integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.1.1.3", "Unit ID",        integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.1.1.4", "Type",           integer, readonly,  &CommonPortTypeOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.1.1.5", "Link Status",    integer, readonly,  &CommonLinkStatus2Options},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.1.1.6", "Nway Status",    integer, readonly,  &CommonNwayStatusOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.1.1.8", "Error Disabled", integer, readonly,  &CommonErrorDisabledOptions},
    {},
};

constexpr VarDescriptor Table84Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.1.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.1.1.2", "Medium Type",    integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.1.1.3", "Unit ID",        integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.1.1.4", "Type",           integer, readonly,  &CommonPortTypeOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.1.1.5", "Link Status",    integer, readonly,  &CommonLinkStatus2Options},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.1.1.6", "Nway Status",    integer, readonly,  &CommonNwayStatusOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.1.1.8", "Error Disabled", integer, readonly,  &CommonErrorDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.3.2.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Port Control Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table85Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.1",  "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.2",  "Medium Type",                integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.3",  "Unit Index",                 integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.4",  "Administration State",       integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.5",  "Nway State",                 integer, readwrite, &CommonNwayStateOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.6",  "Flow Control State",         integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.7",  "Learning State",             integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.8",  "MAC Notify State",           integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.10", "MDIX State",                 integer, readwrite, &CommonMDIXStateOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.11", "Auto Negotiation Restart",   integer, readwrite, &CommonAutoNegotiationRestartOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.12", "Capability Advertised Bits", bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.2.1.13", "Auto Speed Downgrade State", integer, readwrite, &OtherDisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table85Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.1",  "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.2",  "Medium Type",                integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.3",  "Unit Index",                 integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.4",  "Administration State",       integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.5",  "Nway State",                 integer, readwrite, &CommonNwayStateOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.6",  "Flow Control State",         integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.7",  "Learning State",             integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.8",  "MAC Notify State",           integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.10", "MDIX State",                 integer, readwrite, &CommonMDIXStateOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.11", "Auto Negotiation Restart",   integer, readwrite, &CommonAutoNegotiationRestartOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.12", "Capability Advertised Bits", bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.2.1.13", "Auto Speed Downgrade State", integer, readwrite, &OtherDisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table85Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.1",  "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.2",  "Medium Type",                integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.3",  "Unit Index",                 integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.4",  "Administration State",       integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.5",  "Nway State",                 integer, readwrite, &CommonNwayStateOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.6",  "Flow Control State",         integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.7",  "Learning State",             integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.8",  "MAC Notify State",           integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.10", "MDIX State",                 integer, readwrite, &CommonMDIXStateOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.11", "Auto Negotiation Restart",   integer, readwrite, &CommonAutoNegotiationRestartOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.12", "Capability Advertised Bits", bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.2.1.13", "Auto Speed Downgrade State", integer, readwrite, &OtherDisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table85Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.1",  "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.2",  "Medium Type",                integer, notaccess, &CommonMediumTypeOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.3",  "Unit Index",                 integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.4",  "Administration State",       integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.5",  "Nway State",                 integer, readwrite, &CommonNwayStateOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.6",  "Flow Control State",         integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.7",  "Learning State",             integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.8",  "MAC Notify State",           integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.10", "MDIX State",                 integer, readwrite, &CommonMDIXStateOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.11", "Auto Negotiation Restart",   integer, readwrite, &CommonAutoNegotiationRestartOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.12", "Capability Advertised Bits", bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.2.1.13", "Auto Speed Downgrade State", integer, readwrite, &OtherDisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.3.3
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Jumbo Frame Control" as SVT_SV.
constexpr VarDescriptor Table86Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.3", "Jumbo Frame", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.4", "Max. Size",   integer, readonly,  nullptr},
    {},
};

constexpr VarDescriptor Table86Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.3", "Jumbo Frame", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.4", "Max. Size",   integer, readonly,  nullptr},
    {},
};

constexpr VarDescriptor Table86Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.3", "Jumbo Frame", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.4", "Max. Size",   integer, readonly,  nullptr},
    {},
};

constexpr VarDescriptor Table86Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.3", "Jumbo Frame", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.4", "Max. Size",   integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.3.8.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Port Auto Negotiation Information Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table87Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.1", "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.2", "Admin Status",               integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.3", "Capability Bits",            bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.4", "Capability Advertised Bits", bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.5", "Capability Received Bits",   bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.6", "Configuration",              integer, readonly,  &CommonConfigurationOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.7", "Remote Fault Advertised",    integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.8.1.8", "Remote Fault Received",      integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {},
};

constexpr VarDescriptor Table87Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.1", "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.2", "Admin Status",               integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.3", "Capability Bits",            bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.4", "Capability Advertised Bits", bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.5", "Capability Received Bits",   bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.6", "Configuration",              integer, readonly,  &CommonConfigurationOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.7", "Remote Fault Advertised",    integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.8.1.8", "Remote Fault Received",      integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {},
};

constexpr VarDescriptor Table87Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.1", "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.2", "Admin Status",               integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.3", "Capability Bits",            bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.4", "Capability Advertised Bits", bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.5", "Capability Received Bits",   bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.6", "Configuration",              integer, readonly,  &CommonConfigurationOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.7", "Remote Fault Advertised",    integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.8.1.8", "Remote Fault Received",      integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {},
};

constexpr VarDescriptor Table87Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.1", "Index",                      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.2", "Admin Status",               integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.3", "Capability Bits",            bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.4", "Capability Advertised Bits", bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.5", "Capability Received Bits",   bitstr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.6", "Configuration",              integer, readonly,  &CommonConfigurationOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.7", "Remote Fault Advertised",    integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.8.1.8", "Remote Fault Received",      integer, readonly,  &CommonRemoteFaultAdvertisedOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.3.11.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Port SFP Information Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table88Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.1",  "Index",        integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.2",  "Connect Type", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.3",  "Vendor Name",  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.4",  "Vendor PN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.5",  "Vendor SN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.6",  "Vendor OUI",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.7",  "Vendor Rev",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.8",  "Date Code",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.9",  "Fiber Type",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.10", "Baud Rate",    integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.11.1.11", "Wave Length",  integer,    readonly,  nullptr},
    {},
};

constexpr VarDescriptor Table88Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.1",  "Index",        integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.2",  "Connect Type", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.3",  "Vendor Name",  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.4",  "Vendor PN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.5",  "Vendor SN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.6",  "Vendor OUI",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.7",  "Vendor Rev",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.8",  "Date Code",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.9",  "Fiber Type",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.10", "Baud Rate",    integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.11.1.11", "Wave Length",  integer,    readonly,  nullptr},
    {},
};

constexpr VarDescriptor Table88Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.1",  "Index",        integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.2",  "Connect Type", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.3",  "Vendor Name",  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.4",  "Vendor PN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.5",  "Vendor SN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.6",  "Vendor OUI",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.7",  "Vendor Rev",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.8",  "Date Code",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.9",  "Fiber Type",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.10", "Baud Rate",    integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.11.1.11", "Wave Length",  integer,    readonly,  nullptr},
    {},
};

constexpr VarDescriptor Table88Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.1",  "Index",        integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.2",  "Connect Type", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.3",  "Vendor Name",  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.4",  "Vendor PN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.5",  "Vendor SN",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.6",  "Vendor OUI",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.7",  "Vendor Rev",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.8",  "Date Code",    displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.9",  "Fiber Type",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.10", "Baud Rate",    integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.11.1.11", "Wave Length",  integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.9.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Trunk Basic Information" as SVT_SV.
constexpr VarDescriptor Table89Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.1", "Max. Supported Entries", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.2", "Current Entries Number", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.4", "Algorithm",              integer, readwrite, &CommonAlgorithmOptions},
    {},
};

constexpr VarDescriptor Table89Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.1", "Max. Supported Entries", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.2", "Current Entries Number", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.4", "Algorithm",              integer, readwrite, &CommonAlgorithmOptions},
    {},
};

constexpr VarDescriptor Table89Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.1", "Max. Supported Entries", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.2", "Current Entries Number", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.4", "Algorithm",              integer, readwrite, &CommonAlgorithmOptions},
    {},
};

constexpr VarDescriptor Table89Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.1", "Max. Supported Entries", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.2", "Current Entries Number", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.4", "Algorithm",              integer, readwrite, &CommonAlgorithmOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.9.5.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "LACP Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table90Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.5.1.1", "Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.5.1.2", "State", integer, readwrite, &CommonStateOptions},
    {},
};

constexpr VarDescriptor Table90Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.5.1.1", "Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.5.1.2", "State", integer, readwrite, &CommonStateOptions},
    {},
};

constexpr VarDescriptor Table90Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.5.1.1", "Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.5.1.2", "State", integer, readwrite, &CommonStateOptions},
    {},
};

constexpr VarDescriptor Table90Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.5.1.1", "Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.5.1.2", "State", integer, readwrite, &CommonStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.9.3.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TPortTrunkForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table91Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.3.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.3.1.3", "Master Port",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.3.1.4", "Member Ports",   bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.3.1.5", "Flooding Ports", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.3.1.6", "Trunk Type",     integer, readwrite, &CommonTrunkTypeOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.3.1.7", "Trunk State",    integer, readwrite, &CommonTrunkStateOptions},
    {},
};

constexpr VarDescriptor Table91Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.3.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.3.1.3", "Master Port",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.3.1.4", "Member Ports",   bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.3.1.5", "Flooding Ports", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.3.1.6", "Trunk Type",     integer, readwrite, &CommonTrunkTypeOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.3.1.7", "Trunk State",    integer, readwrite, &CommonTrunkStateOptions},
    {},
};

constexpr VarDescriptor Table91Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.3.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.3.1.3", "Master Port",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.3.1.4", "Member Ports",   bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.3.1.5", "Flooding Ports", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.3.1.6", "Trunk Type",     integer, readwrite, &CommonTrunkTypeOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.3.1.7", "Trunk State",    integer, readwrite, &CommonTrunkStateOptions},
    {},
};

constexpr VarDescriptor Table91Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.3.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.3.1.3", "Master Port",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.3.1.4", "Member Ports",   bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.3.1.5", "Flooding Ports", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.3.1.6", "Trunk Type",     integer, readwrite, &CommonTrunkTypeOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.3.1.7", "Trunk State",    integer, readwrite, &CommonTrunkStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.10.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TPortMirrorForm as SVT_SV.
constexpr VarDescriptor Table92Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.10.1", "Logic Target Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.10.2", "Source Ingress",    bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.10.3", "Source Egress",     bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.10.4", "State",             integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table92Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.10.1", "Logic Target Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.10.2", "Source Ingress",    bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.10.3", "Source Egress",     bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.10.4", "State",             integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table92Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.10.1", "Logic Target Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.10.2", "Source Ingress",    bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.10.3", "Source Egress",     bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.10.4", "State",             integer, readwrite, &DisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table92Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.10.1", "Logic Target Port", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.10.2", "Source Ingress",    bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.10.3", "Source Egress",     bitstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.10.4", "State",             integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.4.1
// Read by the window "DHCP Local Relay Global Settings" as SVT_SV.
constexpr VarDescriptor Table93[] = {
    {"1.3.6.1.4.1.171.12.42.4.1", "Global State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.4.2.1.1
// Read by the window "DHCP Local Relay VLAN Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table94[] = {
    {"1.3.6.1.4.1.171.12.42.4.2.1.1", "VLAN ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.4.2.1.2", "State",   integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.4.3.1.1
// Read by the window "DHCP Local Relay Option 82 Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table95[] = {
    {"1.3.6.1.4.1.171.12.42.4.3.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.42.4.3.1.2", "Policy",     integer, readwrite, &CommonPolicyOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.42.4.4
// Read by the window "DHCP Local Relay Option 82" as SVT_SV.
constexpr VarDescriptor Table96[] = {
    {"1.3.6.1.4.1.171.12.42.4.4", "Remote ID Type",  integer,    readwrite, &CommonRemoteIDType2Options},
    {"1.3.6.1.4.1.171.12.42.4.5", "Remote ID",       displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.42.4.6", "Circuit ID Type", integer,    readwrite, &CommonCircuitIDType2Options},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.3.6.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Port Counter Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table97Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.6.1.1", "Control Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.6.1.2", "Clear Control",      integer, readwrite, &OtherStartOptions},
    {},
};

constexpr VarDescriptor Table97Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.6.1.1", "Control Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.6.1.2", "Clear Control",      integer, readwrite, &OtherStartOptions},
    {},
};

constexpr VarDescriptor Table97Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.6.1.1", "Control Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.6.1.2", "Clear Control",      integer, readwrite, &OtherStartOptions},
    {},
};

constexpr VarDescriptor Table97Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.6.1.1", "Control Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.6.1.2", "Clear Control",      integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.3.7.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Port Error Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table98Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.7.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.7.1.2", "State",          integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.7.1.3", "Connect Status", integer, readonly,  &CommonConnectStatusOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.2.3.7.1.4", "Reason",         integer, readonly,  &CommonErrorDisabledReasonOptions},
    {},
};

constexpr VarDescriptor Table98Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.7.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.7.1.2", "State",          integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.7.1.3", "Connect Status", integer, readonly,  &CommonConnectStatusOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.2.3.7.1.4", "Reason",         integer, readonly,  &CommonErrorDisabledReasonOptions},
    {},
};

constexpr VarDescriptor Table98Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.7.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.7.1.2", "State",          integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.7.1.3", "Connect Status", integer, readonly,  &CommonConnectStatusOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.2.3.7.1.4", "Reason",         integer, readonly,  &CommonErrorDisabledReasonOptions},
    {},
};

constexpr VarDescriptor Table98Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.7.1.1", "Index",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.7.1.2", "State",          integer, readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.7.1.3", "Connect Status", integer, readonly,  &CommonConnectStatusOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.2.3.7.1.4", "Reason",         integer, readonly,  &CommonErrorDisabledReasonOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.87.1.1.1.1
// Read by the window "QULD Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table99[] = {
    {"1.3.6.1.4.1.171.12.87.1.1.1.1", "Port",            integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.87.1.1.1.2", "Admin State",     integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.87.1.1.1.3", "Operation State", integer, readonly,  &CommonOperationStateOptions},
    {"1.3.6.1.4.1.171.12.87.1.1.1.4", "Mode",            integer, readwrite, &CommonModeOptions},
    {"1.3.6.1.4.1.171.12.87.1.1.1.5", "Discovery Time",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.87.1.1.1.6", "Link State",      integer, readonly,  &CommonLinkStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.11.13.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "IGMP Snooping Access Authentication Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table100Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.11.13.1.1", "Port",  integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.11.13.1.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table100Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.11.13.1.1", "Port",  integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.11.13.1.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table100Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.11.13.1.1", "Port",  integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.11.13.1.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table100Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.11.13.1.1", "Port",  integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.11.13.1.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.59.1.3.1.1
// Read by the window "DoS Prevention Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table101[] = {
    {"1.3.6.1.4.1.171.12.59.1.3.1.1", "Type",          integer, notaccess, &CommonDosAttackTypeOptions},
    {"1.3.6.1.4.1.171.12.59.1.3.1.2", "Control State", integer, readwrite, &EnableDisableOptions},
    {"1.3.6.1.4.1.171.12.59.1.3.1.3", "Action Type",   integer, readwrite, &CommonActionTypeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.59.1.4
// Read by the window "DoS Prevention Control Information Settings" as SVT_SV.
constexpr VarDescriptor Table102[] = {
    {"1.3.6.1.4.1.171.12.59.1.4", "Trap State",       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.59.1.5", "Log State",        integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.59.1.6", "Function Version", displaystr, readonly,  nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
    {Table18}, {Table19}, {Table20}, {Table21}, {Table22}, {Table23}, {Table24}, {Table25},
    {Table26}, {Table27}, {Table28}, {Table29}, {Table30}, {Table31}, {Table32}, {Table33},
    {Table34}, {Table35}, {Table36}, {Table37}, {Table38}, {Table39}, {Table40}, {Table41},
    {Table42}, {Table43}, {Table44}, {Table45}, {Table46}, {Table47}, {Table48}, {Table49},
    {Table50}, {Table51}, {Table52}, {Table53}, {Table54}, {Table55}, {Table56}, {Table57},
    {Table58}, {Table59}, {Table60}, {Table61}, {Table62}, {Table63}, {Table64}, {Table65},
    {Table66}, {Table67}, {Table68}, {Table69}, {Table70}, {Table71}, {Table72}, {Table73},
    {Table74}, {Table75}, {Table76}, {Table77}, {Table78Model1, 1}, {Table78Model2, 2},
    {Table78Model3, 3}, {Table78Model4, 4}, {Table79Model1, 1}, {Table79Model2, 2},
    {Table79Model3, 3}, {Table79Model4, 4}, {Table80Model1, 1}, {Table80Model2, 2},
    {Table80Model3, 3}, {Table80Model4, 4}, {Table81Model1, 1}, {Table81Model2, 2},
    {Table81Model3, 3}, {Table81Model4, 4}, {Table82Model1, 1}, {Table82Model2, 2},
    {Table82Model3, 3}, {Table82Model4, 4}, {Table83Model1, 1}, {Table83Model2, 2},
    {Table83Model3, 3}, {Table83Model4, 4}, {Table84Model1, 1}, {Table84Model2, 2},
    {Table84Model3, 3}, {Table84Model4, 4}, {Table85Model1, 1}, {Table85Model2, 2},
    {Table85Model3, 3}, {Table85Model4, 4}, {Table86Model1, 1}, {Table86Model2, 2},
    {Table86Model3, 3}, {Table86Model4, 4}, {Table87Model1, 1}, {Table87Model2, 2},
    {Table87Model3, 3}, {Table87Model4, 4}, {Table88Model1, 1}, {Table88Model2, 2},
    {Table88Model3, 3}, {Table88Model4, 4}, {Table89Model1, 1}, {Table89Model2, 2},
    {Table89Model3, 3}, {Table89Model4, 4}, {Table90Model1, 1}, {Table90Model2, 2},
    {Table90Model3, 3}, {Table90Model4, 4}, {Table91Model1, 1}, {Table91Model2, 2},
    {Table91Model3, 3}, {Table91Model4, 4}, {Table92Model1, 1}, {Table92Model2, 2},
    {Table92Model3, 3}, {Table92Model4, 4}, {Table93}, {Table94}, {Table95}, {Table96},
    {Table97Model1, 1}, {Table97Model2, 2}, {Table97Model3, 3}, {Table97Model4, 4},
    {Table98Model1, 1}, {Table98Model2, 2}, {Table98Model3, 3}, {Table98Model4, 4}, {Table99},
    {Table100Model1, 1}, {Table100Model2, 2}, {Table100Model3, 3}, {Table100Model4, 4}, {Table101},
    {Table102},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &TrueFalseOptions, &DisabledEnabledOptions,
    &OtherStartOptions, &NoneStartOptions, &OtherDisabledEnabledOptions, &Disabled1Enabled2Options,
    &StringHexOptions, &EnableDisableOptions, &Dot1dDot1adOptions, &CommonSTPVersionOptions,
    &CommonAdministrationEdgePortOptions, &CommonAdministrationP2POptions,
    &CommonStpPortStatusOptions, &CommonStpPortRoleOptions, &CommonFirmwareDownloadStatusOptions,
    &CommonTrapControlOptions, &CommonTcpConnStateOptions, &CommonLoginMethodTypeOptions,
    &CommonEnableMethodTypeOptions, &CommonEntityClassOptions, &CommonRingPortStateOptions,
    &CommonRPLPortOptions, &CommonPolicyOptions, &CommonCircuitIDTypeOptions,
    &CommonDefaultModeOptions, &CommonMatchTypeOptions, &CommonCablePairStatusOptions,
    &CommonMediumTypeOptions, &CommonPortTypeOptions, &CommonNwayStatusOptions,
    &CommonErrorDisabledOptions, &CommonNwayStateOptions, &CommonRemoteFaultAdvertisedOptions,
    &CommonAlgorithmOptions, &CommonErrorDisabledReasonOptions, &CommonDosAttackTypeOptions,
    &CommonTypeOptions, &CommonStatusOptions, &CommonBridgeTypeOptions, &CommonSystemResetOptions,
    &CommonType2Options, &CommonProtocolCapabilityOptions, &CommonConsoleStatusOptions,
    &CommonOutOfBandBaudRateConfigurationOptions, &CommonAutoLogoutConfigurationOptions,
    &CommonActionOptions, &CommonControlIDOptions, &CommonAction2Options, &CommonGetIPFromOptions,
    &CommonMessageVersionOptions, &CommonType3Options, &CommonStatus2Options,
    &CommonSecurityModuleOptions, &CommonPromiscuousModeOptions, &CommonForwardingOptions,
    &CommonControlOptions, &CommonStatus3Options,
    &CommonRetransmittingUnacknowledgedOctetsAlgorithmOptions, &CommonCircuitIDOptions,
    &CommonRingStateOptions, &CommonRAPSRPLOwnerOperationStatusOptions, &CommonRAPSRevertiveOptions,
    &CommonType4Options, &CommonRemoteIDTypeOptions, &CommonClientTypeOptions, &CommonType5Options,
    &CommonLinkStatusOptions, &CommonAction3Options, &CommonStatus4Options, &CommonType6Options,
    &CommonTrapControl2Options, &CommonActionStatusOptions, &CommonShutdownForeverOptions,
    &CommonCleanAllStatisticCounterOptions, &CommonVLANModeOptions, &CommonLinkStatus2Options,
    &CommonMDIXStateOptions, &CommonAutoNegotiationRestartOptions, &CommonConfigurationOptions,
    &CommonStateOptions, &CommonTrunkTypeOptions, &CommonTrunkStateOptions,
    &CommonRemoteIDType2Options, &CommonCircuitIDType2Options, &CommonConnectStatusOptions,
    &CommonOperationStateOptions, &CommonModeOptions, &CommonLinkStateOptions,
    &CommonActionTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
    OtherDisabledEnabledOptions.Init(OtherDisabledEnabledItems, 1, false);
    Disabled1Enabled2Options.Init(Disabled1Enabled2Items, 1, false);
    StringHexOptions.Init(StringHexItems, 1, false);
    EnableDisableOptions.Init(EnableDisableItems, 1, false);
    Dot1dDot1adOptions.Init(Dot1dDot1adItems, 1, false);
    CommonSTPVersionOptions.Init(CommonSTPVersionItems, 1, false);
    CommonAdministrationEdgePortOptions.Init(CommonAdministrationEdgePortItems, 1, false);
    CommonAdministrationP2POptions.Init(CommonAdministrationP2PItems, 1, false);
    CommonStpPortStatusOptions.Init(CommonStpPortStatusItems, 1, false);
    CommonStpPortRoleOptions.Init(CommonStpPortRoleItems, 1, false);
    CommonFirmwareDownloadStatusOptions.Init(CommonFirmwareDownloadStatusItems, 1, false);
    CommonTrapControlOptions.Init(CommonTrapControlItems, 1, false);
    CommonTcpConnStateOptions.Init(CommonTcpConnStateItems, 1, false);
    CommonLoginMethodTypeOptions.Init(CommonLoginMethodTypeItems, 1, false);
    CommonEnableMethodTypeOptions.Init(CommonEnableMethodTypeItems, 1, false);
    CommonEntityClassOptions.Init(CommonEntityClassItems, 1, false);
    CommonRingPortStateOptions.Init(CommonRingPortStateItems, 1, false);
    CommonRPLPortOptions.Init(CommonRPLPortItems, 1, false);
    CommonPolicyOptions.Init(CommonPolicyItems, 1, false);
    CommonCircuitIDTypeOptions.Init(CommonCircuitIDTypeItems, 1, false);
    CommonDefaultModeOptions.Init(CommonDefaultModeItems, 1, false);
    CommonMatchTypeOptions.Init(CommonMatchTypeItems, 1, false);
    CommonCablePairStatusOptions.Init(CommonCablePairStatusItems, 1, false);
    CommonMediumTypeOptions.Init(CommonMediumTypeItems, 1, false);
    CommonPortTypeOptions.Init(CommonPortTypeItems, 1, false);
    CommonNwayStatusOptions.Init(CommonNwayStatusItems, 1, false);
    CommonErrorDisabledOptions.Init(CommonErrorDisabledItems, 1, false);
    CommonNwayStateOptions.Init(CommonNwayStateItems, 1, false);
    CommonRemoteFaultAdvertisedOptions.Init(CommonRemoteFaultAdvertisedItems, 1, false);
    CommonAlgorithmOptions.Init(CommonAlgorithmItems, 1, false);
    CommonErrorDisabledReasonOptions.Init(CommonErrorDisabledReasonItems, 1, false);
    CommonDosAttackTypeOptions.Init(CommonDosAttackTypeItems, 1, false);
    CommonTypeOptions.Init(CommonTypeItems, 1, false);
    CommonStatusOptions.Init(CommonStatusItems, 1, false);
    CommonBridgeTypeOptions.Init(CommonBridgeTypeItems, 1, false);
    CommonSystemResetOptions.Init(CommonSystemResetItems, 1, false);
    CommonType2Options.Init(CommonType2Items, 1, false);
    CommonProtocolCapabilityOptions.Init(CommonProtocolCapabilityItems, 1, false);
    CommonConsoleStatusOptions.Init(CommonConsoleStatusItems, 1, false);
    CommonOutOfBandBaudRateConfigurationOptions.Init(CommonOutOfBandBaudRateConfigurationItems, 1, false);
    CommonAutoLogoutConfigurationOptions.Init(CommonAutoLogoutConfigurationItems, 1, false);
    CommonActionOptions.Init(CommonActionItems, 1, false);
    CommonControlIDOptions.Init(CommonControlIDItems, 1, false);
    CommonAction2Options.Init(CommonAction2Items, 1, false);
    CommonGetIPFromOptions.Init(CommonGetIPFromItems, 1, false);
    CommonMessageVersionOptions.Init(CommonMessageVersionItems, 1, false);
    CommonType3Options.Init(CommonType3Items, 1, false);
    CommonStatus2Options.Init(CommonStatus2Items, 1, false);
    CommonSecurityModuleOptions.Init(CommonSecurityModuleItems, 1, false);
    CommonPromiscuousModeOptions.Init(CommonPromiscuousModeItems, 1, false);
    CommonForwardingOptions.Init(CommonForwardingItems, 1, false);
    CommonControlOptions.Init(CommonControlItems, 1, false);
    CommonStatus3Options.Init(CommonStatus3Items, 1, false);
    CommonRetransmittingUnacknowledgedOctetsAlgorithmOptions.Init(CommonRetransmittingUnacknowledgedOctetsAlgorithmItems, 1, false);
    CommonCircuitIDOptions.Init(CommonCircuitIDItems, 1, false);
    CommonRingStateOptions.Init(CommonRingStateItems, 1, false);
    CommonRAPSRPLOwnerOperationStatusOptions.Init(CommonRAPSRPLOwnerOperationStatusItems, 1, false);
    CommonRAPSRevertiveOptions.Init(CommonRAPSRevertiveItems, 1, false);
    CommonType4Options.Init(CommonType4Items, 1, false);
    CommonRemoteIDTypeOptions.Init(CommonRemoteIDTypeItems, 1, false);
    CommonClientTypeOptions.Init(CommonClientTypeItems, 1, false);
    CommonType5Options.Init(CommonType5Items, 1, false);
    CommonLinkStatusOptions.Init(CommonLinkStatusItems, 1, false);
    CommonAction3Options.Init(CommonAction3Items, 1, false);
    CommonStatus4Options.Init(CommonStatus4Items, 1, false);
    CommonType6Options.Init(CommonType6Items, 1, false);
    CommonTrapControl2Options.Init(CommonTrapControl2Items, 1, false);
    CommonActionStatusOptions.Init(CommonActionStatusItems, 1, false);
    CommonShutdownForeverOptions.Init(CommonShutdownForeverItems, 1, false);
    CommonCleanAllStatisticCounterOptions.Init(CommonCleanAllStatisticCounterItems, 1, false);
    CommonVLANModeOptions.Init(CommonVLANModeItems, 1, false);
    CommonLinkStatus2Options.Init(CommonLinkStatus2Items, 1, false);
    CommonMDIXStateOptions.Init(CommonMDIXStateItems, 1, false);
    CommonAutoNegotiationRestartOptions.Init(CommonAutoNegotiationRestartItems, 1, false);
    CommonConfigurationOptions.Init(CommonConfigurationItems, 1, false);
    CommonStateOptions.Init(CommonStateItems, 1, false);
    CommonTrunkTypeOptions.Init(CommonTrunkTypeItems, 1, false);
    CommonTrunkStateOptions.Init(CommonTrunkStateItems, 1, false);
    CommonRemoteIDType2Options.Init(CommonRemoteIDType2Items, 1, false);
    CommonCircuitIDType2Options.Init(CommonCircuitIDType2Items, 1, false);
    CommonConnectStatusOptions.Init(CommonConnectStatusItems, 1, false);
    CommonOperationStateOptions.Init(CommonOperationStateItems, 1, false);
    CommonModeOptions.Init(CommonModeItems, 1, false);
    CommonLinkStateOptions.Init(CommonLinkStateItems, 1, false);
    CommonActionTypeOptions.Init(CommonActionTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    CommonActionTypeOptions.Free();
    CommonLinkStateOptions.Free();
    CommonModeOptions.Free();
    CommonOperationStateOptions.Free();
    CommonConnectStatusOptions.Free();
    CommonCircuitIDType2Options.Free();
    CommonRemoteIDType2Options.Free();
    CommonTrunkStateOptions.Free();
    CommonTrunkTypeOptions.Free();
    CommonStateOptions.Free();
    CommonConfigurationOptions.Free();
    CommonAutoNegotiationRestartOptions.Free();
    CommonMDIXStateOptions.Free();
    CommonLinkStatus2Options.Free();
    CommonVLANModeOptions.Free();
    CommonCleanAllStatisticCounterOptions.Free();
    CommonShutdownForeverOptions.Free();
    CommonActionStatusOptions.Free();
    CommonTrapControl2Options.Free();
    CommonType6Options.Free();
    CommonStatus4Options.Free();
    CommonAction3Options.Free();
    CommonLinkStatusOptions.Free();
    CommonType5Options.Free();
    CommonClientTypeOptions.Free();
    CommonRemoteIDTypeOptions.Free();
    CommonType4Options.Free();
    CommonRAPSRevertiveOptions.Free();
    CommonRAPSRPLOwnerOperationStatusOptions.Free();
    CommonRingStateOptions.Free();
    CommonCircuitIDOptions.Free();
    CommonRetransmittingUnacknowledgedOctetsAlgorithmOptions.Free();
    CommonStatus3Options.Free();
    CommonControlOptions.Free();
    CommonForwardingOptions.Free();
    CommonPromiscuousModeOptions.Free();
    CommonSecurityModuleOptions.Free();
    CommonStatus2Options.Free();
    CommonType3Options.Free();
    CommonMessageVersionOptions.Free();
    CommonGetIPFromOptions.Free();
    CommonAction2Options.Free();
    CommonControlIDOptions.Free();
    CommonActionOptions.Free();
    CommonAutoLogoutConfigurationOptions.Free();
    CommonOutOfBandBaudRateConfigurationOptions.Free();
    CommonConsoleStatusOptions.Free();
    CommonProtocolCapabilityOptions.Free();
    CommonType2Options.Free();
    CommonSystemResetOptions.Free();
    CommonBridgeTypeOptions.Free();
    CommonStatusOptions.Free();
    CommonTypeOptions.Free();
    CommonDosAttackTypeOptions.Free();
    CommonErrorDisabledReasonOptions.Free();
    CommonAlgorithmOptions.Free();
    CommonRemoteFaultAdvertisedOptions.Free();
    CommonNwayStateOptions.Free();
    CommonErrorDisabledOptions.Free();
    CommonNwayStatusOptions.Free();
    CommonPortTypeOptions.Free();
    CommonMediumTypeOptions.Free();
    CommonCablePairStatusOptions.Free();
    CommonMatchTypeOptions.Free();
    CommonDefaultModeOptions.Free();
    CommonCircuitIDTypeOptions.Free();
    CommonPolicyOptions.Free();
    CommonRPLPortOptions.Free();
    CommonRingPortStateOptions.Free();
    CommonEntityClassOptions.Free();
    CommonEnableMethodTypeOptions.Free();
    CommonLoginMethodTypeOptions.Free();
    CommonTcpConnStateOptions.Free();
    CommonTrapControlOptions.Free();
    CommonFirmwareDownloadStatusOptions.Free();
    CommonStpPortRoleOptions.Free();
    CommonStpPortStatusOptions.Free();
    CommonAdministrationP2POptions.Free();
    CommonAdministrationEdgePortOptions.Free();
    CommonSTPVersionOptions.Free();
    Dot1dDot1adOptions.Free();
    EnableDisableOptions.Free();
    StringHexOptions.Free();
    Disabled1Enabled2Options.Free();
    OtherDisabledEnabledOptions.Free();
    NoneStartOptions.Free();
    OtherStartOptions.Free();
    DisabledEnabledOptions.Free();
    TrueFalseOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_common", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_common
