#pragma once
// The menu handlers as data: one row per handler, keyed by its name as the handler is spelt
// ("BasicInfo1Click"). The rows live in one file per top-level menu group (main/handlers/),
// one row per line; an OnClick name of the menu finds its row ignoring letter case. The
// families that run the rows are in main/Families.h, the tweaks in main/Tweaks.h.
//
// A generated window's row, with the fields in this order (designated initializers):
//   {.Name = "AgentTrapManagement1Click", .Family = GeneratedTable, .Title = "Trap Management Table",
//    .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.4.2.1.1"}, .Kind = MVT_UMV, .Keys = 1,
//    .Status = {4, "enabled", "disabled"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
// A model-dependent row writes N for the model arc in its key OID and says its layout:
//   {.Name = "DeviceInformation1Click", .Family = ModelDependent, .Title = "Device Information",
//    .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.1.1.1"}, .Layout = Editor},
// A hand-made window's row names its class (registered in main/HandMadeWindows.cpp):
//   {.Name = "DNSControlTable1Click", .Family = HandMadeForm, .WindowClass = "TDNSCtrlForm",
//    .Title = "DNS Relay Static Settings", .UnitGlobal = true},

#include "catalogue/CatalogueIndex.h"
#include "main/Tweaks.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class MvSNMPRequest2Edits;

enum class HandlerFamily {
    GeneratedTable,
    GeneratedScalar,
    ModelDependent,
    GeneratedPages,
    HandMadeForm,  // WindowClass names the window class
    DdmWindow,     // Ddm is the window function
    ExternalTool,  // PageSwitch: "/T" + program + "_" + page
    Help,          // the help file
    Refresh,       // the front panel's refresh
    Empty,         // does nothing
};

// A descriptor table of the catalogue by its key (catalogue/CatalogueIndex.h): module and key
// OID, and where tables share the OID the key row's caption, the row count, a row it must have.
struct TableKey {
    const char* Module = nullptr;
    const char* Oid = nullptr;
    const char* Caption = nullptr;
    int Rows = -1;
    CatalogueRow Row = {};
};

// The row-status column of a table window: its position in the variable list and the texts
// Add and Delete write; none for a list without Add and Delete.
struct StatusColumn {
    int Index = -1;
    const char* Add = nullptr;
    const char* Delete = nullptr;
};

// The layout call: by the family (a table: MakeListView, scalars: MakeEditor); a
// model-dependent row or a page says which.
enum class HandlerLayout : std::uint8_t { ByFamily, Editor, ListView };

// Who owns a window while it is shown.
enum class WindowOwner : std::uint8_t { Application, MainWindow };

// A request of a class of its own instead of MvSNMPRequest2Edits, made on the window.
using RequestFactory = MvSNMPRequest2Edits* (*)(QWidget* window);
// A DDM window function: builds, shows and frees its window for the switch's address.
using DdmWindowFunction = void (*)(const std::string& address, float scale);

// One page of the paged window.
struct HandlerPage {
    const char* Caption = "";
    TableKey Table = {};
    std::uint8_t Kind = 0;
    int Keys = 0;
    HandlerLayout Layout = HandlerLayout::Editor;
    StatusColumn Status = {};
    Tweak Tweaks[MaxTweaks] = {};
};

struct HandlerRow {
    const char* Name;
    HandlerFamily Family;
    const char* PageSwitch = "";
    const char* WindowClass = "";
    const char* Title = "";           // the caption is Title + ": " + the switch's address
    TableKey Table = {};
    std::uint8_t Kind = 0;            // SVT_SV, MVT_SV, MVT_FMV, MVT_UMV (snmp/VarList.h)
    int Keys = 0;                     // leading index columns
    HandlerLayout Layout = HandlerLayout::ByFamily;
    StatusColumn Status = {};
    Tweak Tweaks[MaxTweaks] = {};
    bool CaptionFirst = false;        // the caption is set as soon as the window exists
    bool Guarded = false;             // creation is tested (it never fails here)
    bool NoCaption = false;           // the window keeps the caption it has
    WindowOwner Owner = WindowOwner::Application;
    bool UnitGlobal = false;          // the class's unit global refers to the window while shown
    int Argument = -1;                // a further argument of the window's factory (-1: none)
    RequestFactory NewRequest = nullptr;
    DdmWindowFunction Ddm = nullptr;
    std::span<const HandlerPage> Pages = {};
};

// The rows of every group.
std::span<const std::span<const HandlerRow>> HandlerGroups();

// The row of a handler name, ignoring letter case (ASCII); nullptr when no handler has it.
const HandlerRow* FindHandler(std::string_view name);
