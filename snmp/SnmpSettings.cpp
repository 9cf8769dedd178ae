#include "snmp/SnmpSettings.h"

MvSNMPDevice DefaultDevice;
MvSNMPScope DefaultScope;
MvSNMPSecurity DefaultSecurity;
int DefaultTimeout = 0;
int TimeoutCeiling = 0;
