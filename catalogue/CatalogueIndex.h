#pragma once
// Finding a descriptor table by its key.
//
// A table is known by its module and the OID of its first row that is not index-only (a row whose
// OID text is " " or ""). Where two tables of a module share that OID, the key adds that row's
// caption, then the number of rows, and last the first row in which the tables differ. So a window
// asks for "the Oid_common table that begins with 1.3.6.1.4.1.171.12.15.1.2 "Version"":
//
//     FindTable("Oid_common", "1.3.6.1.4.1.171.12.15.1.2", "Version")
//     FindTable("Oid_qbridge", "1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", 4,
//               {2, "1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address"})
//
// Tables of a per-model group describe the same objects under 1.3.6.1.4.1.171.11.133.N for the
// four models N = 1 to 4; the window names the group with N in the OID and passes the switch's
// sysObjectID, and gets the member of the identified model, or none:
//
//     FindModelTable("Oid_vlancomm", "1.3.6.1.4.1.171.11.133.N.1.2.2.1.1.1", ModuleOIDText)
//
// The list kind and key-column count a window passes with the table are its own; the comment
// above each table in its module file names its readers with theirs.

#include "snmp/VarDescriptor.h"

#include <string_view>
#include <vector>

// A row that a table must have: its 1-based number and, where given, its OID and caption.
struct CatalogueRow {
    int number = 0; // 0: no condition
    const char* oid = nullptr;
    const char* caption = nullptr;
};

// Every table of the module whose key matches. A null caption, a negative row count and a row
// number 0 leave that part of the key open.
std::vector<const VarDescriptor*> FindTables(std::string_view module, std::string_view oid,
                                             const char* caption = nullptr, int rows = -1,
                                             const CatalogueRow& row = {});

// The one table of the module with that key; null when no table or more than one matches.
const VarDescriptor* FindTable(std::string_view module, std::string_view oid,
                               const char* caption = nullptr, int rows = -1,
                               const CatalogueRow& row = {});

// The model number N (1 to 4) of a switch whose sysObjectID is 1.3.6.1.4.1.171.10.133.N.1, the
// whole text compared; 0 for any other text.
int ModelNumberOf(std::string_view sysObjectID);

// The member for the switch's model of the per-model group whose key OID (and row OID, if any) is
// written with N for the model arc (1.3.6.1.4.1.171.11.133.N....); null when the model is not
// identified, the OID names no such group or the key is not unique.
const VarDescriptor* FindModelTable(std::string_view module, std::string_view oidWithN,
                                    std::string_view sysObjectID, const char* caption = nullptr,
                                    int rows = -1, const CatalogueRow& row = {});

// Index of the table's first row that is not index-only (its key row); -1 when there is none.
int KeyRowIndex(const VarDescriptor* table);

// Number of rows before the end row.
int TableRowCount(const VarDescriptor* table);
