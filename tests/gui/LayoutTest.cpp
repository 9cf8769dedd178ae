// Sizes and places of the generated panels, the layout operations' errors, the button column's
// pictures and the progress window. No switch is needed: nothing here is read.
#include "GuiFixture.h"

#include "gui/ProgressForm2.h"

#include "ui/Align.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <numeric>

using namespace guitest;

namespace {

class Layouts : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        requesttest::EnsureGlobalSession();
    }
    // A request that is never sent: 127.0.0.1 port 9 (nothing listens), and inactive.
    static MvSNMPRequest2Edits* Request(QWidget* owner, std::vector<VarDescriptor> rows, std::uint8_t kind = SVT_SV,
                                        int keyCount = 0)
    {
        rows.push_back({});
        auto* edits = new MvSNMPRequest2Edits(owner);
        edits->Request.Device.Address = "127.0.0.1";
        edits->Request.Device.Port = 9;
        edits->Request.Active = 0;
        static std::vector<std::vector<VarDescriptor>> keep;
        keep.push_back(rows);
        edits->Request.VarList = MvSNMPVarList(keep.back().data(), kind, keyCount);
        return edits;
    }
    static std::vector<VarDescriptor> Rows(int count, const char* caption = "Row")
    {
        return std::vector<VarDescriptor>(static_cast<std::size_t>(count),
                                          VarDescriptor{"1.3.6.1.3.4242.6.1", caption, integer, readwrite, nullptr});
    }
};

TEST_F(Layouts, EditorRowsButtonColumnPanelAndWindowSizes)
{
    struct Case {
        int rows;
        const char* caption;
        int editorWidth;
        int clientWidth, clientHeight;   // the window's after the layout call
    };
    // Panel: 90 + label + editor wide, 26 n + 55 high; + 122 and + 23 around it; the window
    // 350 to 800 wide, at most 550 high.
    const Case cases[] = {
        {1, "A", 121, 350, 0},
        {3, "A somewhat longer caption", 121, 0, 0},
        {40, "Row", 121, 0, 550},
        {2, "Row", 700, 800, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        TConfigForm form;
        MvSNMPRequest2Edits* edits = Request(&form, Rows(c.rows, c.caption));
        TSNMPEditorPanel* panel = form.MakeEditor(edits);
        if (c.editorWidth != 121)
            panel->SetEditorWidth(c.editorWidth);
        TEditsPanel* rows = panel->EditsPanel;
        const int label = rows->Rows[0].Label->width();
        // The rows' own size, before a window aligns them: a panel on its own.
        QWidget owner;
        std::unique_ptr<MvSNMPRequest2Edits> bareRequest(Request(&owner, Rows(c.rows, c.caption)));
        TEditsPanel bare(&owner, bareRequest.get());
        bare.SetEditorWidth(c.editorWidth, 2);
        const int rowsWidth = bare.width();
        const int rowsHeight = bare.height();
        for (int i = 0; i < c.rows; ++i) {
            const UISnmpVar& r = rows->Rows[static_cast<std::size_t>(i)];
            EXPECT_EQ(r.CheckBox->x(), 20);
            EXPECT_EQ(r.Label->x(), 45);
            EXPECT_EQ(r.Editor->x(), 50 + label);
            EXPECT_EQ(r.Editor->y(), 20 + 26 * i);
            EXPECT_EQ(r.Editor->width(), c.editorWidth);
        }
        EXPECT_EQ(rowsWidth, 90 + label + c.editorWidth);
        EXPECT_EQ(rowsHeight, 26 * c.rows + 55);

        TCtrlBtnPanel* column = panel->Buttons;
        EXPECT_EQ(column->width(), 116);
        int top = 10;
        for (QWidget* control : column->ButtonOrder) {
            EXPECT_EQ(control->x(), 10);
            EXPECT_EQ(control->width(), 96);
            EXPECT_EQ(control->y(), top);
            if (ui::Visible(control))
                top = control->y() + control->height() + 5;
        }
        EXPECT_EQ(column->ArrangedHeight(), column->CloseButton->y() + column->CloseButton->height() + 10);

        const int contentHeight = rowsHeight + 23;
        const int panelHeight = contentHeight < column->ArrangedHeight() ? column->ArrangedHeight() + 23 : contentHeight;
        const int panelWidth = rowsWidth + 122;
        const int clientWidth = std::clamp(panelWidth, 350, 800);
        const int clientHeight = std::min(panelHeight, 550);
        EXPECT_EQ(form.ClientWidth(), clientWidth);
        EXPECT_EQ(form.ClientHeight(), clientHeight);
        if (c.clientWidth != 0) {
            EXPECT_EQ(form.ClientWidth(), c.clientWidth);
        }
        if (c.clientHeight != 0) {
            EXPECT_EQ(form.ClientHeight(), c.clientHeight);
        }
        EXPECT_EQ(panel->geometry(), QRect(0, 0, form.ClientWidth(), form.ClientHeight())) << "the panel fills the window";
    }
}

TEST_F(Layouts, ListPanelIsEightPixelsPerCaptionCharacterUpTo450)
{
    for (int characters : {12, 56, 57}) {
        SCOPED_TRACE(characters);
        static std::vector<std::string> captions;
        captions.push_back(std::string(static_cast<std::size_t>(characters - 1), 'c'));
        std::vector<VarDescriptor> columns = {{"1.3.6.1.3.4242.10.1.1", "I", integer, notaccess, nullptr},
                                              {"1.3.6.1.3.4242.10.1.2", captions.back().c_str(), displaystr, readonly, nullptr}};
        QWidget owner;
        std::unique_ptr<MvSNMPRequest2Edits> request(Request(&owner, columns, MVT_FMV, 1));
        TListViewPanel bare(&owner, request.get());
        EXPECT_EQ(bare.width(), std::min(8 * characters, 450));
        EXPECT_EQ(bare.height(), 350);
        TConfigForm form;
        TSNMPListViewPanel* panel = form.MakeListView(Request(&form, columns, MVT_FMV, 1), -1, std::nullopt, -1, std::nullopt);
        EXPECT_FALSE(ui::Visible(panel->Buttons->AddButton));
        EXPECT_FALSE(ui::Visible(panel->Buttons->DeleteButton));
        EXPECT_FALSE(ui::Visible(panel->Buttons->EditButton)) << "nothing to write outside the key";
    }
}

TEST_F(Layouts, LayoutErrorsAndWindowsThatReadNothing)
{
    TConfigForm editor;
    editor.MakeEditor(Request(&editor, Rows(1)));
    // Requests the refused calls never take.
    std::vector<std::unique_ptr<MvSNMPRequest2Edits>> refused;
    const auto spare = [&] {
        refused.emplace_back(Request(&editor, Rows(1)));
        return refused.back().get();
    };
    const auto message = [](const std::function<void()>& f) -> std::string {
        try {
            f();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "none";
    };
    EXPECT_EQ(message([&] { editor.MakePages(); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(message([&] { editor.MakeEditor(spare()); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(message([&] { editor.AddEditorPage("P", spare()); }),
              "Can not add editor page to a none-page pannel!");
    EXPECT_EQ(message([&] { editor.AddListViewPage("P", spare(), -1, std::nullopt, -1, std::nullopt); }),
              "Can not add listview page to a none-page pannel!");
    EXPECT_EQ(editor.Layout, lyEditor);
    EXPECT_EQ(editor.Requests.size(), 1u);

    std::vector<VarDescriptor> columns = {{"1.3.6.1.3.4242.10.1.1", "I", integer, notaccess, nullptr},
                                          {"1.3.6.1.3.4242.10.1.3", "Number", integer, readwrite, nullptr},
                                          {"1.3.6.1.3.4242.10.1.6", "Status", integer, readwrite, &RowStatusList}};
    TConfigForm list;
    EXPECT_EQ(message([&] { list.MakeListView(Request(&list, columns, MVT_FMV, 1), 2, "go", -1, std::nullopt); }),
              "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:go");
    TConfigForm noList;
    EXPECT_EQ(message([&] { noList.MakeListView(Request(&noList, columns, MVT_FMV, 1), 2, "createAndGo", 1, "destroy"); }),
              "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy")
        << "a row without a drop-down list";
    TConfigForm outside;
    EXPECT_EQ(message([&] { outside.MakeListView(Request(&outside, columns, MVT_FMV, 1), 7, "createAndGo", -1, std::nullopt); }),
              "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo");

    // Layout 0 and a page-less layout 3 read nothing when their modal loop delivers the refresh.
    for (bool pages : {false, true}) {
        TConfigForm form;
        if (pages)
            form.MakePages();
        RunModal(&form, [&] {
            WaitFor([] { return false; }, 50);
            form.Close();
        });
        EXPECT_EQ(form.CurrentRequest, nullptr);
    }
}

class Pictures : public Layouts {
protected:
    void SetUp() override
    {
        Layouts::SetUp();
        previous_ = QDir::currentPath();
        ASSERT_TRUE(dir_.isValid());
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(previous_);
        Layouts::TearDown();
    }
    void WritePicture(const char* name)
    {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(dir_.filePath(name), "BMP"));
    }
    QTemporaryDir dir_;
    QString previous_;
};

const char* const PictureFiles[] = {"Get.bmp", "Set.bmp", "SetCheck.bmp", "Add.bmp", "Delete.bmp",
                                    "SelectAll.bmp", "SelectNone.bmp", "Close.bmp", "Stop.bmp"};

std::vector<ui::BitmapButton*> PictureOrder(TCtrlBtnPanel& c)
{
    return {c.RefreshButton, c.EditButton, c.SetCheckedButton, c.AddButton, c.DeleteButton,
            c.CheckAllButton, c.ClearChecksButton, c.CloseButton, c.StopButton};
}

TEST_F(Pictures, NoneNineOrAnUnreadableOne)
{
    {
        QWidget owner;
        TCtrlBtnPanel column(&owner);
        for (ui::BitmapButton* b : PictureOrder(column)) {
            EXPECT_FALSE(b->HasGlyph());
            EXPECT_FALSE(b->Caption().empty());
        }
    }
    for (const char* file : PictureFiles)
        WritePicture(file);
    {
        QWidget owner;
        TCtrlBtnPanel column(&owner);
        for (ui::BitmapButton* b : PictureOrder(column)) {
            EXPECT_TRUE(b->HasGlyph());
            EXPECT_EQ(b->Caption(), "");
        }
    }
    // An unreadable Add.bmp: the buttons before it have pictures, it and the later ones their
    // captions.
    QFile bad(dir_.filePath("Add.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bad.write("not a picture");
    bad.close();
    QWidget owner;
    TCtrlBtnPanel column(&owner);
    const auto buttons = PictureOrder(column);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(PictureFiles[i]);
        EXPECT_EQ(buttons[i]->HasGlyph(), i < 3);
        EXPECT_EQ(buttons[i]->Caption().empty(), i < 3);
    }
}

TEST_F(Layouts, HidingEditMovesTheLaterButtonsUpAndStopStandsAboveClose)
{
    QWidget owner;
    TCtrlBtnPanel column(&owner);
    column.EditButton->show();
    column.ArrangeButtons();
    const int setTop = column.SetCheckedButton->y();
    column.EditButton->hide();
    column.ArrangeButtons();
    EXPECT_EQ(column.SetCheckedButton->y(), setTop - column.EditButton->height() - 5);
    column.StopButton->show();
    column.ArrangeButtons();
    EXPECT_EQ(column.StopButton->y() + column.StopButton->height() + 5, column.CloseButton->y());
}

TEST_F(Layouts, ProgressWindowFillsByTwoAndClosesOnTick41WhileParented)
{
    ui::Form opener;
    opener.Show();
    TProgressForm2::TimerInterval = 10;
    ProgressForm2 = new TProgressForm2(nullptr, &opener);
    TProgressForm2::TimerInterval = 1000;
    ProgressForm2->SetCaption("Enable STP Progress");
    ProgressForm2->LB_Prompt->SetCaption("Enable STP is processing...");
    std::vector<int> positions;
    QWidget* parentWhileShown = nullptr;
    ProgressForm2->ProgressTimer->OnTimer = [&, step = ProgressForm2->ProgressTimer->OnTimer](QObject* sender) {
        step(sender);
        if (ProgressForm2->isVisible())
            positions.push_back(ProgressForm2->ProgressBar->Position());
        parentWhileShown = ProgressForm2->parentWidget();
    };
    EXPECT_EQ(ProgressForm2->ClientWidth(), 358);
    EXPECT_EQ(ProgressForm2->ClientHeight(), 66);
    ProgressForm2->ShowModal();
    std::vector<int> expected(40);
    std::iota(expected.begin(), expected.end(), 1);
    for (int& p : expected)
        p *= 2;
    expected.push_back(80);   // tick 41 closes it
    EXPECT_EQ(positions, expected);
    EXPECT_EQ(parentWhileShown, &opener);
    EXPECT_EQ(ProgressForm2->parentWidget(), nullptr) << "it leaves its parent at close";
    EXPECT_FALSE(ProgressForm2->ProgressTimer->Enabled());
    delete ProgressForm2;
    ProgressForm2 = nullptr;
}

} // namespace
