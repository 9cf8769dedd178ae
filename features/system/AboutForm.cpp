#include "features/system/AboutForm.h"

#include "snmp/DeviceState.h"

#include <QColor>
#include <QPainter>

#include <array>

TAboutForm* AboutForm = nullptr;

namespace {

struct ModelTexts {
    const char* objectID;
    const char* label;
    const char* caption;
};

constexpr std::array<ModelTexts, 4> Models{{
    {"1.3.6.1.4.1.171.10.133.1.1", "Marvost Sorvane-Ka Management Module", "About Sorvane-Ka Module"},
    {"1.3.6.1.4.1.171.10.133.2.1", "Marvost Sorvane-Kb Management Module", "About Sorvane-Kb Module"},
    {"1.3.6.1.4.1.171.10.133.3.1", "Marvost Sorvane-Kc Management Module", "About Sorvane-Kc Module"},
    {"1.3.6.1.4.1.171.10.133.4.1", "Marvost Sorvane-Kd Management Module", "About Sorvane-Kd Module"},
}};

} // namespace

TAboutForm::TAboutForm(QWidget* owner) : ui::Form(owner)
{
    setupUi(this);
    Loaded();
    SetBorderStyle(ui::bsSingle);
    SetBorderIcons(ui::biSystemMenu);
    SetPosition(ui::poMainFormCenter);
    Image1->SetPicture(Picture());
    Image1->hide();
    OnCreate = ui::Handler(this, &TAboutForm::FormCreate);
    OnActivate = ui::Handler(this, &TAboutForm::FormActivate);
    BT_Ok->OnClick = ui::Handler(this, &TAboutForm::BT_OkClick);
    BT_Ok->OnKeyDown = ui::Handler(this, &TAboutForm::BT_OkKeyDown);
    DoCreate();
}

void TAboutForm::FormCreate(QObject*) { VersionLabel->SetCaption("Release Version 1.1 "); }

void TAboutForm::FormActivate(QObject*)
{
    Image1->show();
    for (const ModelTexts& model : Models)
        if (ModuleOIDText == model.objectID) {
            AboutLabel->SetCaption(model.label);
            SetCaption(model.caption);
        }
}

void TAboutForm::BT_OkClick(QObject*) { Close(); }

void TAboutForm::BT_OkKeyDown(QObject*, int& key, int shift)
{
    // Other modifiers held as well do not matter.
    const int wanted = ui::ssShift | ui::ssAlt;
    if (key == Qt::Key_F3 && (shift & wanted) == wanted)
        VersionLabel->SetCaption("Release Version 1.10R15.");
}

QImage TAboutForm::Picture()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter paint(&picture);
    paint.setRenderHint(QPainter::Antialiasing, false);
    // The case, with a lighter top edge.
    paint.fillRect(1, 9, 30, 14, QColor(38, 42, 48));
    paint.fillRect(1, 9, 30, 1, QColor(72, 78, 86));
    // Two rows of four ports.
    for (int row = 0; row < 2; ++row)
        for (int port = 0; port < 4; ++port)
            paint.fillRect(11 + port * 5, 12 + row * 5, 4, 3, QColor(150, 155, 162));
    // The power LED.
    paint.fillRect(4, 13, 3, 3, QColor(40, 200, 70));
    return picture;
}
