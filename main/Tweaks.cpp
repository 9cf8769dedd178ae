#include "main/Tweaks.h"

#include "main/Families.h"

#include "gui/ConfigForm.h"
#include "gui/CtrlBtnPanel.h"
#include "gui/EditsPanel.h"
#include "gui/ListViewPanel.h"
#include "gui/SNMPEditorPanel.h"
#include "gui/SNMPListViewPanel.h"
#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"
#include "ui/Control.h"

#include <string>

namespace {

std::string Named(const char* what, const HandlerWindow& window)
{
    return std::string(what) + " (" + window.Row.Name + ")";
}

TSNMPEditorPanel* PanelOf(const HandlerWindow& window)
{
    if (window.Panel == nullptr)
        throw Exception(Named("The tweak needs a generated panel", window));
    return window.Panel;
}

// A scalar window's editor panel: its editor width sizes the window.
TSNMPEditorPanel* ScalarPanelOf(const HandlerWindow& window)
{
    if (window.List != nullptr)
        throw Exception(Named("The editor width of a scalar window was given to a list", window));
    return PanelOf(window);
}

TSNMPListViewPanel* ListOf(const HandlerWindow& window)
{
    if (window.List == nullptr)
        throw Exception(Named("The tweak needs a list window", window));
    return window.List;
}

ui::Form* WindowOf(const HandlerWindow& window)
{
    if (window.Window == nullptr)
        throw Exception(Named("The tweak needs a window", window));
    return window.Window;
}

// The editor row a tweak addresses; none on an empty list (the tweak is skipped). A row that
// a list with rows does not have is a wrongly transcribed index.
UISnmpVar* RowOf(const HandlerWindow& window, int row)
{
    TEditsPanel* rows = PanelOf(window)->EditsPanel;
    if (rows->RowCount() == 0)
        return nullptr;
    if (row < 0 || row >= rows->RowCount())
        throw Exception(Named(("No row " + std::to_string(row) + " in the variable list").c_str(), window));
    return &rows->Rows[static_cast<std::size_t>(row)];
}

void SetRowTag(const HandlerWindow& window, int row, int tag)
{
    if (UISnmpVar* r = RowOf(window, row))
        ui::SetTag(r->Editor, tag);
}

int Scaled(const HandlerWindow& window, int n)
{
    return ScaledBy(window.Context.DPIScale, n);
}

int WindowWidth(QWidget* window)
{
    return window->frameGeometry().width();
}

int WindowHeight(QWidget* window)
{
    return window->frameGeometry().height();
}

void Apply(const Tweak& t, HandlerWindow& window)
{
    switch (t.Kind) {
    case TweakKind::None:
        break;
    case TweakKind::HideEditButton: {
        TCtrlBtnPanel* buttons = PanelOf(window)->Buttons;
        buttons->EditButton->hide();
        buttons->ArrangeButtons();
        break;
    }
    case TweakKind::NoDoubleClickEdit:
        ListOf(window)->ListViewPanel->ListView->OnDblClick = nullptr;
        break;
    case TweakKind::SetVarFormat:
        if (RowOf(window, t.Row) != nullptr)
            window.Panel->SetVarFormat(t.Row, t.Spec);
        break;
    case TweakKind::SetVarFormatWithCheck:
        if (RowOf(window, t.Row) != nullptr)
            window.Panel->SetVarFormatWithCheck(t.Row, t.Spec, EditCheck(t.Check));
        break;
    case TweakKind::SetEditorWidth:
        ScalarPanelOf(window)->SetEditorWidth(Scaled(window, t.N));
        break;
    case TweakKind::FixedEditorWidth:
        ScalarPanelOf(window)->SetEditorWidth(t.N);
        break;
    case TweakKind::WidenEditor:
        if (UISnmpVar* first = RowOf(window, 0))
            ScalarPanelOf(window)->SetEditorWidth(first->Editor->width() + Scaled(window, t.N));
        break;
    case TweakKind::ListEditorWidth:
        ListOf(window)->EditsPanel->SetEditorWidth(Scaled(window, t.N), 2);
        break;
    case TweakKind::FixedListEditorWidth:
        ListOf(window)->EditsPanel->SetEditorWidth(t.N, 2);
        break;
    case TweakKind::WidenEditRows:
        if (UISnmpVar* first = RowOf(window, 0))
            ListOf(window)->EditsPanel->SetEditorWidth(first->Editor->width() + Scaled(window, t.N), 2);
        break;
    case TweakKind::ShowStopButton:
        PanelOf(window)->ShowStopButton();
        break;
    case TweakKind::ScaledHeight:
        ui::SetHeight(WindowOf(window), Scaled(window, t.N));
        break;
    case TweakKind::GrowHeight:
        ui::SetHeight(WindowOf(window), WindowHeight(WindowOf(window)) + Scaled(window, t.N));
        break;
    case TweakKind::GrowWidth:
        ui::SetWidth(WindowOf(window), WindowWidth(WindowOf(window)) + Scaled(window, t.N));
        break;
    case TweakKind::FixedHeight:
        ui::SetHeight(WindowOf(window), t.N);
        break;
    case TweakKind::FixedWidth:
        ui::SetWidth(WindowOf(window), t.N);
        break;
    case TweakKind::RequestTimeout:
        if (window.Edits == nullptr)
            throw Exception(Named("The time-out needs a request", window));
        window.Edits->Request.Timeout = t.N;
        break;
    case TweakKind::OptionalRow:
        SetRowTag(window, t.Row, 99);
        break;
    case TweakKind::SendActiveRow:
        SetRowTag(window, t.Row, 100);
        break;
    case TweakKind::TextCodec:
        // The request decodes the row's texts as it reads them and encodes them as it writes.
        if (RowOf(window, t.Row) != nullptr)
            window.Edits->Request.VarList.Item(t.Row).textCodec = t.Spec;
        break;
    case TweakKind::ForceV2c:
    case TweakKind::ForceV2cWhileOpen:
        // The family raises the version around the window's whole life (VersionRaise).
        break;
    case TweakKind::Step:
    case TweakKind::StepBeforeLayout:
    case TweakKind::StepBeforeCreate:
        t.OwnStep(window);
        break;
    }
}

} // namespace

TweakPhase PhaseOf(TweakKind kind)
{
    switch (kind) {
    case TweakKind::ForceV2c:
    case TweakKind::ForceV2cWhileOpen:
    case TweakKind::StepBeforeCreate:
        return TweakPhase::BeforeCreate;
    case TweakKind::RequestTimeout:
    case TweakKind::StepBeforeLayout:
        return TweakPhase::BeforeLayout;
    default:
        return TweakPhase::AfterLayout;
    }
}

int ScaledBy(float scale, int n)
{
    return static_cast<int>(scale * static_cast<float>(n));
}

void ApplyTweaks(const Tweak (&tweaks)[MaxTweaks], TweakPhase phase, HandlerWindow& window)
{
    for (const Tweak& t : tweaks)
        if (t.Kind != TweakKind::None && PhaseOf(t.Kind) == phase)
            Apply(t, window);
}
