#pragma once
// A multi-line text of lines (a log a window writes into).

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace ui {

class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent = nullptr);

    std::vector<std::string> Lines() const;
    void AddLine(const std::string& line);
    std::string Text() const;
    void SetText(const std::string& text);
    void Clear() { clear(); }
};

} // namespace ui
