#pragma once
// One exchange of an asynchronous window's request made synchronously: a Delete that writes the
// status alone and reads again only once the switch has answered. The request is synchronous
// for the scope and gets its own mode back when the scope ends, on every path:
//
//     {
//         SynchronousScope synchronous(*Request);
//         Write(*Request);            // waits for the answer; a failure in its message box
//     }                               // asynchronous again

#include <cstdint>

class MvSNMPRequest2Controls;

class SynchronousScope {
public:
    explicit SynchronousScope(MvSNMPRequest2Controls& request);
    ~SynchronousScope();
    SynchronousScope(const SynchronousScope&) = delete;
    SynchronousScope& operator=(const SynchronousScope&) = delete;

private:
    MvSNMPRequest2Controls& request_;
    std::uint8_t savedMode_;
};
