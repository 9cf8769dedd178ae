#pragma once
// The spanning tree and queue bandwidth windows against a simulated Sorvane-Kb switch serving
// tests/support/data/spanning-tree-qos.dat (and the files a suite adds), one switch per test.

#include "SwitchingFixture.h"

#include "ui/ComboBox.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTimer>

class SpanningTreeWindowTest : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"spanning-tree-qos.dat"}; }

    void SetUp() override
    {
        SwitchingWindowTest::SetUp();
        ModuleOIDText = "1.3.6.1.4.1.171.10.133.2.1"; // Sorvane-Kb
    }

    // A user's choice in a drop-down list: the entry selected and the list's change event.
    static void Choose(ui::ComboBox* combo, const std::string& text)
    {
        const int index = combo->IndexOf(text);
        ASSERT_GE(index, 0) << text;
        combo->SetItemIndex(index);
        emit combo->activated(index);
    }

    // Runs action; a modal window that opens meanwhile is closed at once. Whether one opened.
    static bool OpensModalWindow(const std::function<void()>& action)
    {
        bool opened = false;
        const QPointer<QWidget> before = QApplication::activeModalWidget();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* shown = dynamic_cast<ui::Form*>(QApplication::activeModalWidget());
            if (shown == nullptr || shown == before.data() || !shown->Modal() || !shown->isVisible())
                return;
            opened = true;
            shown->Close();
        });
        poll.start(5);
        action();
        return opened;
    }

    // The SET PDUs, as Sets gives them, once the switch has received count of them (an
    // asynchronous write is under way when the click returns).
    std::vector<std::vector<std::string>> SetsOnceThere(std::size_t count)
    {
        WaitFor([&] { return sim->SetJournal().size() >= count; }, 5000);
        return Sets();
    }

    // "OID=value" of a scalar the window writes.
    static std::string Scalar(const std::string& oid, const std::string& value) { return oid + ".0=" + value; }
};
