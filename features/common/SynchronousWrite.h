#pragma once
// A request made synchronous for one write. A window whose request reads asynchronously may
// write one row synchronously: the write has been answered (and a refusal shown) when Set
// returns. The mode the request had comes back when the scope ends, on every path, so that an
// exception of the write never leaves the window reading and writing synchronously:
//
//     {
//         SkippedColumns skipped(Request->Request.VarList);   // the flags back
//         SynchronousWrite synchronous(*Request);              // the mode back
//         skipped.KeepOnly(StatusItem);
//         Write(*Request);
//     }
//     Read(*Request);

#include <cstdint>

class MvSNMPRequest2Controls;

class SynchronousWrite {
public:
    explicit SynchronousWrite(MvSNMPRequest2Controls& request);
    ~SynchronousWrite();
    SynchronousWrite(const SynchronousWrite&) = delete;
    SynchronousWrite& operator=(const SynchronousWrite&) = delete;

private:
    MvSNMPRequest2Controls& request_;
    std::uint8_t mode_;
};
