#pragma once
// The list of a table panel: a report-style list view bound to the request, one column per
// shown variable, and which buttons of the column a list shows.

#include "ui/ListView.h"
#include "ui/Panel.h"

#include <string>

class MvSNMPRequest2Edits;
class TCtrlBtnPanel;

class TListViewPanel : public ui::Panel {
    Q_OBJECT
public:
    TListViewPanel(QWidget* owner, MvSNMPRequest2Edits* edits);

    ui::ListView* ListView;
    int DeleteIndex = -1;   // item written by Delete; -1: no Delete
    int AddIndex = -1;      // item written by Add; -1: no Add
    std::string AddValue;
    std::string DeleteValue;

    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* column);
};
