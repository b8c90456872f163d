#include "tools/qt/game_window.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/ports.h"
#include "platform/qt/qt_text.h"

namespace qbk {
namespace {

constexpr int kSquareSize = 36;

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setMinimumWidth(60);
    return l;
}

}  // namespace

QBKGame::QBKGame(Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts) {
    setObjectName(QStringLiteral("QBKGame"));
    setWindowTitle(qs(kGameTitle));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mu_GameFile"));
    mu_new = file->addAction(tr("&New Game"));
    mu_new->setObjectName(QStringLiteral("mu_new"));
    mu_GameHelp = menuBar->addAction(tr("&Help"));
    mu_GameHelp->setObjectName(QStringLiteral("mu_GameHelp"));

    auto* board = new QGridLayout;
    board->setSpacing(2);
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < PegGame::kButtons; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Button"));
        b->setProperty("Index", i);
        b->setFont(bold);
        b->setFixedSize(kSquareSize, kSquareSize);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setVisible(!PegGame::isCorner(i));
        board->addWidget(b, i / PegGame::kSide, i % PegGame::kSide);
        connect(b, &QPushButton::clicked, this, [this, i] { Button_Click(i); });
        Button[static_cast<std::size_t>(i)] = b;
    }
    // Hidden corner buttons take no room; the rows and columns keep their size.
    for (int k = 0; k < PegGame::kSide; ++k) {
        board->setRowMinimumHeight(k, kSquareSize);
        board->setColumnMinimumWidth(k, kSquareSize);
    }

    Label2 = makeLabel(this, "Label2");
    Label3 = makeLabel(this, "Label3");
    LastScore = makeLabel(this, "LastScore");
    best = makeLabel(this, "best");
    auto* status = new QGridLayout;
    status->addWidget(Label2, 0, 0);
    status->addWidget(Label3, 0, 1);
    status->addWidget(new QLabel(tr("Last score:"), this), 1, 0);
    status->addWidget(LastScore, 1, 1);
    status->addWidget(new QLabel(tr("Best score:"), this), 2, 0);
    status->addWidget(best, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(board);
    layout->addLayout(status);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(mu_new, &QAction::triggered, this, &QBKGame::mu_new_Click);
    connect(mu_GameHelp, &QAction::triggered, this, &QBKGame::mu_GameHelp_Click);
    showGame();
    // Esc closes the window, as it closes the other small windows of the desktop.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void QBKGame::showGame() {
    for (int i = 0; i < PegGame::kButtons; ++i) {
        button(i)->setText(qs(game_.caption(i)));
        // The square picked to move stays pressed until the target is clicked.
        button(i)->setDown(game_.source() == i);
    }
    Label2->setText(qs(game_.prompt()));
    Label3->setText(qs(game_.feedback()));
    // A best score of 0 means that no game has been scored yet.
    const bool scored = game_.bestScore() != 0;
    LastScore->setText(scored ? QString::number(game_.lastScore()) : QString());
    best->setText(scored ? QString::number(game_.bestScore()) : QString());
}

void QBKGame::Button_Click(int index) {
    game_.click(index);
    showGame();
}

void QBKGame::mu_new_Click() {
    game_.newGame();
    showGame();
}

void QBKGame::mu_GameHelp_Click() {
    prompts_.message(
        {std::string(kGameHelpText), std::string(kGameHelpTitle), Icon::None, Buttons::Ok, 1});
}

}  // namespace qbk
