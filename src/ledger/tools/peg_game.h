// The peg-jumping game "48 Squares": an 8 x 8 board (index = row * 8 + column) whose
// 2 x 2 corner blocks are hidden, leaving a cross of 48 squares. After one square has
// been emptied, a mark jumps over a neighbouring mark into an empty square two rows or
// two columns away, and the jumped mark goes; fewer marks left is a better score.
#ifndef QBK_TOOLS_PEG_GAME_H_
#define QBK_TOOLS_PEG_GAME_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qbk {

inline constexpr std::string_view kGameTitle = "48 Squares Game - Quillbank 3";
inline constexpr std::string_view kGameHelpTitle = "How to play";
// mu_GameHelp: paragraphs separated by blank lines (CR LF).
extern const std::string_view kGameHelpText;

class PegGame {
  public:
    static constexpr int kSide = 8;
    static constexpr int kButtons = kSide * kSide;
    static constexpr int kSquares = 48;  // the visible ones

    // Whether `index` is one of the 16 hidden corner buttons.
    static bool isCorner(int index);

    // The window opens with a new game and no score.
    PegGame() { reset(); }

    // mu_new: scores the game on the board (the marks left become the last score; the
    // best score takes it when there is none yet or it is lower), then starts anew:
    // every square marked, the first move to come, nothing picked, labels empty.
    void newGame();

    // A click on the square `index` (a hidden corner does nothing):
    //   first move: the square is emptied; the prompt becomes "from...".
    //   picking the source: a marked square is picked and the prompt becomes "to...";
    //     an empty one is refused with "no good".
    //   picking the target: accepted when it is empty, two rows (+-16) or two columns
    //     (+-2, in the same row) from the source and the square between holds a mark:
    //     the source and the jumped square are emptied and the target marked. Any other
    //     target shows "no good". Either way the pick is dropped and the prompt is
    //     "from..." again.
    // Every click after the first move first clears the feedback.
    void click(int index);

    bool hasMark(int index) const { return marks_[static_cast<std::size_t>(index)]; }
    // The caption of a button: "X" for a mark (hidden buttons keep theirs), else "".
    std::string caption(int index) const { return hasMark(index) ? "X" : ""; }
    const std::string& prompt() const { return prompt_; }      // Label2
    const std::string& feedback() const { return feedback_; }  // Label3
    std::optional<int> source() const { return source_; }
    bool firstMove() const { return firstMove_; }
    // Marks on the visible squares.
    int marksLeft() const;
    int lastScore() const { return lastScore_; }
    int bestScore() const { return bestScore_; }  // 0: no game scored yet

  private:
    void reset();

    std::array<bool, kButtons> marks_{};
    bool firstMove_ = true;
    std::optional<int> source_;
    std::string prompt_, feedback_;
    int lastScore_ = 0, bestScore_ = 0;
};

}  // namespace qbk

#endif  // QBK_TOOLS_PEG_GAME_H_
