// Prompts shown as Qt message boxes, input dialogs and file dialogs.
#ifndef QBK_PLATFORM_QT_QT_PROMPTS_H_
#define QBK_PLATFORM_QT_QT_PROMPTS_H_

#include <QPointer>
#include <QWidget>

#include "platform/ports.h"

namespace qbk {

class QtPrompts final : public Prompts {
  public:
    // Dialogs are shown over the active window of the program, or over `parent` when
    // none is active (may be set later; null: no parent).
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const Message& message) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;
    std::string openFile(const FileDialog& dialog, bool mayCreate) override;
    std::string saveFile(const FileDialog& dialog) override;

  private:
    QWidget* owner() const;

    QPointer<QWidget> parent_;
};

// "Description|*.a;*.b|..." as a Qt name filter list "Description (*.a *.b);;...".
QString qtNameFilters(const std::string& filter);

// `path` with the extension of the first pattern of the Qt name filter chosen
// ("Comma-separated values (*.csv)" gives ".csv") when its name has none; a pattern
// without one ("quillbank.dat") adds nothing.
QString withFilterSuffix(const QString& path, const QString& nameFilter);

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_QT_PROMPTS_H_
