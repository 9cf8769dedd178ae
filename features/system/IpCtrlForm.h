#pragma once
// The IP interface window (Layer 3 > IP Management > IP Control Table): the IP interfaces of the
// switch's model table. Add and Edit open the dialog TIPCtrlEdtForm, whose check boxes choose the
// columns a write carries; Delete destroys the selected interface, other than "System", with a
// synchronous write. The window is built on the form kit's base (its column lists hold the
// dialog's controls) and follows the list window frame (ListWindowFrame.h) with DataComplete, its
// close guard and Stop.

#include "features/common/SkippedColumns.h"
#include "features/system/ListWindowFrame.h"

#include "gui/BasicForm.h"

#include "ui_IpCtrlForm.h"

class TIpCtrlForm : public TBasicForm, public Ui::IpCtrlForm, public ListWindowFrame {
public:
    // Items of the IP interface table that the window names.
    enum Item { InterfaceNameItem = 0, IPAddressItem = 2, SubnetMaskItem = 3, VlanNameItem = 4, StateItem = 15 };
    // The dialog's modes.
    enum DialogMode { AddMode = 0, EditMode = 1 };
    // Indices of the State combo box: "createAndGo" and "destroy".
    enum StateIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };
    // The interface the switch keeps.
    static constexpr const char* SystemInterface = "System";

    explicit TIpCtrlForm(QWidget* owner = nullptr);
    ~TIpCtrlForm() override;

    // The flags of every column as the table gives them, taken when the request was made; every
    // write puts them back.
    SavedColumnFlags SavedFlags;

    void FormCreate(QObject* sender);
    void btnRefreshClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void ListView1DblClick(QObject* sender);
    void btnDelClick(QObject* sender);
    void btnStopClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The end of every read: Add on, Delete off, the window idle.
    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;

    // The dialog's caption of a mode.
    static std::string DialogCaption(const std::string& mode);
};

// The window while its menu handler shows it.
extern TIpCtrlForm* IpCtrlForm;
