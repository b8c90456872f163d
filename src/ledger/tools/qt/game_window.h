// QBKGame: the window of the "48 Squares" peg-jumping game. The rules and the scores
// come from tools/peg_game.h; the window shows the board as 64 buttons (the corner
// ones hidden), the prompt, the move feedback and the scores.
#ifndef QBK_TOOLS_QT_GAME_WINDOW_H_
#define QBK_TOOLS_QT_GAME_WINDOW_H_

#include <QWidget>
#include <array>

#include "tools/peg_game.h"

class QAction;
class QLabel;
class QPushButton;

namespace qbk {

class Prompts;

class QBKGame : public QWidget {
    Q_OBJECT
  public:
    // A window of its own over `parent`, deleted when closed; opens with a new game.
    QBKGame(Prompts& prompts, QWidget* parent);

    // A click on square `index` of the Button array (row * 8 + column).
    void Button_Click(int index);
    // Scores the game on the board and starts a new one.
    void mu_new_Click();
    // The rules in a message box.
    void mu_GameHelp_Click();

    // Button `index` of the array (the widgets are all named "Button").
    QPushButton* button(int index) const { return Button[static_cast<std::size_t>(index)]; }
    const PegGame& game() const { return game_; }

  private:
    void showGame();

    Prompts& prompts_;
    PegGame game_;
    std::array<QPushButton*, PegGame::kButtons> Button{};
    QLabel* Label2;
    QLabel* Label3;
    QLabel* LastScore;
    QLabel* best;
    QAction* mu_new;
    QAction* mu_GameHelp;
};

}  // namespace qbk

#endif  // QBK_TOOLS_QT_GAME_WINDOW_H_
