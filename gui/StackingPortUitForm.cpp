#include "gui/StackingPortUitForm.h"

#include "snmp/Convert.h"

#include "ui/Align.h"
#include "ui/Color.h"
#include "ui/Control.h"

#include <algorithm>

TStackingPortUitForm* StackingPortUitForm = nullptr;

namespace {

// The size in points of the box's font; the boxes' spacing is measured in it.
int FontPoints(const ui::CheckBox* box)
{
    const int points = box->font().pointSize();
    return points > 0 ? points : 8;
}

} // namespace

TStackingPortUitForm::TStackingPortUitForm(QWidget* owner) : ui::Form(owner)
{
    setupUi(this);
    Loaded();
    SetBorderStyle(ui::bsNone);
    ui::SetColor(this, ui::clBtnFace);
    OnCreate = ui::Handler(this, &TStackingPortUitForm::FormCreate);
    DoCreate();
}

TStackingPortUitForm::~TStackingPortUitForm()
{
    FormDestroy(this);
    if (::StackingPortUitForm == this)
        ::StackingPortUitForm = nullptr;
}

void TStackingPortUitForm::FormCreate(QObject*)
{
    PortBoxes.clear();
    UnitTabs.clear();
}

void TStackingPortUitForm::FormDestroy(QObject*)
{
    // The boxes lie on the scroll boxes, the scroll boxes on the pages: freeing the pages still
    // held frees the rest. A page the window freed itself is passed over.
    for (QPointer<ui::TabSheet>& page : UnitTabs)
        delete page.data();
    delete CurrentScrollBox.data();
    UnitTabs.clear();
    PortBoxes.clear();
}

void TStackingPortUitForm::AddUnit(const std::string& caption, int, int count, int perLine, bool)
{
    auto* page = new ui::TabSheet(UnitPageControl, caption);
    auto* scrollBox = new ui::ScrollBox(page);
    ui::SetAlign(scrollBox, ui::alClient);
    CurrentScrollBox = scrollBox;
    UnitTabs.emplace_back(page);

    perLine = std::max(perLine, 1);
    for (int i = 0; i < count; ++i) {
        auto* box = new ui::CheckBox(scrollBox);
        box->hide();
        const std::string number = IntToStr(i + 1);
        box->SetCaption(number);
        const int points = FontPoints(box);
        ui::SetBounds(box, (i % perLine) * points * 5 + 20, (i / perLine) * ui::DefaultCheckBoxHeight + 4,
                      static_cast<int>(number.size()) * points + points * 3, ui::DefaultCheckBoxHeight);
        PortBoxes.push_back(box);
    }
    page->SetTabVisible(false);
}

void TStackingPortUitForm::ShowUnit(const std::string& unitText, const std::string& title, int, int visibleCount)
{
    std::int32_t unit = 0;
    if (!TryStrToInt(unitText, unit) || unit < 1 || unit > static_cast<int>(UnitTabs.size()))
        return;
    ui::TabSheet* page = UnitTabs[static_cast<std::size_t>(unit - 1)];
    if (page == nullptr)
        return;
    page->SetCaption(page->Caption() + " " + title);
    page->SetTabVisible(false);
    UnitPageControl->SetActivePage(page);
    const std::size_t first = static_cast<std::size_t>(unit - 1) * PortsPerUnit;
    const std::size_t end = std::min(PortBoxes.size(), first + static_cast<std::size_t>(std::max(visibleCount, 0)));
    for (std::size_t k = first; k < end; ++k)
        PortBoxes[k]->show();
}

void TStackingPortUitForm::UncheckAll()
{
    for (ui::CheckBox* box : PortBoxes)
        box->SetChecked(false);
}

void TStackingPortUitForm::CheckAll()
{
    // Hidden boxes are ports the model lacks: checked, they would go out in the port list.
    for (ui::CheckBox* box : PortBoxes)
        if (ui::Visible(box))
            box->SetChecked(true);
}

void TStackingPortUitForm::EnableAll()
{
    for (ui::CheckBox* box : PortBoxes)
        box->setEnabled(true);
}

void TStackingPortUitForm::DisableAll()
{
    for (ui::CheckBox* box : PortBoxes)
        box->setEnabled(false);
}

int TStackingPortUitForm::CountChecked() const
{
    const std::size_t count = std::min<std::size_t>(PortBoxes.size(), PortsPerUnit);
    return static_cast<int>(std::count_if(PortBoxes.begin(), PortBoxes.begin() + static_cast<std::ptrdiff_t>(count),
                                          [](const ui::CheckBox* box) { return box->Checked(); }));
}

std::vector<ui::CheckBox*> TStackingPortUitForm::UnitBoxes(int unit) const
{
    if (unit < 1 || unit > static_cast<int>(PortBoxes.size() / PortsPerUnit))
        return {};
    const auto first = PortBoxes.begin() + static_cast<std::ptrdiff_t>(unit - 1) * PortsPerUnit;
    return {first, first + PortsPerUnit};
}
