#pragma once
// What the two IP-MAC-port binding windows share (IPMACBindingForm.h for IPv4 addresses,
// IPMACBindingIPv6Form.h for IPv6 addresses): the bindings of an address to a MAC address and a
// set of ports, listed, added, edited and deleted in the editors below the list. The request is
// synchronous, so the window never shows a read under way; a click while the request is busy
// does nothing.
//
// A write leaves the Ports column out when no port box of any unit is ticked. After a write the
// switch accepted, the table is read again and the editors are emptied; after one it refused
// (its message box shown by the request), the table is read again and the editors keep what the
// user typed.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include <QPointer>

#include <memory>
#include <string>

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
class PageControl;
} // namespace ui

class IPMACBindingFrame : public WindowLifecycle {
public:
    // Status combo indices of the row status option list (value - 1).
    static constexpr int CreateAndGoIndex = 3;
    static constexpr int DestroyIndex = 5;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void btnAddClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

protected:
    // The layout's components.
    struct Components {
        ui::ListView* ListView1;
        ui::Edit* edtIpAddr;
        ui::Edit* edtMacAddr;
        ui::PageControl* PageControl1;
        ui::Label* RowCount;
        ui::Button* btnGet;
        ui::Button* btnAdd;
        ui::Button* btnEdit;
        ui::Button* btnDelete;
        ui::Button* btnClose;
        ui::ComboBox* ComboStatus;
    };
    // The table and how the window binds and writes it.
    struct Binding {
        const char* KeyOid;         // the table's first column
        const char* AddressRule;    // the input rule of the address edit
        const char* PortsTab;       // the caption of the port picker's tab
        int PortsItem;
        int StatusItem;
        bool DeleteSendsStatusAlone; // else MAC and Ports go out with destroy
    };

    IPMACBindingFrame(ui::Form* form, const Binding& binding, WindowVariants variants);
    // Once the layout is built: the window scaled and its handlers set.
    void UseComponents(const Components& components);

    // The address check of Add and Edit, with its message.
    virtual bool CheckAddress() = 0;

    static constexpr int MacItem = 1;

private:
    // The checks of Add and Edit, each moving the focus to the edit it refuses.
    bool CheckInputs();
    // One write of the row as the editors hold it, Ports left out without a ticked box.
    void WriteRow(bool statusAlone);
    // The table read again; Edit and Delete disabled, the address edit enabled; with
    // emptyEditors both edits emptied and every port box unticked.
    void ReadTable(bool emptyEditors);
    // Edit and Delete disabled, the address edit enabled, both edits emptied.
    void NoSelection();
    bool AnyPortTicked() const;

    ui::Form* form_;
    Binding binding_;
    Components c_{};
};
