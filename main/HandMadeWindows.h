#pragma once
// Hand-made window classes by class name, for the handler rows that name them. A class is
// registered by one line in RegisterHandMadeWindows (main/HandMadeWindows.cpp):
//     Register<TDNSCtrlForm>("TDNSCtrlForm", &DNSCtrlForm);
// or, for a constructor that takes the row's further argument (the login method list's mode):
//     Register("TLoginMethodListForm", [](QWidget* owner, int mode) -> ui::Form* {
//         return new TLoginMethodListForm(owner, mode); }, &LoginMethodListForm);
// A row whose class is not registered leaves its menu item disabled.

#include "ui/Form.h"

#include <functional>
#include <string>
#include <string_view>

struct HandMadeWindow {
    // Makes the window with its owner (nullptr: the application) and the row's argument.
    std::function<ui::Form*(QWidget* owner, int argument)> Create;
    // Sets the class's unit global (the window while shown, nullptr after); none without one.
    std::function<void(ui::Form* window)> SetUnitGlobal;
};

// Adds (or replaces) the class's factory.
void RegisterHandMadeWindow(const std::string& className, HandMadeWindow window);
// The factory of the class; nullptr when it is not registered.
const HandMadeWindow* FindHandMadeWindow(std::string_view className);

// The factory of a class whose constructor takes the owner alone, with its unit global.
template <class Window>
void Register(const std::string& className, Window** unitGlobal = nullptr)
{
    RegisterHandMadeWindow(className,
                           {[](QWidget* owner, int) -> ui::Form* { return new Window(owner); },
                            [unitGlobal](ui::Form* window) {
                                if (unitGlobal != nullptr)
                                    *unitGlobal = static_cast<Window*>(window);
                            }});
}

// The factory of a class made by create, with its unit global.
template <class Window>
void Register(const std::string& className, std::function<ui::Form*(QWidget*, int)> create,
              Window** unitGlobal)
{
    RegisterHandMadeWindow(className, {std::move(create), [unitGlobal](ui::Form* window) {
                                           if (unitGlobal != nullptr)
                                               *unitGlobal = static_cast<Window*>(window);
                                       }});
}
