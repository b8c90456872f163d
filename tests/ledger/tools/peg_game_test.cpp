#include "tools/peg_game.h"

#include <gtest/gtest.h>

namespace qbk {
namespace {

// The board as text, one row per line: "X" a mark, "." an empty square, " " hidden.
std::string board(const PegGame& g) {
    std::string text;
    for (int i = 0; i < PegGame::kButtons; ++i) {
        text += PegGame::isCorner(i) ? ' ' : g.hasMark(i) ? 'X' : '.';
        if (i % 8 == 7) text += '\n';
    }
    return text;
}

// A game whose first move emptied square `first`.
PegGame startedAt(int first) {
    PegGame g;
    g.click(first);
    return g;
}

TEST(PegGame, ANewBoardIsACrossOf48Marks) {
    PegGame g;
    EXPECT_EQ(board(g),
              "  XXXX  \n"
              "  XXXX  \n"
              "XXXXXXXX\n"
              "XXXXXXXX\n"
              "XXXXXXXX\n"
              "XXXXXXXX\n"
              "  XXXX  \n"
              "  XXXX  \n");
    EXPECT_EQ(g.marksLeft(), 48);
    EXPECT_EQ(g.caption(0), "X");  // hidden buttons keep their mark
    EXPECT_EQ(g.prompt(), "");
    EXPECT_TRUE(g.firstMove());
}

TEST(PegGame, TheFirstClickEmptiesASquare) {
    PegGame g;
    g.click(0);  // hidden: nothing happens
    EXPECT_TRUE(g.firstMove());
    g.click(27);
    EXPECT_FALSE(g.firstMove());
    EXPECT_EQ(g.caption(27), "");
    EXPECT_EQ(g.prompt(), "from...");
    EXPECT_EQ(g.marksLeft(), 47);
}

TEST(PegGame, JumpsTwoRowsOrTwoColumnsOverAMark) {
    PegGame g = startedAt(27);  // row 3, column 3
    g.click(43);                // row 5, column 3
    EXPECT_EQ(g.prompt(), "to...");
    EXPECT_EQ(g.source(), 43);
    g.click(27);
    EXPECT_EQ(g.feedback(), "");
    EXPECT_EQ(g.prompt(), "from...");
    EXPECT_EQ(g.marksLeft(), 46);
    g.click(33);  // row 4, column 1, two columns left of the emptied 35
    g.click(35);
    EXPECT_EQ(g.feedback(), "");
    EXPECT_EQ(board(g),
              "  XXXX  \n"
              "  XXXX  \n"
              "XXXXXXXX\n"
              "XXXXXXXX\n"
              "X..XXXXX\n"
              "XXX.XXXX\n"
              "  XXXX  \n"
              "  XXXX  \n");
    EXPECT_EQ(g.marksLeft(), 45);
}

TEST(PegGame, OtherTargetsAreNoGoodAndDropThePick) {
    PegGame g = startedAt(27);
    g.click(45);  // diagonal
    g.click(27);
    EXPECT_EQ(g.feedback(), "no good");
    EXPECT_EQ(g.prompt(), "from...");
    EXPECT_EQ(g.source(), std::nullopt);
    EXPECT_EQ(g.marksLeft(), 47);

    g.click(30);  // three columns away
    g.click(27);
    EXPECT_EQ(g.feedback(), "no good");

    g.click(43);  // a marked target
    g.click(44);
    EXPECT_EQ(g.feedback(), "no good");
    EXPECT_EQ(g.source(), std::nullopt);

    g.click(19);  // the next click clears the feedback
    EXPECT_EQ(g.feedback(), "");
    EXPECT_EQ(g.prompt(), "to...");
}

TEST(PegGame, AnEmptySourceOrAnEmptyMiddleIsNoGood) {
    PegGame g = startedAt(27);
    g.click(27);
    EXPECT_EQ(g.feedback(), "no good");
    EXPECT_EQ(g.source(), std::nullopt);
    g.click(43);
    g.click(27);  // 43 jumps 35 into 27
    g.click(51);  // row 6, column 3: jumps over the now empty 43
    g.click(35);
    EXPECT_EQ(g.feedback(), "no good");
    EXPECT_TRUE(g.hasMark(51));
}

TEST(PegGame, AJumpAcrossTheEndOfARowIsRefused) {
    PegGame g = startedAt(24);  // row 3, column 0
    g.click(22);                // row 2, column 6: index + 2 is 24, but in the next row
    g.click(24);
    EXPECT_EQ(g.feedback(), "no good");
    EXPECT_TRUE(g.hasMark(22));
    EXPECT_TRUE(g.hasMark(23));
    EXPECT_FALSE(g.hasMark(24));
}

TEST(PegGame, ScoresAreTheMarksLeftAndTheBestIsTheFewest) {
    const auto play = [](PegGame& g, std::initializer_list<int> clicks) {
        for (const int i : clicks)
            g.click(i);
    };
    PegGame g;
    play(g, {27, 43, 27, 33, 35});
    g.newGame();  // the first scored game sets the best
    EXPECT_EQ(g.lastScore(), 45);
    EXPECT_EQ(g.bestScore(), 45);
    EXPECT_EQ(g.marksLeft(), 48);
    EXPECT_TRUE(g.firstMove());
    EXPECT_EQ(g.prompt(), "");

    play(g, {27});
    g.newGame();  // a worse game
    EXPECT_EQ(g.lastScore(), 47);
    EXPECT_EQ(g.bestScore(), 45);

    play(g, {27, 43, 27, 33, 35, 32, 34, 18, 34});  // 32 over the empty 33: no good
    g.newGame();
    EXPECT_EQ(g.lastScore(), 44);
    EXPECT_EQ(g.bestScore(), 44);
}

TEST(PegGame, HelpText) {
    EXPECT_EQ(kGameTitle, "48 Squares Game - Quillbank 3");
    EXPECT_EQ(kGameHelpTitle, "How to play");
    EXPECT_TRUE(kGameHelpText.starts_with(
        "First click on any box  to be the starting point  - the X in it will disapear (you "
        "need an empty space to begin).\r\n\r\nAfter this first one,  X's"));
    EXPECT_TRUE(kGameHelpText.ends_with("your best score,  just to frustrate you. :-)"));
}

}  // namespace
}  // namespace qbk
