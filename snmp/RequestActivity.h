#pragma once
// What every request of the program is doing: the asynchronous exchanges sent and not yet
// answered (nor dropped), and the reads begun, synchronous or not, sent or refused. Something
// that waits for the module to fall quiet after a window opened (a test driving every window)
// watches these; no window reads them.

#include <cstddef>
#include <cstdint>

class RequestActivity {
public:
    // Counted where the requests keep their outstanding answers (AsyncRequest.cpp).
    static std::size_t OutstandingExchanges();
    static std::uint64_t ReadsBegun() { return readsBegun_; }

    // Every first read of a request calls this as it starts.
    static void ReadBegun() { ++readsBegun_; }

private:
    static inline std::uint64_t readsBegun_ = 0;
};
