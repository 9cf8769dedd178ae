#pragma once
// A progress bar without text: a position between a minimum and a maximum, stepped by StepIt,
// which wraps to the start when it passes the maximum.

#include <QProgressBar>

namespace ui {

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int min) { setMinimum(min); }
    int Max() const { return maximum(); }
    void SetMax(int max) { setMaximum(max); }
    int Position() const { return value(); }
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }

    // Position plus Step; past the maximum it starts over from the minimum.
    void StepIt();

private:
    int step_ = 10;
};

} // namespace ui
