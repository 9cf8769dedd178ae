#pragma once
// Texts on a form: a label and a static text (a label with a sunken border, which the control
// bindings tell apart from a label). Both size themselves to their caption unless told not to.

#include "ui/Loadable.h"

#include <QLabel>

#include <string>

namespace ui {

enum TextAlign { taLeftJustify, taRightJustify, taCenter };

class Label : public QLabel, public Loadable {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    void SetAlignment(TextAlign align);

    // Reads the dynamic property AutoSize of the form layout (on when absent).
    void Loaded() override;

private:
    bool autoSize_ = true;
};

class StaticText : public Label {
    Q_OBJECT
public:
    explicit StaticText(QWidget* parent = nullptr);
};

} // namespace ui
