#pragma once
// Containers: a panel (a frame with an optional centred caption and a bevel) and a group box.
// Their children may be aligned to their sides (ui/Align.h).

#include "ui/Loadable.h"

#include <QFrame>
#include <QGroupBox>

#include <string>

namespace ui {

enum Bevel { bvNone, bvLowered, bvRaised };

class Panel : public QFrame, public Loadable {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    Bevel BevelOuter() const { return bevel_; }
    void SetBevelOuter(Bevel bevel);

    // Reads the dynamic properties Caption and BevelOuter ("bvNone", "bvLowered", "bvRaised").
    void Loaded() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string caption_;
    Bevel bevel_ = bvRaised;
};

class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit GroupBox(QWidget* parent = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
};

} // namespace ui
