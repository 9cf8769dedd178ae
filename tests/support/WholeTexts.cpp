#include "support/WholeTexts.h"

#include "ui/StatusBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTabBar>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTextDocument>

#include <algorithm>
#include <sstream>

namespace wholetexts {

namespace {

// The font the program sets (ui/Application.cpp), at the size the layouts were drawn for.
const char* const ProgramFamily = "DejaVu Sans";

struct Text {
    QRect Area;      // where the text is drawn, in the control's coordinates
    QSize Needed;    // the room the text needs
    QSize Room;      // the room the control gives it
};

std::string Path(const QWidget* control, const QWidget* window)
{
    std::string path;
    for (const QWidget* w = control; w != nullptr && w != window; w = w->parentWidget()) {
        const std::string name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString();
        path = path.empty() ? name : name + "/" + path;
    }
    return path;
}

// Qt's own parts of a control (a combo box's edit, a list view's header, a tab bar's scroll
// buttons) and the status bar, whose panels show run-time log lines, are not layout texts.
bool IsLayoutControl(const QWidget* control, const QWidget* window)
{
    for (const QWidget* w = control->parentWidget(); w != nullptr && w != window; w = w->parentWidget()) {
        if (qobject_cast<const ui::StatusBar*>(w) != nullptr || qobject_cast<const QComboBox*>(w) != nullptr ||
            qobject_cast<const QAbstractSpinBox*>(w) != nullptr || qobject_cast<const QLineEdit*>(w) != nullptr ||
            qobject_cast<const QTabBar*>(w) != nullptr ||
            (qobject_cast<const QAbstractScrollArea*>(w) != nullptr && qobject_cast<const QScrollArea*>(w) == nullptr))
            return false;
    }
    return qobject_cast<const ui::StatusBar*>(control) == nullptr;
}

bool IsRichText(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// A label draws its text in its contents rectangle less its margin and its indent, which with
// a frame and no indent set is half an "x" on the side the text is aligned to.
QRect LabelTextRoom(const QLabel* label)
{
    QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    if (align & Qt::AlignLeft)
        room.setLeft(room.left() + indent);
    if (align & Qt::AlignRight)
        room.setRight(room.right() - indent);
    if (align & Qt::AlignTop)
        room.setTop(room.top() + indent);
    if (align & Qt::AlignBottom)
        room.setBottom(room.bottom() - indent);
    return room;
}

Text LabelText(const QLabel* label)
{
    const QRect room = LabelTextRoom(label);
    QSize needed;
    if (IsRichText(label)) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(room.width());
        needed = QSize(static_cast<int>(label->wordWrap() ? document.size().width() : document.idealWidth()),
                       static_cast<int>(document.size().height()));
    } else {
        const QFontMetrics metrics = label->fontMetrics();
        // Every line of a word-wrapped text at the label's width; a word longer than that line
        // is not broken and runs out. A line is as high as the font.
        const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs;
        const QRect bounds =
            metrics.boundingRect(QRect(0, 0, label->wordWrap() ? room.width() : 4000, 4000), flags, label->text());
        const int lines = std::max(1, (bounds.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing());
        needed = QSize(bounds.width(), lines * metrics.height() + (lines - 1) * metrics.leading());
    }
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    return {QStyle::alignedRect(label->layoutDirection(), align, needed, room), needed, room.size()};
}

// A check box or a radio button draws its caption in the style's contents rectangle, beside
// its indicator; a push button its picture and caption centred in its contents rectangle.
Text ButtonText(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QFontMetrics metrics = button->fontMetrics();
    QSize needed = metrics.size(Qt::TextShowMnemonic, button->text());
    QRect room;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    const QStyle* style = button->style();
    if (qobject_cast<const QCheckBox*>(button) != nullptr || qobject_cast<const QRadioButton*>(button) != nullptr) {
        // The room beside the indicator.
        const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
        room = style->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option,
                                     button);
    } else {
        // The caption and picture centred inside the frame and the margin the style keeps around
        // a button's contents (what its size hint adds to them).
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int around = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
                           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        room = QRect(around / 2, contents.top(), button->width() - around, contents.height());
        if (!button->icon().isNull())
            needed.setWidth(needed.width() + button->iconSize().width() + 4);
        align = Qt::AlignCenter;
    }
    needed.setHeight(metrics.height());
    return {QStyle::alignedRect(button->layoutDirection(), align, needed, room), needed, room.size()};
}

// The sibling controls that hold others or draw nothing over what lies on them: a text placed
// on one of them is not covered by it.
bool IsBackground(const QWidget* sibling)
{
    if (qobject_cast<const QGroupBox*>(sibling) != nullptr || qobject_cast<const QTabWidget*>(sibling) != nullptr ||
        qobject_cast<const QScrollArea*>(sibling) != nullptr)
        return true;
    const QByteArray cls = sibling->metaObject()->className();
    return cls == "ui::Panel" || cls == "ui::Shape" || cls == "ui::Bevel" || cls == "QWidget" || cls == "QFrame";
}

// A control that lies wholly outside what its parent shows is out of view, as if invisible
// (some layouts park a control there on purpose).
bool OutOfView(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    return parent != nullptr && !control->geometry().intersects(parent->rect());
}

void Check(const QWidget* control, const QString& text, const Text& t, const QWidget* window,
           std::vector<Fault>& faults)
{
    const std::string path = Path(control, window);
    const auto fault = [&](const std::string& why) { faults.push_back({path, text.toStdString(), why}); };
    if (t.Needed.width() > t.Room.width()) {
        std::ostringstream why;
        why << "needs " << t.Needed.width() << " px of width, has " << t.Room.width();
        fault(why.str());
    }
    if (t.Needed.height() > t.Room.height()) {
        std::ostringstream why;
        why << "needs " << t.Needed.height() << " px of height, has " << t.Room.height();
        fault(why.str());
    }
    // Cut by what holds it: each parent shows only its own rectangle.
    QRect area = t.Area;
    QPoint offset;
    for (const QWidget* w = control; w != window; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        // A scroll box shows the rest when scrolled.
        if (parent->parentWidget() != nullptr && qobject_cast<const QScrollArea*>(parent->parentWidget()) != nullptr)
            break;
        offset += w->pos();
        const QRect inParent = area.translated(offset);
        const QRect shown = inParent.intersected(parent->rect());
        if (shown != inParent) {
            fault("runs out of " + (parent == window ? std::string("the window") : Path(parent, window)));
            break;
        }
    }
    // Covered by a sibling control above it, or lying on one below it that is no background.
    const QWidget* parent = control->parentWidget();
    const QRect onParent = t.Area.translated(control->pos());
    bool above = false;
    for (const QObject* child : parent->children()) {
        if (child == control) {
            above = true;
            continue;
        }
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == nullptr || sibling->isWindow() || !sibling->isVisibleTo(window) ||
            !IsLayoutControl(sibling, window) || OutOfView(sibling))
            continue;
        // A label without a frame or a background draws nothing but its text.
        const auto* label = qobject_cast<const QLabel*>(sibling);
        const bool bare = label != nullptr && label->frameWidth() == 0 && !label->autoFillBackground();
        const QRect occupied = bare ? LabelText(label).Area.translated(label->pos()) : sibling->geometry();
        if (!occupied.intersects(onParent))
            continue;
        if (above)
            fault("lies under " + Path(sibling, window));
        else if (!IsBackground(sibling))
            fault("lies on " + Path(sibling, window));
    }
}

} // namespace

std::vector<Fault> CutOrCoveredTexts(const QWidget* window)
{
    std::vector<Fault> faults;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || !control->isVisibleTo(window) || !IsLayoutControl(control, window) ||
            OutOfView(control))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (!label->text().isEmpty())
                Check(label, label->text(), LabelText(label), window, faults);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            const bool kind = qobject_cast<const QCheckBox*>(button) != nullptr ||
                              qobject_cast<const QRadioButton*>(button) != nullptr ||
                              qobject_cast<const QPushButton*>(button) != nullptr;
            if (kind && !button->text().isEmpty())
                Check(button, button->text(), ButtonText(button), window, faults);
        }
    }
    return faults;
}

std::vector<Fault> CutOrCoveredTextsOnEveryPage(QWidget* window)
{
    std::vector<Fault> faults = CutOrCoveredTexts(window);
    for (QTabWidget* pages : window->findChildren<QTabWidget*>()) {
        if (pages->window() != window || !pages->isVisibleTo(window))
            continue;
        const int active = pages->currentIndex();
        for (int i = 0; i < pages->count(); ++i) {
            if (i == active)
                continue;
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            for (Fault& fault : CutOrCoveredTexts(window)) {
                const bool known = std::any_of(faults.begin(), faults.end(), [&](const Fault& f) {
                    return f.Control == fault.Control && f.Why == fault.Why;
                });
                if (!known)
                    faults.push_back(std::move(fault));
            }
        }
        pages->setCurrentIndex(active);
        QApplication::processEvents();
    }
    return faults;
}

std::string ProgramFontProblem()
{
    const QFontInfo used(QApplication::font());
    if (used.family() == QLatin1String(ProgramFamily) && !used.styleName().contains(QLatin1String("Condensed")))
        return {};
    return "the application font is " + used.family().toStdString() + " " + used.styleName().toStdString() +
           ", not " + ProgramFamily + " (scripts/install-deps installs fonts-dejavu-core)";
}

std::string Describe(const std::vector<Fault>& faults)
{
    std::ostringstream out;
    for (const Fault& f : faults)
        out << "  " << f.Control << " \"" << f.Text << "\": " << f.Why << "\n";
    return out.str();
}

} // namespace wholetexts
