#include "features/common/SynchronousWrite.h"

#include "snmp/Request2Controls.h"

SynchronousWrite::SynchronousWrite(MvSNMPRequest2Controls& request) : request_(request), mode_(request.Mode)
{
    request_.Mode = 0;
}

SynchronousWrite::~SynchronousWrite()
{
    request_.Mode = mode_;
}
