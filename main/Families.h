#pragma once
// The handler families: one function per recipe, run from a handler's row. A handler builds
// its window, applies its row's tweaks, shows it modally and frees it when it has closed.
//
// Failure: an exception while the window is built frees what the handler created (window and
// request), gives a raised SNMP version back and shows the message in a message box; the window
// is not shown.

#include "main/HandlerTable.h"

#include <string>

class MvSNMPRequest2Edits;
class QWidget;
class TConfigForm;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

namespace ui {
class Form;
}

// What handlers use of the main window.
struct HandlerContext {
    QWidget* MainWindow = nullptr;      // the owner of the windows whose row says so
    std::string* CaptionText = nullptr; // the main window's scratch caption
    std::string AddressText;            // the switch's address as the command line gave it
    float DPIScale = 1.0f;
};

// The window a handler is building, as its tweaks and its row's own steps see it.
struct HandlerWindow {
    const HandlerRow& Row;
    HandlerContext& Context;
    TConfigForm* Form = nullptr;          // a generated window
    MvSNMPRequest2Edits* Edits = nullptr; // the request being laid out (a page's, on a page)
    TSNMPEditorPanel* Panel = nullptr;    // its panel: an editor, or a list (which is one too)
    TSNMPListViewPanel* List = nullptr;   // the panel when it is a list
    ui::Form* Window = nullptr;           // the window being shown (generated or hand-made)
};

// Title + ": " + the switch's address: every window's caption.
std::string CaptionOf(const std::string& title, const HandlerContext& context);

// Whether the row's family can run here: the generated families and the empty handlers
// always, a hand-made window once its class is registered, a DDM row with its function. The
// main window's own families (external tools, help, refresh) are not run here.
bool CanRunHandler(const HandlerRow& row);

// Runs the handler of the row: returns when its window has been closed and freed. An
// exception while building is shown in a message box (see above).
void RunHandlerRow(const HandlerRow& row, HandlerContext& context);
