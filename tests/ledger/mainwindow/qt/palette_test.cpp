// The window under a light and a dark palette: the text drawn in the lists and the entry
// form reads on its background, measured on the pixels the window paints.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QStyleFactory>
#include <map>

#include "entry_window.h"
#include "platform/qt/readable_colours.h"

namespace qbk {
namespace {

// A dark scheme as desktops set it for Fusion.
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(42, 42, 42), text(255, 255, 255);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    return p;
}

// The contrast of the strongest pixel in `area` against the area's commonest colour
// (its background).
double drawnContrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    const QRect r = area.adjusted(1, 1, -1, -1).intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (const auto& [colour, n] : counts)
        if (n > most) most = n, background = colour;
    double best = 1;
    for (const auto& [colour, n] : counts)
        best = std::max(best, contrastRatio(QColor(colour), QColor(background)));
    return best;
}

class PaletteTest : public testing::EntryWindowTest, public ::testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(GetParam() ? darkPalette()
                                            : QApplication::style()->standardPalette());
        writeSampleBook();
    }
    void TearDown() override { QApplication::setPalette(saved_); }

    // Every cell with text in the rows shown reads on its background; `what` names the
    // view for the failure.
    void expectReadableGrid(QTableView* grid, const char* what) {
        QApplication::processEvents();
        const QImage image = grid->viewport()->grab().toImage();
        const auto* model = grid->model();
        int checked = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                // Cells scrolled out of sight are not drawn.
                if (model->data(index).toString().trimmed().isEmpty() ||
                    !grid->viewport()->rect().contains(grid->visualRect(index)))
                    continue;
                EXPECT_GE(drawnContrast(image, grid->visualRect(index)), kReadableContrast)
                    << what << " row " << row << " column " << column;
                ++checked;
            }
        EXPECT_GT(checked, 0) << what;
    }
    void expectReadableBox(QLineEdit* box, const char* what) {
        QApplication::processEvents();
        const QImage image = box->grab().toImage();
        EXPECT_GE(drawnContrast(image, box->rect().adjusted(4, 4, -4, -4)), kReadableContrast)
            << what;
    }

    // With QBK_PICTURES set, the window as drawn goes to that folder (pictures of the
    // README: light-list.png, dark-entry-form.png...).
    void picture(const char* what) {
        const QByteArray folder = qgetenv("QBK_PICTURES");
        if (folder.isEmpty()) return;
        QApplication::processEvents();
        window->grab().save(QString::fromUtf8(folder) + (GetParam() ? "/dark-" : "/light-") +
                            QString::fromUtf8(what) + QStringLiteral(".png"));
    }

  private:
    QPalette saved_;
};

TEST_P(PaletteTest, ListsReportListAndEntryFormReadInEveryMode) {
    startWith();
    window->resize(window->defaultSize());
    window->show();
    activate();
    window->mainGrid()->setFocus();
    expectReadableGrid(window->mainGrid(), "list with the focus");
    picture("list");
    expectReadableGrid(window->categoryGrid(), "category list without the focus");
    window->categoryGrid()->setFocus();
    expectReadableGrid(window->mainGrid(), "list without the focus");
    expectReadableGrid(window->categoryGrid(), "category list with the focus");

    // An expense opened in the form: its amount in red.
    openRow(0);
    ASSERT_TRUE(formOpen());
    expectReadableBox(box("AmountBox"), "expense amount");
    picture("entry-form");
    expectReadableBox(box("NoteBox"), "note");
    click("CloseButton");

    window->runCommand("mu_NewReport");
    doubleClickCategory(1);
    ASSERT_EQ(rows(), 2);
    expectReadableGrid(window->mainGrid(), "report list");
    picture("report-list");
    expectReadableGrid(window->categoryGrid(), "category list in report mode");
    window->runCommand("mu_QuitReports");
    expectReadableGrid(window->mainGrid(), "list after report mode");
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, PaletteTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

}  // namespace
}  // namespace qbk
