#include "features/common/SynchronousScope.h"

#include "snmp/Request2Controls.h"

SynchronousScope::SynchronousScope(MvSNMPRequest2Controls& request) : request_(request), savedMode_(request.Mode)
{
    request_.Mode = 0;
}

SynchronousScope::~SynchronousScope()
{
    request_.Mode = savedMode_;
}
