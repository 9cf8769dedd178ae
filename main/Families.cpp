#include "main/Families.h"

#include "main/HandMadeWindows.h"

#include "gui/ConfigForm.h"
#include "snmp/DeviceState.h"
#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpSettings.h"
#include "snmp/VarList.h"
#include "ui/Guard.h"

#include <functional>
#include <memory>
#include <optional>

namespace {

bool HasTweak(const Tweak (&tweaks)[MaxTweaks], TweakKind kind)
{
    for (const Tweak& t : tweaks)
        if (t.Kind == kind)
            return true;
    return false;
}

// ForceV2c and ForceV2cWhileOpen: a window that SNMPv1 cannot serve speaks SNMPv2c. The version
// goes up before the window is created and back once it has been destroyed, however the handler
// ends, so the windows opened later speak the version the command line chose.
class VersionRaise {
public:
    explicit VersionRaise(const HandlerRow& row)
    {
        if (!HasTweak(row.Tweaks, TweakKind::ForceV2c) && !HasTweak(row.Tweaks, TweakKind::ForceV2cWhileOpen))
            return;
        if (DefaultSecurity.Version == 0) {
            DefaultSecurity.Version = 1;
            raised_ = true;
        }
    }
    ~VersionRaise()
    {
        if (raised_)
            DefaultSecurity.Version = 0;
    }
    VersionRaise(const VersionRaise&) = delete;
    VersionRaise& operator=(const VersionRaise&) = delete;

private:
    bool raised_ = false;
};

// ConfigForm refers to the generated window for the length of the handler's call.
class ConfigFormScope {
public:
    explicit ConfigFormScope(TConfigForm* form) { ConfigForm = form; }
    ~ConfigFormScope() { ConfigForm = nullptr; }
    ConfigFormScope(const ConfigFormScope&) = delete;
    ConfigFormScope& operator=(const ConfigFormScope&) = delete;
};

// A hand-made class's unit global refers to its window while the handler shows it.
class UnitGlobalScope {
public:
    UnitGlobalScope(const HandMadeWindow& factory, bool used, ui::Form* window)
        : set_(used ? factory.SetUnitGlobal : nullptr)
    {
        if (set_)
            set_(window);
    }
    ~UnitGlobalScope()
    {
        if (set_)
            set_(nullptr);
    }
    UnitGlobalScope(const UnitGlobalScope&) = delete;
    UnitGlobalScope& operator=(const UnitGlobalScope&) = delete;

private:
    std::function<void(ui::Form*)> set_;
};

std::string Described(const TableKey& key)
{
    std::string text = std::string(key.Module != nullptr ? key.Module : "(no module)") + " " +
                       (key.Oid != nullptr ? key.Oid : "(no OID)");
    if (key.Caption != nullptr)
        text += std::string(" \"") + key.Caption + "\"";
    return text;
}

const VarDescriptor* TableOf(const TableKey& key)
{
    const VarDescriptor* table =
        key.Module != nullptr && key.Oid != nullptr ? FindTable(key.Module, key.Oid, key.Caption, key.Rows, key.Row)
                                                    : nullptr;
    if (table == nullptr)
        throw Exception("No descriptor table " + Described(key));
    return table;
}

// The table of the identified model; none when the switch is none of the four models.
const VarDescriptor* ModelTableOf(const TableKey& key)
{
    if (ModelNumberOf(ModuleOIDText) == 0)
        return nullptr;
    const VarDescriptor* table =
        key.Module != nullptr && key.Oid != nullptr
            ? FindModelTable(key.Module, key.Oid, ModuleOIDText, key.Caption, key.Rows, key.Row)
            : nullptr;
    if (table == nullptr)
        throw Exception("No descriptor table " + Described(key) + " for " + ModuleOIDText);
    return table;
}

QWidget* OwnerOf(const HandlerRow& row, const HandlerContext& context)
{
    return row.Owner == WindowOwner::MainWindow ? context.MainWindow : nullptr;
}

std::unique_ptr<MvSNMPRequest2Edits> NewRequest(const HandlerRow& row, TConfigForm* form)
{
    return std::unique_ptr<MvSNMPRequest2Edits>(row.NewRequest != nullptr ? row.NewRequest(form)
                                                                          : new MvSNMPRequest2Edits(form));
}

std::optional<std::string> StatusText(const char* text)
{
    return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
}

bool Owns(const TConfigForm& form, const MvSNMPRequest2Edits* edits)
{
    for (const MvSNMPRequest2Edits* request : form.Requests)
        if (request == edits)
            return true;
    return false;
}

// The layout call on the window (page: on a new page of that caption). The window owns the
// request from the call on, also when the call raises after taking it.
TSNMPEditorPanel* LayOut(TConfigForm& form, std::unique_ptr<MvSNMPRequest2Edits>& edits, HandlerLayout layout,
                         const StatusColumn& status, const char* page = nullptr)
{
    MvSNMPRequest2Edits* request = edits.get();
    const int index = status.Index;
    TSNMPEditorPanel* panel = nullptr;
    try {
        if (layout == HandlerLayout::ListView)
            panel = page != nullptr ? form.AddListViewPage(page, request, index, StatusText(status.Add), index,
                                                           StatusText(status.Delete))
                                    : form.MakeListView(request, index, StatusText(status.Add), index,
                                                        StatusText(status.Delete));
        else
            panel = page != nullptr ? form.AddEditorPage(page, request) : form.MakeEditor(request);
    } catch (...) {
        if (Owns(form, request))
            edits.release();
        throw;
    }
    edits.release();
    return panel;
}

HandlerLayout LayoutOf(const HandlerRow& row)
{
    if (row.Layout != HandlerLayout::ByFamily)
        return row.Layout;
    if (row.Family == HandlerFamily::GeneratedTable)
        return HandlerLayout::ListView;
    if (row.Family == HandlerFamily::GeneratedScalar)
        return HandlerLayout::Editor;
    throw Exception(std::string("No layout call given for ") + row.Name);
}

void Panelled(HandlerWindow& window, TSNMPEditorPanel* panel)
{
    window.Panel = panel;
    window.List = dynamic_cast<TSNMPListViewPanel*>(panel);
}

// The recipe shared by the generated windows: the version raised, the caption text, the window
// (captioned at once for caption-first rows) kept in ConfigForm; build lays it out; the row's
// tweaks, the caption, the modal loop.
void RunConfigForm(const HandlerRow& row, HandlerContext& context,
                   const std::function<void(TConfigForm& form, HandlerWindow& window)>& build)
{
    const VersionRaise version(row);
    HandlerWindow window{row, context};
    ApplyTweaks(row.Tweaks, TweakPhase::BeforeCreate, window);
    *context.CaptionText = row.CaptionFirst ? std::string(row.Title) : CaptionOf(row.Title, context);
    std::unique_ptr<TConfigForm> form(new TConfigForm(OwnerOf(row, context)));
    const ConfigFormScope scope(form.get());
    window.Form = form.get();
    window.Window = form.get();
    if (row.CaptionFirst && !row.NoCaption)
        form->SetCaption(CaptionOf(*context.CaptionText, context));
    build(*form, window);
    ApplyTweaks(row.Tweaks, TweakPhase::AfterLayout, window);
    if (!row.CaptionFirst && !row.NoCaption)
        form->SetCaption(*context.CaptionText);
    form->ShowModal();
}

// GeneratedTableHandler, GeneratedScalarHandler and ModelDependentHandler: one request on one
// descriptor table laid out as a list or as editor rows.
void RunGenerated(const HandlerRow& row, HandlerContext& context)
{
    const bool model = row.Family == HandlerFamily::ModelDependent;
    const VarDescriptor* table = model ? ModelTableOf(row.Table) : TableOf(row.Table);
    const HandlerLayout layout = LayoutOf(row);
    RunConfigForm(row, context, [&](TConfigForm& form, HandlerWindow& window) {
        std::unique_ptr<MvSNMPRequest2Edits> edits = NewRequest(row, &form);
        window.Edits = edits.get();
        // An unidentified model leaves the list empty: the window opens without columns and rows.
        if (table != nullptr)
            edits->Request.VarList = MvSNMPVarList(table, row.Kind, row.Keys);
        ApplyTweaks(row.Tweaks, TweakPhase::BeforeLayout, window);
        // Nor has it the status column that Add and Delete would write.
        Panelled(window, LayOut(form, edits, layout, table != nullptr ? row.Status : StatusColumn{}));
    });
}

// GeneratedPagesHandler: one page per request, each with its own table and tweaks; the row's
// tweaks then apply to the window.
void RunPages(const HandlerRow& row, HandlerContext& context)
{
    for (const HandlerPage& page : row.Pages)
        TableOf(page.Table);
    RunConfigForm(row, context, [&](TConfigForm& form, HandlerWindow& window) {
        ApplyTweaks(row.Tweaks, TweakPhase::BeforeLayout, window);
        form.MakePages();
        for (const HandlerPage& page : row.Pages) {
            std::unique_ptr<MvSNMPRequest2Edits> edits = NewRequest(row, &form);
            HandlerWindow onPage{row, context, &form, edits.get()};
            onPage.Window = &form;
            edits->Request.VarList = MvSNMPVarList(TableOf(page.Table), page.Kind, page.Keys);
            ApplyTweaks(page.Tweaks, TweakPhase::BeforeLayout, onPage);
            Panelled(onPage, LayOut(form, edits, page.Layout, page.Status, page.Caption));
            ApplyTweaks(page.Tweaks, TweakPhase::AfterLayout, onPage);
        }
    });
}

// HandMadeFormHandler: the registered class, with its owner and, where the row says so, its
// unit global set while it is shown.
void RunHandMade(const HandlerRow& row, HandlerContext& context)
{
    const HandMadeWindow* factory = FindHandMadeWindow(row.WindowClass);
    if (factory == nullptr)
        throw Exception(std::string("The window class is not registered: ") + row.WindowClass);

    const VersionRaise version(row);
    HandlerWindow window{row, context};
    ApplyTweaks(row.Tweaks, TweakPhase::BeforeCreate, window);
    if (!row.NoCaption)
        *context.CaptionText = CaptionOf(row.Title, context);
    std::unique_ptr<ui::Form> form(factory->Create(OwnerOf(row, context), row.Argument));
    if (form == nullptr)
        return;
    const UnitGlobalScope global(*factory, row.UnitGlobal, form.get());
    window.Window = form.get();
    ApplyTweaks(row.Tweaks, TweakPhase::BeforeLayout, window);
    ApplyTweaks(row.Tweaks, TweakPhase::AfterLayout, window);
    if (!row.NoCaption)
        form->SetCaption(*context.CaptionText);
    form->ShowModal();
}

} // namespace

std::string CaptionOf(const std::string& title, const HandlerContext& context)
{
    return title + ": " + context.AddressText;
}

bool CanRunHandler(const HandlerRow& row)
{
    switch (row.Family) {
    case HandlerFamily::GeneratedTable:
    case HandlerFamily::GeneratedScalar:
    case HandlerFamily::ModelDependent:
    case HandlerFamily::GeneratedPages:
    case HandlerFamily::Empty:
        return true;
    case HandlerFamily::HandMadeForm:
        return FindHandMadeWindow(row.WindowClass) != nullptr;
    case HandlerFamily::DdmWindow:
        return row.Ddm != nullptr;
    default:
        return false;
    }
}

void RunHandlerRow(const HandlerRow& row, HandlerContext& context)
{
    try {
        switch (row.Family) {
        case HandlerFamily::GeneratedTable:
        case HandlerFamily::GeneratedScalar:
        case HandlerFamily::ModelDependent:
            RunGenerated(row, context);
            break;
        case HandlerFamily::GeneratedPages:
            RunPages(row, context);
            break;
        case HandlerFamily::HandMadeForm:
            RunHandMade(row, context);
            break;
        case HandlerFamily::DdmWindow:
            if (row.Ddm != nullptr)
                row.Ddm(context.AddressText, context.DPIScale);
            break;
        case HandlerFamily::Empty:
            break;
        default:
            throw Exception(std::string("The main window runs this handler: ") + row.Name);
        }
    } catch (const std::exception& e) {
        // What the handler made is freed by now and the version given back; the window stays
        // unshown and the user reads why.
        ui::ShowException(e);
    }
}
