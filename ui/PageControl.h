#pragma once
// A page control: pages with tabs, added in the layout or at run time, whose tabs can be hidden
// (such a page is still shown when made the active page by code). Its change event fires only
// when a user picks another tab; setting the active page in code does not fire it.

#include "ui/Events.h"

#include <QTabWidget>

#include <string>

namespace ui {

class PageControl;

// A page made at run time; pages of a form layout are plain widgets, and every operation of
// PageControl takes either.
class TabSheet : public QWidget {
    Q_OBJECT
public:
    // Adds itself as the last page of pageControl, captioned caption.
    explicit TabSheet(PageControl* pageControl, const std::string& caption = {});

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool TabVisible() const;
    void SetTabVisible(bool visible);
    int PageIndex() const;
    PageControl* Owner() const { return owner_; }

private:
    PageControl* owner_;
};

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    int PageCount() const { return count(); }
    QWidget* Page(int index) const { return widget(index); }
    int IndexOf(QWidget* page) const { return indexOf(page); }

    QWidget* ActivePage() const { return currentWidget(); }
    void SetActivePage(QWidget* page);
    int ActivePageIndex() const { return currentIndex(); }
    void SetActivePageIndex(int index);

    std::string PageCaption(QWidget* page) const;
    void SetPageCaption(QWidget* page, const std::string& caption);
    bool TabVisible(QWidget* page) const;
    void SetTabVisible(QWidget* page, bool visible);

    NotifyEvent OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class PageTabBar;
    // Runs a user's input; a change of page during it is the user's.
    template <class F>
    void UserInput(F input)
    {
        ++userInput_;
        input();
        --userInput_;
    }

    int userInput_ = 0;
};

} // namespace ui
