#pragma once
// A window with a binding driver whose variable list the test writes itself: bindings and value
// transfers without an agent.

#include "support/FormTest.h"

#include "snmp/OptionList.h"
#include "snmp/Request2Edits.h"
#include "snmp/VarList.h"

#include "ui/CheckBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Form.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace bindingtest {

inline const OptionItem EnabledDisabledTable[] = {{1, "enabled"}, {2, "disabled"}, {}};

class BindingTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        form = std::make_unique<ui::Form>();
        ui::SetBounds(form.get(), 100, 100, 600, 400);
        driver = std::make_unique<MvSNMPRequest2Edits>(form.get());
    }

    void TearDown() override
    {
        driver.reset();
        form.reset();
        FormTest::TearDown();
    }

    // The driver's list: the rows (without the end row) as items of a list of that kind, with
    // the values given.
    void Items(std::vector<VarDescriptor> rows, const std::vector<std::string>& values = {},
               std::uint8_t kind = SVT_SV, int keyCount = 0)
    {
        rows.push_back({});
        driver->Request.VarList = MvSNMPVarList(rows.data(), kind, keyCount);
        for (std::size_t i = 0; i < values.size(); ++i)
            Value(static_cast<int>(i)) = values[i];
    }

    std::string& Value(int item) { return driver->Request.VarList.Item(item).value; }

    template <class Control>
    Control* Add(int left, int top, int width, int height)
    {
        auto* control = new Control(form.get());
        ui::SetBounds(control, left, top, width, height);
        return control;
    }

    // Small controls in rows of twenty from the top left corner.
    template <class Control>
    Control* Add()
    {
        auto* control = new Control(form.get());
        ui::SetBounds(control, 10 + 24 * (added_ % 20), 10 + 30 * (added_ / 20), 22, 22);
        ++added_;
        return control;
    }

    template <class Control>
    std::vector<Control*> AddMany(int count)
    {
        std::vector<Control*> controls;
        for (int k = 0; k < count; ++k)
            controls.push_back(Add<Control>());
        return controls;
    }

    static std::set<int> Checked(const std::vector<ui::CheckBox*>& boxes)
    {
        std::set<int> checked;
        for (std::size_t k = 0; k < boxes.size(); ++k)
            if (boxes[k]->Checked())
                checked.insert(static_cast<int>(k));
        return checked;
    }

    static std::vector<std::string> Texts(const std::vector<ui::Edit*>& edits)
    {
        std::vector<std::string> texts;
        for (const ui::Edit* edit : edits)
            texts.push_back(edit->Text());
        return texts;
    }

    MvOptionList enabledDisabled{EnabledDisabledTable, 1};
    std::unique_ptr<ui::Form> form;
    std::unique_ptr<MvSNMPRequest2Edits> driver;

private:
    int added_ = 0;
};

} // namespace bindingtest
