#pragma once
// The protocol VLAN group window (Layer 2 > VLAN > Protocol VLAN > Group Table): each group maps
// a frame encapsulation and a protocol value to a protocol group number. The user lists the
// groups, adds one and deletes the selected one; a group is never changed in place. The request is
// synchronous: every read and write holds the window until the switch answered or timed out.
// The protocol value is typed as up to four hexadecimal digits ("0800"), two to an octet.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_ProtocolVLANGroupForm.h"

#include <memory>

class TProtocolVLANGroupForm : public ui::Form, public Ui::ProtocolVLANGroupForm, public WindowLifecycle {
public:
    // Items of the request, and the row status combo's indices.
    enum Item { FrameTypeItem, ProtocolValueItem, GroupIdItem, RowStatusItem };
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 1, DestroyIndex = 2 };

    explicit TProtocolVLANGroupForm(QWidget* owner = nullptr);
    ~TProtocolVLANGroupForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void AddButtonClick(QObject* sender);
    void DeleteButtonClick(QObject* sender);
    void btn1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void ListView1Click(QObject* sender);

private:
    void ResetInputs();
    // The key and group editors and Add on, Delete off; or the opposite while a row is selected.
    void EditorsFor(bool rowSelected);
    // Refresh's steps: the table read, the editors back to a new group.
    void ReadTable();
    // Add's checks, each ending the action with its message.
    bool CheckNewGroup();
};

// The window while its menu handler shows it.
extern TProtocolVLANGroupForm* ProtocolVLANGroupForm;
