// Message boxes of the converter shown as Qt message boxes.
#ifndef QBK_CONVERTER_QT_QT_PROMPTS_H_
#define QBK_CONVERTER_QT_QT_PROMPTS_H_

#include <QPointer>
#include <QWidget>

#include "converter/ports.h"

namespace qbk::converter {

class QtPrompts final : public Prompts {
  public:
    // Message boxes are centred over `parent` when it is set.
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer message(const std::string& text, const std::string& title, Icon icon,
                   Buttons buttons) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_QT_QT_PROMPTS_H_
