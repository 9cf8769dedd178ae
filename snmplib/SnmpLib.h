#pragma once
// Everything the framework uses of the SNMP layer.

#include "snmplib/Address.h"
#include "snmplib/BootCounter.h"
#include "snmplib/OctetStr.h"
#include "snmplib/Oid.h"
#include "snmplib/Pdu.h"
#include "snmplib/SmiValues.h"
#include "snmplib/Snmp.h"
#include "snmplib/SnmpStatus.h"
#include "snmplib/Target.h"
#include "snmplib/Usm.h"
#include "snmplib/Vb.h"
