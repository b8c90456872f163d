#include "tools/peg_game.h"

#include <cstdlib>

namespace qbk {
namespace {

constexpr std::string_view kFrom = "from...";
constexpr std::string_view kTo = "to...";
constexpr std::string_view kNoGood = "no good";

}  // namespace

const std::string_view kGameHelpText =
    "First click on any box  to be the starting point  - the X in it will disapear (you need an "
    "empty space to begin).\r\n\r\n"
    "After this first one,  X's are removed by jumping over them with another X.\r\n\r\n"
    "Click on the X you wish to move, then click on an empty space two spaces away. The X you "
    "jumped over will be cleared, and the one you jumped it with moves to the new space.\r\n\r\n"
    "You can only move horizontal or vertical, no diagonal moves are allowed.\r\n\r\n"
    "The game is over when it is no longer possible to jump one X over another one.\r\n\r\n"
    "To try again, click File, New Game. The game records your last score and your best score,  "
    "just to frustrate you. :-)";

bool PegGame::isCorner(int index) {
    const int row = index / kSide, column = index % kSide;
    const bool edgeRow = row < 2 || row >= kSide - 2;
    const bool edgeColumn = column < 2 || column >= kSide - 2;
    return edgeRow && edgeColumn;
}

void PegGame::reset() {
    marks_.fill(true);
    firstMove_ = true;
    source_.reset();
    prompt_.clear();
    feedback_.clear();
}

void PegGame::newGame() {
    lastScore_ = marksLeft();
    if (bestScore_ == 0 || lastScore_ < bestScore_) bestScore_ = lastScore_;
    reset();
}

int PegGame::marksLeft() const {
    int n = 0;
    for (int i = 0; i < kButtons; ++i)
        if (!isCorner(i) && hasMark(i)) ++n;
    return n;
}

void PegGame::click(int index) {
    if (index < 0 || index >= kButtons || isCorner(index)) return;
    auto at = [this](int i) -> auto& {
        return marks_[static_cast<std::size_t>(i)];
    };
    if (firstMove_) {
        at(index) = false;
        firstMove_ = false;
        prompt_ = kFrom;
        return;
    }
    feedback_.clear();
    if (!source_) {
        if (!at(index)) {
            feedback_ = kNoGood;
            return;
        }
        source_ = index;
        prompt_ = kTo;
        return;
    }
    const int from = *source_;
    source_.reset();
    prompt_ = kFrom;
    const int step = index - from;
    const bool twoRows = std::abs(step) == 2 * kSide;
    const bool twoColumns = std::abs(step) == 2 && index / kSide == from / kSide;
    const int jumped = from + step / 2;
    if (at(index) || !(twoRows || twoColumns) || !at(jumped)) {
        feedback_ = kNoGood;
        return;
    }
    at(from) = false;
    at(jumped) = false;
    at(index) = true;
}

}  // namespace qbk
