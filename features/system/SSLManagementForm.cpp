#include "features/system/SSLManagementForm.h"

#include "catalogue/CatalogueIndex.h"
#include "features/common/FieldChecks.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/MessageBox.h"

#include <cctype>

TSSLManagementForm* SSLManagementForm = nullptr;

namespace {

const char* const SslScalars = "1.3.6.1.4.1.171.12.7.1.1";
const char* const HexDigits = "0123456789ABCDEF";

// The value of a hexadecimal digit, or -1.
int DigitValue(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= '0' && upper <= '9')
        return upper - '0';
    if (upper >= 'A' && upper <= 'F')
        return upper - 'A' + 10;
    return -1;
}

} // namespace

TSSLManagementForm::TSSLManagementForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetBorderStyle(ui::bsSingle);
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    OnCreate = ui::Handler(this, &TSSLManagementForm::FormCreate);
    OnClose = ui::Handler(this, &TSSLManagementForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TSSLManagementForm::btnGetClick);
    btnSet->OnClick = ui::Handler(this, &TSSLManagementForm::btnSetClick);
    btn1->OnClick = ui::Handler(this, &TSSLManagementForm::btn1Click);
    DoCreate();
}

TSSLManagementForm::~TSSLManagementForm() { Request.reset(); }

std::array<ui::ComboBox*, 4> TSSLManagementForm::SuiteCombos() const
{
    return {cbxciphersuites1, cbxciphersuites2, cbxciphersuites3, cbxciphersuites4};
}

void TSSLManagementForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_ssl", SslScalars, "Status Administration");
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_ssl ") + SslScalars);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindComboBox(StatusItem, cbxSSLVersion);
        Request->BindEdits(CipherSuitesItem, "%s{l2}", edtciphersuites);
        Request->BindEdits(CacheTimeoutItem, "%i{n60x86400l5}", edtCacheTimeOut);
        Attach(*Request);
        Read(*Request);
    });
}

void TSSLManagementForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    // A failed read leaves the choices as they were, and says nothing.
    if (result.Code == 0)
        DecodeCipherSuites();
}

void TSSLManagementForm::DecodeCipherSuites()
{
    const std::string text = edtciphersuites->Text();
    if (text.size() != 2)
        return;
    const int digit = DigitValue(text[0]);
    if (digit < 0)
        return;
    const auto combos = SuiteCombos();
    for (std::size_t k = 0; k < combos.size(); ++k)
        combos[k]->SetItemIndex((digit & SuiteWeights[k]) != 0 ? EnabledIndex : 0);
}

void TSSLManagementForm::EncodeCipherSuites()
{
    int digit = 0;
    const auto combos = SuiteCombos();
    for (std::size_t k = 0; k < combos.size(); ++k)
        if (combos[k]->ItemIndex() == EnabledIndex)
            digit += SuiteWeights[k];
    edtciphersuites->SetText(std::string{HexDigits[digit], '0'});
}

void TSSLManagementForm::btnGetClick(QObject*)
{
    if (!Request)
        return;
    // A read still under way gives way to this one.
    Guarded([&] { Read(*Request); });
}

void TSSLManagementForm::btnSetClick(QObject*)
{
    if (!Request)
        return;
    bool empty = cbxSSLVersion->Text().empty() || edtCacheTimeOut->Text().empty();
    for (const ui::ComboBox* combo : SuiteCombos())
        empty = empty || combo->Text().empty();
    if (empty) {
        ui::MessageBox(this, "Some items are empty.", ui::mbOK, ui::miWarning);
        btnSet->setFocus();
        return;
    }
    if (!CheckNumberField(edtCacheTimeOut, "Cache Timeout", 60, 86400, this))
        return;
    EncodeCipherSuites();
    // The result comes back through the request's own report: a failure in a message box, a
    // success in the status line. Scalars are not read again after it.
    Guarded([&] { Write(*Request, true); });
}

void TSSLManagementForm::btn1Click(QObject*) { Close(); }

void TSSLManagementForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
