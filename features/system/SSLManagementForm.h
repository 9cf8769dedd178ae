#pragma once
// The SSL window (Security > SSL > Global Settings): the SSL status, the enabled cipher suites
// and the cache time-out, three scalars the same on every model. The cipher suites travel as one
// octet of bits (the four suites in its four high bits); the window shows one enabled/disabled
// choice per suite, decodes the octet after every good read and builds it again before Set,
// which writes the three scalars in one SET. The request is asynchronous; a Refresh while a read
// runs takes that read's place.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_SSLManagementForm.h"

#include <array>
#include <memory>
#include <string>

class TSSLManagementForm : public ui::Form, public Ui::SSLManagementForm, public WindowLifecycle {
public:
    enum Item { StatusItem, CipherSuitesItem, CacheTimeoutItem };
    // The weight of each suite's combo box in the first hexadecimal digit of the value.
    static constexpr std::array<int, 4> SuiteWeights = {8, 4, 2, 1};
    static constexpr int EnabledIndex = 1;

    explicit TSSLManagementForm(QWidget* owner = nullptr);
    ~TSSLManagementForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btn1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // After a read: a good one shows the suites of the value it brought.
    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;

    // The value's octet as two hexadecimal digits into the four suite choices; a value of any
    // other length, or a first digit that is no hexadecimal digit, leaves them as they are.
    void DecodeCipherSuites();
    // The four choices as the value's two hexadecimal digits ("F0" for all four).
    void EncodeCipherSuites();

private:
    std::array<ui::ComboBox*, 4> SuiteCombos() const;
};

// The window while its menu handler shows it.
extern TSSLManagementForm* SSLManagementForm;
