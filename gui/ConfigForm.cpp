#include "gui/ConfigForm.h"

#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"

#include "ui/Align.h"
#include "ui/Control.h"
#include "ui/MessageLoop.h"

#include <algorithm>
#include <exception>

TConfigForm* ConfigForm = nullptr;

namespace {

// As long as a request being destroyed waits for its outstanding answers.
constexpr int CloseWaitMs = 6000;

} // namespace

TConfigForm::TConfigForm(QWidget* owner) : ui::Form(owner)
{
    setupUi(this);
    Loaded();
    OnClose = ui::Handler(this, &TConfigForm::FormClose);
    CurrentRequest = nullptr;
    SetPosition(ui::poMainFormCenter);
    Layout = lyNone;
    // Handled by the first message loop after the layout call: the window's own modal loop.
    PostMessage(WM_CONFIG_REFRESH, 0, 0);
}

TConfigForm::~TConfigForm()
{
    FreeRequests();
}

void TConfigForm::FreeRequests()
{
    for (MvSNMPRequest2Edits* request : Requests)
        delete request;
    Requests.clear();
    CurrentRequest = nullptr;
}

template <class Panel>
Panel* TConfigForm::BuildPanel(QWidget* parent, MvSNMPRequest2Edits* edits)
{
    Requests.push_back(edits);
    auto* panel = new Panel(parent, edits);
    panel->FitForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::BuildListPanel(QWidget* parent, MvSNMPRequest2Edits* edits, int addIndex,
                                                const std::optional<std::string>& addValue, int deleteIndex,
                                                const std::optional<std::string>& deleteValue)
{
    auto* panel = BuildPanel<TSNMPListViewPanel>(parent, edits);
    if (addValue)
        panel->SetAddStatus(addIndex, *addValue);
    if (deleteValue)
        panel->SetDeleteStatus(deleteIndex, *deleteValue);
    return panel;
}

void TConfigForm::GrowClientTo(QWidget* control)
{
    if (ClientWidth() < control->width())
        SetClientWidth(control->width());
    if (ClientHeight() < control->height())
        SetClientHeight(control->height());
}

TSNMPEditorPanel* TConfigForm::MakeEditor(MvSNMPRequest2Edits* edits)
{
    if (Layout != lyNone)
        throw Exception("Can not change Type of a Config Form!");
    Layout = lyEditor;
    auto* panel = BuildPanel<TSNMPEditorPanel>(this, edits);
    GrowClientTo(panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::MakeListView(MvSNMPRequest2Edits* edits, int addIndex,
                                              const std::optional<std::string>& addValue, int deleteIndex,
                                              const std::optional<std::string>& deleteValue)
{
    if (Layout != lyNone)
        throw Exception("Can not change Type of a Config Form!");
    Layout = lyList;
    auto* panel = BuildListPanel(this, edits, addIndex, addValue, deleteIndex, deleteValue);
    GrowClientTo(panel);
    return panel;
}

void TConfigForm::MakePages()
{
    if (Layout != lyNone)
        throw Exception("Can not change Type of a Config Form!");
    Layout = lyPages;
    Pages = new ui::PageControl(this);
    Pages->setObjectName("Pages");
    ui::SetAlign(Pages, ui::alClient);
    Pages->OnChange = ui::Handler(this, &TConfigForm::PageChanged);
}

QWidget* TConfigForm::NewPage(const std::string& caption, const char* wrongLayoutMessage)
{
    if (Layout != lyPages)
        throw Exception(wrongLayoutMessage);
    const int index = Pages->PageCount();
    auto* page = new ui::TabSheet(Pages, caption);
    ui::SetTag(page, index);
    ui::SetAlign(Pages, ui::alNone);
    return page;
}

void TConfigForm::FitPage(QWidget*, QWidget* panel)
{
    // The page control grows to the panel (its tab height setting is 0), the window to the
    // page control.
    const int width = std::max(Pages->width(), panel->width());
    const int height = std::max(Pages->height(), panel->height());
    ui::SetBounds(Pages, Pages->x(), Pages->y(), width, height);
    GrowClientTo(Pages);
    ui::SetAlign(Pages, ui::alClient);
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const std::string& caption, MvSNMPRequest2Edits* edits)
{
    QWidget* page = NewPage(caption, "Can not add editor page to a none-page pannel!");
    auto* panel = BuildPanel<TSNMPEditorPanel>(page, edits);
    FitPage(page, panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const std::string& caption, MvSNMPRequest2Edits* edits,
                                                 int addIndex, const std::optional<std::string>& addValue,
                                                 int deleteIndex,
                                                 const std::optional<std::string>& deleteValue)
{
    QWidget* page = NewPage(caption, "Can not add listview page to a none-page pannel!");
    auto* panel = BuildListPanel(page, edits, addIndex, addValue, deleteIndex, deleteValue);
    FitPage(page, panel);
    return panel;
}

void TConfigForm::Refresh()
{
    MvSNMPRequest2Edits* request = nullptr;
    switch (Layout) {
    case lyEditor:
    case lyList:
        if (!Requests.empty())
            request = Requests.front();
        break;
    case lyPages:
        if (Pages != nullptr && Pages->PageCount() > 0 && Pages->ActivePage() != nullptr) {
            const int index = ui::Tag(Pages->ActivePage());
            if (index >= 0 && index < static_cast<int>(Requests.size()))
                request = Requests[static_cast<std::size_t>(index)];
        }
        break;
    default:
        break;
    }
    if (request == nullptr)
        return;
    // Stops a walk of another page that is still running.
    if (CurrentRequest != nullptr)
        CurrentRequest->Request.Active = 0;
    CurrentRequest = request;
    request->Request.Active = 1;
    // A walk still under way (back on its page) goes on; a second one would list rows twice.
    if (request->Busy)
        return;
    try {
        request->Get();
    } catch (const std::exception& e) {
        request->WriteLogLine(e.what());
    }
}

void TConfigForm::WMRefresh(ui::Message&)
{
    Refresh();
}

void TConfigForm::Dispatch(ui::Message& message)
{
    if (message.Msg == WM_CONFIG_REFRESH)
        WMRefresh(message);
    else
        ui::Form::Dispatch(message);
}

void TConfigForm::PageChanged(QObject*)
{
    Refresh();
}

void TConfigForm::FormClose(QObject*, ui::CloseAction&)
{
    for (MvSNMPRequest2Edits* request : Requests) {
        request->Request.Active = 0;
        ui::WaitUntil([request] { return !request->Busy; }, {}, CloseWaitMs);
    }
    FreeRequests();
}
