#pragma once
// The ingress rule windows on the rule frame (Ethernet, IPv6, packet content) against a simulated
// Sorvane-Kb switch serving their tables (sim/data/common.dat): open one idle, type a rule that
// passes every check, and read what the switch received.

#include "AclFixture.h"

#include "features/acl/AclRuleFrame.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <QApplication>
#include <QCoreApplication>

#include <functional>
#include <string>
#include <vector>

class AclRuleWindowTest : public AclWindowTest {
protected:
    template <class Window>
    Window& OpenIdle()
    {
        Window& w = Open<Window>();
        WaitIdle(w);
        return w;
    }

    // The OID of a column of a table entry at an instance ("3.7").
    static std::string Cell(const std::string& entry, int subId, const std::string& instance)
    {
        return entry + "." + std::to_string(subId) + "." + instance;
    }

    // The inputs of a new rule that passes every check of the window: no row selected, the
    // keys, ports 2 and 4, Permit checked and "permit".
    template <class Window>
    static void NewRule(Window& w, ui::Edit* profile, ui::Edit* access, const std::string& profileText,
                        const std::string& accessText)
    {
        ClickRow(w.ListView1, -1);
        profile->SetText(profileText);
        access->SetText(accessText);
        TickPorts(w.PortSelector, {2, 4});
        w.cbxPermit->SetChecked(true);
        Choose(w.PermitComboBox, "permit");
    }

    // The caption of a window's own message boxes about its writes.
    static std::string ProgramName()
    {
        return QCoreApplication::applicationFilePath().section('/', -1).toStdString();
    }

    // The checks before a write, one case on inputs that pass the checks before it: the one
    // message (none where the check leaves it to the focus), the focus on the control named
    // (none: it stays on the button), nothing written.
    struct CheckCase {
        const char* name;
        std::function<void()> arrange;
        std::string message;
        QWidget* focus;
    };
    void ExpectRefused(ui::Button* button, const CheckCase& c)
    {
        SCOPED_TRACE(c.name);
        c.arrange();
        ClearMessageBoxes();
        Click(button);
        EXPECT_EQ(MessageBoxTexts(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), c.focus != nullptr ? c.focus : button);
        EXPECT_TRUE(Sets().empty());
    }
};
