#pragma once
// The Telnet and Web, SSL and method list windows against a simulated Sorvane-Kb switch serving
// tests/support/data/management-access.dat, one switch per test.

#include "IPWindowsFixture.h"

#include <string>
#include <vector>

class ManagementAccessWindowTest : public IPWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"management-access.dat"}; }

    // The octets of a text as the SET journal writes them.
    static std::string Hex(const std::string& text)
    {
        static const char digits[] = "0123456789ABCDEF";
        std::string hex;
        for (unsigned char c : text) {
            hex += digits[c >> 4];
            hex += digits[c & 15];
        }
        return hex;
    }
    // The instance of a text key: its length, then its characters.
    static std::string Key(const std::string& text)
    {
        std::string key = std::to_string(text.size());
        for (unsigned char c : text)
            key += "." + std::to_string(c);
        return key;
    }
};
