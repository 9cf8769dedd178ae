// Texts in a code page of their own: Shift-JIS octets read as the program's text and written back
// as the same octets; what the code page cannot hold is refused, not garbled.
#include "snmp/Exception.h"
#include "snmp/TextCodec.h"

#include <gtest/gtest.h>

namespace {

const std::string Tesuto = "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88"; // katakana "tesuto" in UTF-8
const std::string TesutoShiftJis = "\x83\x65\x83\x58\x83\x67";

TEST(TextCodec, ShiftJisOctetsReadAndWrittenBack)
{
    EXPECT_EQ(DecodeText(TesutoShiftJis, "Shift_JIS"), Tesuto);
    EXPECT_EQ(EncodeText(Tesuto, "Shift_JIS"), TesutoShiftJis);
    EXPECT_EQ(DecodeText("Login 1", "Shift_JIS"), "Login 1");
    EXPECT_EQ(EncodeText("", "Shift_JIS"), "");
}

TEST(TextCodec, WhatTheCodePageCannotHoldIsRefused)
{
    EXPECT_THROW(EncodeText("\xED\x95\x9C", "Shift_JIS"), Exception) << "a Hangul syllable";
    EXPECT_THROW(DecodeText("text", "no-such-code-page"), Exception);
    EXPECT_THROW(EncodeText("text", "no-such-code-page"), Exception);
}

} // namespace
