#pragma once
// The exceptions of the framework. Building a request (address, PDU, index, value conversion)
// and the other failures of the framework's own raise Exception with the message text and the
// negative code as its help context; failed SNMP exchanges are results, never exceptions.

#include "ui/Guard.h"

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
public:
    explicit Exception(std::string message, int helpContext = 0)
        : message_(std::move(message)), helpContext_(helpContext) {}

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }
    // The framework's code (-1, -2, -501 ... -528) for its own failures, 0 otherwise.
    int HelpContext() const noexcept { return helpContext_; }

private:
    std::string message_;
    int helpContext_;
};

// A text that does not convert to a number or a date-time value.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A value text that cannot be encoded as its syntax says: the bad-value error (-518), raised
// before anything is sent. Item is the variable-list item the text was meant for (-1 while not
// known); Syntax the syntax it was read in (a part's own syntax for a part of a value).
class EBadValue : public Exception {
public:
    EBadValue(std::string message, int item, std::int32_t syntax)
        : Exception(std::move(message), -518), item_(item), syntax_(syntax) {}

    int Item() const noexcept { return item_; }
    std::int32_t Syntax() const noexcept { return syntax_; }

private:
    int item_;
    std::int32_t syntax_;
};

// A text its edit's input rule refused, kept as typed and told to the user again as a write
// starts: the bad-value error, already shown.
class EInputRefused : public EBadValue, public ui::AlreadyTold {
public:
    using EBadValue::EBadValue;
};
