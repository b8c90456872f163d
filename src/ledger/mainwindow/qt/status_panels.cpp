#include "mainwindow/qt/status_panels.h"

#include <QHBoxLayout>
#include <QLabel>

namespace qbk {

StatusPanels::StatusPanels(const QString& objectName, const std::vector<int>& stretch,
                           QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::NoFrame);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < stretch.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(objectName + QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(20);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        layout->addWidget(label, stretch[i]);
        panels_.push_back(label);
    }
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel - 1))->setText(text);
}

QString StatusPanels::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1))->text();
}

void StatusPanels::setPanelVisible(int panel, bool visible) {
    panels_.at(static_cast<std::size_t>(panel - 1))->setVisible(visible);
}

bool StatusPanels::isPanelVisible(int panel) const {
    return !panels_.at(static_cast<std::size_t>(panel - 1))->isHidden();
}

}  // namespace qbk
