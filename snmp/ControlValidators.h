#pragma once
// The address and number checks applied to a control: each reads the control's text and answers
// whether it passes. Those with a refusal text of their own show it in a message box captioned
// with the application title; the others are silent, and their callers speak for them. All have
// the signature of a rule's check function (EditCheck, EditConstraint.h), and none changes the
// control. The checks of the texts themselves are in Validators.h.

class QWidget;

// "Please input a valid IP." on refusal.
bool ValidateIPv4Text(QWidget* control);
bool IsMulticastIPv4Text(QWidget* control);
// "Please enter a valid IPv6 address whose length is 32 without ':'." on refusal.
bool ValidateIPv6Text(QWidget* control);
bool IsValidMACText(QWidget* control);
bool IsMulticastMACText(QWidget* control);
bool IsUnicastMACText(QWidget* control);
bool IsValidSubnetMaskText(QWidget* control);
// "Pleaase Input a Number between 60 and 1000000 or 0." on refusal.
bool CheckRecoverTimerText(QWidget* control);
// "Pleaase Input a Number between 64-10240000 or 0." on refusal.
bool CheckRateLimitText(QWidget* control);
