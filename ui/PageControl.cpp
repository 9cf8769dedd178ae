#include "ui/PageControl.h"

#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>

namespace ui {

TabSheet::TabSheet(PageControl* pageControl, const std::string& caption)
    : QWidget(pageControl), owner_(pageControl)
{
    pageControl->addTab(this, ToQString(caption));
}

std::string TabSheet::Caption() const
{
    return owner_->PageCaption(const_cast<TabSheet*>(this));
}

void TabSheet::SetCaption(const std::string& caption)
{
    owner_->SetPageCaption(this, caption);
}

bool TabSheet::TabVisible() const
{
    return owner_->TabVisible(const_cast<TabSheet*>(this));
}

void TabSheet::SetTabVisible(bool visible)
{
    owner_->SetTabVisible(this, visible);
}

int TabSheet::PageIndex() const
{
    return owner_->IndexOf(const_cast<TabSheet*>(this));
}

// The tab bar tells its page control which changes of page come from a user.
class PageTabBar : public QTabBar {
public:
    explicit PageTabBar(PageControl* owner) : QTabBar(owner), owner_(owner) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        owner_->UserInput([&] { QTabBar::mousePressEvent(event); });
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        owner_->UserInput([&] { QTabBar::keyPressEvent(event); });
    }
    void wheelEvent(QWheelEvent* event) override
    {
        owner_->UserInput([&] { QTabBar::wheelEvent(event); });
    }

private:
    PageControl* owner_;
};

PageControl::PageControl(QWidget* parent) : QTabWidget(ClientOf(parent))
{
    setTabBar(new PageTabBar(this));
    setUsesScrollButtons(true);
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (userInput_ == 0)
            return;
        // Pages the handler itself changes are no user's.
        const int input = userInput_;
        userInput_ = 0;
        RunGuarded([this] { Fire(OnChange, static_cast<QObject*>(this)); });
        userInput_ = input;
    });
    ShowIfParentVisible(this);
}

void PageControl::keyPressEvent(QKeyEvent* event)
{
    UserInput([&] { QTabWidget::keyPressEvent(event); });
}

void PageControl::SetActivePage(QWidget* page)
{
    SetActivePageIndex(indexOf(page));
}

void PageControl::SetActivePageIndex(int index)
{
    setCurrentIndex(index);
    // Qt hides the page of a hidden tab, and a page that is current already stays hidden: made
    // the active page by code it shows all the same (a port picker's only unit).
    QWidget* page = currentWidget();
    if (page != nullptr && currentIndex() == index && page->isHidden())
        page->show();
}

std::string PageControl::PageCaption(QWidget* page) const
{
    return ToStdString(tabText(indexOf(page)));
}

void PageControl::SetPageCaption(QWidget* page, const std::string& caption)
{
    setTabText(indexOf(page), ToQString(caption));
}

bool PageControl::TabVisible(QWidget* page) const
{
    return isTabVisible(indexOf(page));
}

void PageControl::SetTabVisible(QWidget* page, bool visible)
{
    setTabVisible(indexOf(page), visible);
}

} // namespace ui
