#pragma once
// A control that reads settings of its own from its form layout. Form layouts carry what Qt's
// classes have no property for (a status bar's panels, a radio group's items) as dynamic
// properties; CustomForm::Loaded calls Loaded on every such control once the layout is built.

namespace ui {

class Loadable {
public:
    virtual ~Loadable() = default;
    virtual void Loaded() = 0;
};

} // namespace ui
