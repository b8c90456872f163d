#include "tools/qt/calculator_window.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/qt/named_widgets.h"
#include "platform/qt/qt_text.h"

namespace qbk {
TinyCalc::TinyCalc(const RegionalSettings& regional, QWidget* parent)
    : QWidget(parent, Qt::Window), calculator_(regional) {
    setObjectName(QStringLiteral("TinyCalc"));
    setWindowTitle(tr("Calculator"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* menuBar = new QMenuBar(this);
    tcmnuFile = menuBar->addMenu(tr("&File"));
    tcmnuFile->setObjectName(QStringLiteral("tcmnuFile"));
    tcmnuExit = tcmnuFile->addAction(tr("E&xit"));
    tcmnuExit->setObjectName(QStringLiteral("tcmnuExit"));

    TCTopNum = new QLineEdit(this);
    TCTopNum->setObjectName(QStringLiteral("TCTopNum"));
    TCBotNum = new QLineEdit(this);
    TCBotNum->setObjectName(QStringLiteral("TCBotNum"));
    for (QLineEdit* box : {TCTopNum, TCBotNum})
        box->setAlignment(Qt::AlignRight);
    TCOp = new QLabel(this);
    TCOp->setObjectName(QStringLiteral("TCOp"));
    TCOp->setAlignment(Qt::AlignCenter);
    TCOp->setMinimumWidth(20);
    TCResult = new QLabel(this);
    TCResult->setObjectName(QStringLiteral("TCResult"));
    TCResult->setToolTip(tr("Double-click to place in clipboard!"));
    TCResult->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    TCResult->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TCResult->setMinimumHeight(26);
    TCResult->setAutoFillBackground(true);
    TCResult->setBackgroundRole(QPalette::Base);
    TCResult->installEventFilter(this);

    TCAdd = namedButton(this, "TCAdd", tr("&Add"));
    TCSub = namedButton(this, "TCSub", tr("&Subtract"));
    TCMul = namedButton(this, "TCMul", tr("&Multiply"));
    TCDiv = namedButton(this, "TCDiv", tr("&Divide"));
    TCClear = namedButton(this, "TCClear", tr("&Clear"));
    TCRepeat = namedButton(this, "TCRepeat", tr("result on &top"));

    auto* grid = new QGridLayout;
    grid->addWidget(TCTopNum, 0, 1);
    grid->addWidget(TCOp, 1, 0);
    grid->addWidget(TCBotNum, 1, 1);
    grid->addWidget(TCResult, 2, 1);
    auto* operations = new QGridLayout;
    operations->addWidget(TCAdd, 0, 0);
    operations->addWidget(TCSub, 0, 1);
    operations->addWidget(TCMul, 1, 0);
    operations->addWidget(TCDiv, 1, 1);
    operations->addWidget(TCClear, 2, 0);
    operations->addWidget(TCRepeat, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(grid);
    layout->addLayout(operations);
    setFixedWidth(260);

    connect(TCAdd, &QPushButton::clicked, this, &TinyCalc::TCAdd_Click);
    connect(TCSub, &QPushButton::clicked, this, &TinyCalc::TCSub_Click);
    connect(TCMul, &QPushButton::clicked, this, &TinyCalc::TCMul_Click);
    connect(TCDiv, &QPushButton::clicked, this, &TinyCalc::TCDiv_Click);
    connect(TCClear, &QPushButton::clicked, this, &TinyCalc::TCClear_Click);
    connect(TCRepeat, &QPushButton::clicked, this, &TinyCalc::TCRepeat_Click);
    connect(tcmnuExit, &QAction::triggered, this, &TinyCalc::tcmnuExit_Click);

    showDisplay(calculator_.display());
    // Esc closes the window, as it closes the other small windows of the desktop.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

bool TinyCalc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TCResult && (event->type() == QEvent::MouseButtonPress ||
                                event->type() == QEvent::MouseButtonDblClick)) {
        TCResult_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TinyCalc::showDisplay(const Calculator::Display& display) {
    TCTopNum->setText(qs(display.top));
    TCBotNum->setText(qs(display.bottom));
    TCOp->setText(qs(display.op));
    TCResult->setText(qs(display.result));
}

void TinyCalc::operate(CalcOperator op) {
    calculator_.operate(op, utf8(TCTopNum->text()), utf8(TCBotNum->text()));
    showDisplay(calculator_.display());
}

void TinyCalc::TCAdd_Click() {
    operate(CalcOperator::Add);
}
void TinyCalc::TCSub_Click() {
    operate(CalcOperator::Subtract);
}
void TinyCalc::TCMul_Click() {
    operate(CalcOperator::Multiply);
}
void TinyCalc::TCDiv_Click() {
    operate(CalcOperator::Divide);
}

void TinyCalc::TCClear_Click() {
    calculator_.clear();
    showDisplay(calculator_.display());
}

void TinyCalc::TCRepeat_Click() {
    calculator_.resultOnTop();
    showDisplay(calculator_.display());
    TCBotNum->setFocus();
}

void TinyCalc::TCResult_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(TCResult->text());
}

void TinyCalc::tcmnuExit_Click() {
    close();
}

}  // namespace qbk
