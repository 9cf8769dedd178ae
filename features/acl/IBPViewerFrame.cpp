#include "features/acl/IBPViewerFrame.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

#include <string>
#include <utility>

TIBPViewerFrame::TIBPViewerFrame(QWidget* owner, const IBPViewerSettings& settings)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true}), settings_(settings)
{
}

TIBPViewerFrame::~TIBPViewerFrame() { Request.reset(); }

void TIBPViewerFrame::UseComponents(IBPViewerComponents components)
{
    c_ = std::move(components);
    OnCreate = ui::Handler(this, &TIBPViewerFrame::FormCreate);
    OnClose = ui::Handler(this, &TIBPViewerFrame::FormClose);
    c_.RefreshButton->OnClick = ui::Handler(this, &TIBPViewerFrame::RefreshClick);
    c_.CloseButton->OnClick = ui::Handler(this, &TIBPViewerFrame::btnCloseClick);
    c_.List->OnClick = ui::Handler(this, &TIBPViewerFrame::ListView1Click);
    c_.List->OnChange = ui::Handler(this, &TIBPViewerFrame::ListView1Change);
}

void TIBPViewerFrame::FormCreate(QObject*)
{
    if (c_.Pages != nullptr)
        PortPicker = AddPicker("Ports", c_.Pages);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_acl", settings_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_acl ") + settings_.TableOid);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, settings_.KeyCount);
        Request->Mode = 0;
        Request->AttachListView(c_.List, true);
        for (const IBPViewerColumn& column : c_.Columns) {
            if (auto* edit = dynamic_cast<ui::Edit*>(column.Control))
                Request->BindEdits(column.Item, column.Rule, edit);
            else if (auto* combo = dynamic_cast<ui::ComboBox*>(column.Control))
                Request->BindComboBox(column.Item, combo);
        }
        if (PortPicker && c_.PortItem >= 0)
            Request->BindControlList(c_.PortItem, PortBitIndexText(), PortPicker->PortBoxes);
        Attach(*Request, false);
        Read(*Request);
        if (c_.List->Count() == 0)
            c_.RowCount->SetCaption("0");
    });
    ResetInputs();
}

void TIBPViewerFrame::ResetInputs()
{
    for (const IBPViewerColumn& column : c_.Columns)
        if (auto* edit = dynamic_cast<ui::Edit*>(column.Control))
            edit->SetText("");
    if (c_.Combo != nullptr) {
        c_.Combo->SetItemIndex(-1);
        c_.Combo->setEnabled(false);
    }
    if (PortPicker)
        PortPicker->UncheckAll();
}

void TIBPViewerFrame::RefreshClick(QObject*)
{
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
    ResetInputs();
}

void TIBPViewerFrame::ListView1Click(QObject*)
{
    // The request has shown the row and enabled its controls; the list only shows.
    if (c_.List->Selected() == nullptr)
        ResetInputs();
    else if (c_.Combo != nullptr)
        c_.Combo->setEnabled(false);
}

void TIBPViewerFrame::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(c_.RowCount, c_.List); }

void TIBPViewerFrame::btnCloseClick(QObject*) { Close(); }

void TIBPViewerFrame::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.List, Request); }
