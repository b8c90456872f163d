#include "mainwindow/qt/search_commands.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "mainwindow/entry_editing.h"
#include "mainwindow/qt/qbk3_main.h"
#include "mainwindow/searches.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"
#include "store/pick_list.h"

namespace qbk {

SearchCommands::SearchCommands(QBK_3_Main& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("SearchCommands"));
    window.setCommand("mu_SearchComplete", [this] { mu_SearchComplete_Click(); });
    window.setCommand("mu_SearchFragment", [this] { mu_SearchFragment_Click(); });
    window.setCommand("mu_SearchUDF1", [this] { mu_SearchUDF1_Click(); });
    window.setCommand("mu_SearchUDF2", [this] { mu_SearchUDF2_Click(); });
    connect(window.udfSearchList(), &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { UDFSearchList_Click(item); });
    connect(window.udfSearchPrompt(), &QPushButton::clicked, this,
            [this] { UDFSearchPrompt_Click(); });
}

void SearchCommands::askWord(bool completeWord) {
    MainState& state = window_.state();
    std::string& last = completeWord ? state.LastCompleteWord : state.LastFragment;
    const std::optional<std::string> answer =
        window_.prompts().input(std::string(completeWord ? kCompleteWordTitle : kFragmentTitle),
                                completeWord ? completeWordPrompt() : fragmentPrompt(), last);
    last = answer.value_or("");
    if (last.empty()) return;
    state.SearchText = last;
    state.SearchCompleteWord = completeWord;
    window_.refreshList();
    window_.focusMainGrid();
}

void SearchCommands::openPicker(int field) {
    MainState& state = window_.state();
    std::vector<std::string> values;
    if (!window_.prompts().attempt(
            [&] { values = readPickList(pickListPath(state.DataFolder, field)); }))
        return;
    state.UDFSearchField = field;
    QListWidget* list = window_.udfSearchList();
    list->clear();
    for (const std::string& v : values)
        list->addItem(qs(v));
    const SettingsRecord& s = state.ProgramSettings;
    QPushButton* prompt = window_.udfSearchPrompt();
    prompt->setText(qs(pickerCaption(field == 1 ? s.udf1Name() : s.udf2Name())));
    list->show();
    list->raise();
    prompt->show();
    prompt->raise();
    window_.categoryGrid()->hide();
    list->setFocus();
}

void SearchCommands::UDFSearchList_Click(QListWidgetItem* item) {
    if (item == nullptr) return;
    MainState& state = window_.state();
    state.SearchText = pickListSearchText(state.UDFSearchField, utf8(item->text()));
    state.SearchCompleteWord = false;
    closePicker();
    window_.refreshList();
    window_.focusMainGrid();
}

void SearchCommands::UDFSearchPrompt_Click() {
    closePicker();
}

void SearchCommands::closePicker() {
    window_.udfSearchList()->hide();
    window_.udfSearchPrompt()->hide();
    window_.categoryGrid()->show();
}

}  // namespace qbk
