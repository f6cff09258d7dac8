// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/grid_edit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "model/undo_history.h"
#include "read_values.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;
using G = GridEdit;

constexpr int kKeyVfo = 1, kKeyBankA = 3, kKeyBankB = 4, kKeyBankC = 5, kKeyPScan = 11, kKeyTv = 13;

// Memory channels named by a letter, on a frequency of their own; a clean
// document with channels 0..9 of bank A in use ("abcdefghij").
struct Doc : VersionDocument {
    GridEdit edit{master};
    explicit Doc(const std::string& more = "") : VersionDocument(1) {
        Blank({M::kListMemory});
        std::istringstream in("0a 1b 2c 3d 4e 5f 6g 7h 8i 9j " + more);
        for (std::string w; in >> w;) {  // "7h", or "100-149z" for a run of one letter
            int first = 0, last = 0;
            char letter = 0;
            if (std::sscanf(w.c_str(), "%d-%d%c", &first, &last, &letter) != 3)
                last = (std::sscanf(w.c_str(), "%d%c", &first, &letter), first);
            for (int i = first; i <= last; ++i)
                Use(M::kListMemory, i, 14400000 + letter * 2500).Name({letter});
        }
        master.WriteToEep();
        radio.EditOn(false);
    }
    // The memories in order: a channel in use by its letter ('?' if its
    // frequency and name parted), a run of n blank ones as "(n)", one as ".".
    std::string Layout() const {
        std::string s;
        for (int i = 0, blanks = 0; i <= 400; ++i) {
            const clsRigQ5_Ch* ch = i < 400 ? master.ListCh(M::kListMemory, i) : nullptr;
            if (ch && !ch->AppearCh() && ++blanks) continue;
            if (blanks > 0) s += blanks == 1 ? "." : "(" + std::to_string(blanks) + ")";
            blanks = 0;
            const char letter = ch ? ch->Name()[0] : 0;
            if (ch) s += ch->FreqOp_Pure() == 14400000 + letter * 2500 ? letter : '?';
        }
        return s;
    }
};

}  // namespace

TEST(GridEdit, DeleteInsertAndMoveShiftOnlyWithinTheGroup) {
    // Delete moves the rest of the group up and blanks its last channel;
    // insert moves the rest down and is refused while the group's last channel
    // is in use; a move carries the channel and blanks its source, a copy
    // keeps it; a drop on a bank takes the bank's first blank channel.
    // "operation key row toKey toRow result layout memories-also-in-use;":
    // Delete, Insert, Move, Copy, move to a Bank, Up and doWn with the
    // neighbour (never out of the group, never a blank); results: 0 done, 1 not
    // available, 2 insert refused, 3 no blank channel in the bank (a full
    // bank still takes the drop's offer).
    std::istringstream cases(
        "D 3 0 0 0 0 bcdefghij(39)x.y(349) 49x 50y;D 3 49 0 0 0 abcdefghij(40)y(349) 49x 50y;"
        "D 4 3 0 0 0 abcdefghij(43)y(346) 53x 54y;I 3 0 0 0 0 .abcdefghij(39)y(349) 50y;"
        "I 4 5 0 0 0 abcdefghij(46)x(343) 55x;I 3 0 0 0 0 .abcdefghij(38)x(350) 48x;I 3 0 0 0 2 "
        "abcdefghij(39)x(350) 49x;"
        "M 3 3 4 10 0 abc.efghij(50)d(339);C 3 3 4 10 0 abcdefghij(50)d(339);"
        "M 3 3 3 3 1 abcdefghij(390);B 3 4 4 0 0 abcd.fghij(40)ye(348) 50y;"
        "B 3 4 3 0 1 abcdefghij(390);"
        "B 3 5 5 0 3 abcdefghij(90)zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz(250) "
        "100-149z;U 3 3 0 0 0 abdcefghij(390);W 3 9 0 0 0 abcdefghi.j(389);"
        "U 3 1 0 0 0 bacdefghij(390);U 3 0 0 0 1 abcdefghij(390);W 3 12 0 0 1 abcdefghij(390);"
        "W 3 49 0 0 1 abcdefghij(39)x(350) 49x;U 4 0 0 0 1 abcdefghij(40)y(349) 50y");
    for (std::string c; std::getline(cases, c, ';');) {
        SCOPED_TRACE(c);
        std::istringstream in(c);
        char op;
        int key, row, toKey, toRow, result, at = -2;
        std::string layout, more;
        in >> op >> key >> row >> toKey >> toRow >> result >> layout;
        std::getline(in, more);
        Doc d(more);
        const int got = op == 'D'                ? d.edit.Delete(key, row)
                        : op == 'I'              ? d.edit.Insert(key, row)
                        : op == 'B'              ? d.edit.MoveToBank(key, row, toKey, false, at)
                        : op == 'U' || op == 'W' ? d.edit.Shift(key, row, op == 'U' ? -1 : 1)
                                                 : d.edit.Move(key, row, toKey, toRow, op == 'C');
        EXPECT_EQ(at, op != 'B' ? -2 : got == G::kDone ? 1 : -1);
        EXPECT_TRUE(got == result && d.Layout() == layout && d.radio.EditOn() == (got == G::kDone))
            << got << " " << d.Layout();
    }
    EXPECT_TRUE(Doc("100-149z").edit.MoveToBankEnabled(kKeyBankA, 5, kKeyBankC, false));
    EXPECT_EQ(G::NoBlankChannelText("Bank C"), "Bank C has no blank CH.");
    EXPECT_EQ(G::MovedToText(false, "Bank B", "01"), "Moved to Bank B, CH 01.");
    EXPECT_EQ(G::MovedToText(true, "Bank B", "01"), "Copied to Bank B, CH 01.");
}

TEST(GridEdit, ARefusedDropSaysWhy) {
    const Doc d;
    const struct {
        int key, row, toKey, toRow;
        bool keep;
        std::string text;
    } cases[] = {
        {kKeyBankA, 4, kKeyBankC, -1, false, ""},  // taken
        {kKeyBankA, 4, kKeyBankA, 4, false, ""},   // back onto itself
        {kKeyBankA, 4, kKeyTv, -1, false,
         "A channel is dropped onto a memory bank or a row, not onto X."},
        {kKeyBankA, 4, kKeyBankA, -1, false, "The channel is in X already."},
        {kKeyVfo, 0, kKeyBankC, -1, false, "X does not take this channel."},
        {kKeyVfo, 1, kKeyVfo, 2, false, "This channel cannot be left blank: hold Ctrl to copy it."},
        {kKeyVfo, 1, kKeyVfo, 2, true, ""},
        {kKeyBankA, 20, kKeyBankC, -1, true, "A blank channel has nothing to move."},
        {kKeyBankA, 4, kKeyTv, 0, true, "X does not take this channel."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(d.edit.DropRefusedText(c.key, c.row, c.toKey, c.toRow, c.keep, "X"), c.text)
            << c.key << " " << c.row << " " << c.toKey << " " << c.toRow;
}

TEST(GridEdit, PasteAndMoveFollowTheCopyClasses) {
    Doc d;
    EXPECT_FALSE(d.edit.Enabled(G::kPaste, kKeyBankA, 4));  // nothing copied yet
    // The clipboard holds a snapshot.
    d.edit.Copy(kKeyBankA, 4);
    d.edit.Clear(kKeyBankA, 4);
    d.master.ListCh(M::kListMemory, 4)->FreqOp_Pure(43000000);
    d.edit.Paste(kKeyBankA, 4);
    EXPECT_EQ(d.Layout(), "abcdefghij(390)");
    // Allowed: P paste, M move, C copy. A move needs a channel in use that
    // can be left blank (a VFO or a first scan edge only copies) and a target
    // the copy rules let it onto; a blank is pasted, never moved.
    const std::tuple<int, int, int, int, std::string> cases[] = {
        {kKeyBankA, 1, kKeyPScan, 3, "PMC"},
        {kKeyBankA, 1, kKeyTv, 0, ""},
        {kKeyBankA, 30, kKeyBankA, 2, "P"},
        {kKeyVfo, 1, kKeyVfo, 2, "PC"},
        {kKeyPScan, 0, kKeyPScan, 8, "PC"}};
    for (const auto& [fromKey, fromRow, toKey, toRow, allowed] : cases) {
        std::string got = d.edit.MoveEnabled(fromKey, fromRow, toKey, toRow, false) ? "M" : "";
        got += d.edit.MoveEnabled(fromKey, fromRow, toKey, toRow, true) ? "C" : "";
        const std::string before = ReadValues(*d.master.ChUnit(toKey, toRow));
        d.edit.Copy(fromKey, fromRow);
        const bool paste = d.edit.Paste(toKey, toRow) == G::kDone;
        EXPECT_EQ((paste ? "P" : "") + got, allowed)
            << fromKey << "/" << fromRow << " -> " << toKey;
        EXPECT_TRUE(paste || ReadValues(*d.master.ChUnit(toKey, toRow)) == before);
    }
}

TEST(GridEdit, BlocksPasteOnlyWhereEveryChannelFitsAndShiftOnce) {
    // "op key first last toKey toRow result layout more-in-use;": P copy the
    // block and paste it at the target, L clear, D delete, M move and K copy
    // by drag and drop; results 0 done, 1 not available, 4 does not fit, 5 a
    // channel may not go to its row. A refusal changes nothing.
    std::istringstream cases(
        "P 3 2 4 3 20 0 abcdefghij(10)cde(377);P 3 2 4 5 0 0 abcdefghij(90)cde(297);"
        "P 3 0 9 3 45 4 abcdefghij(390);P 3 7 9 3 47 0 abcdefghij(37)hij(350);P 3 0 2 13 0 5 "
        "abcdefghij(390);"
        "P 3 9 11 11 0 5 abcdefghij(390);L 3 1 3 0 0 0 a(3)efghij(390);"
        "D 3 0 2 0 0 0 defghij(39)x(3)y(349) 49x 50y;D 3 48 49 0 0 0 abcdefghij(40)y(349) 49x 50y;"
        "M 3 0 2 3 1 0 .abcefghij(390);K 3 0 1 5 0 0 abcdefghij(90)ab(298);"
        "M 3 0 2 3 0 1 abcdefghij(390);M 1 0 1 1 3 1 abcdefghij(390);"
        "M 3 20 22 4 0 1 abcdefghij(390);L 1 0 1 0 0 1 abcdefghij(390)");
    for (std::string c; std::getline(cases, c, ';');) {
        SCOPED_TRACE(c);
        std::istringstream in(c);
        char op;
        int key, first, last, toKey, toRow, result;
        std::string layout, more;
        in >> op >> key >> first >> last >> toKey >> toRow >> result >> layout;
        std::getline(in, more);
        Doc d(more);
        int got = G::kDisabled;
        if (op == 'P') {
            EXPECT_EQ(d.edit.CopyBlock(key, first, last), G::kDone);
            got = d.edit.PasteBlock(toKey, toRow);
        } else if (op == 'L') {
            got = d.edit.ClearBlock(key, first, last);
        } else if (op == 'D') {
            got = d.edit.DeleteBlock(key, first, last);
        } else {
            got = d.edit.MoveBlock(key, first, last, toKey, toRow, op == 'K');
        }
        EXPECT_TRUE(got == result && d.Layout() == layout && d.radio.EditOn() == (got == G::kDone))
            << got << " " << d.Layout();
    }
    // Asked once when a target in use is not emptied by the move itself.
    Doc d;
    EXPECT_FALSE(d.edit.MoveBlockNeedsQuestion(kKeyBankA, 7, 9, kKeyBankA, 8, false));
    EXPECT_TRUE(d.edit.MoveBlockNeedsQuestion(kKeyBankA, 7, 9, kKeyBankA, 8, true));
    EXPECT_TRUE(d.edit.MoveBlockNeedsQuestion(kKeyBankA, 0, 2, kKeyBankA, 3, false));
    d.edit.CopyBlock(kKeyBankA, 8, 11);
    EXPECT_TRUE(d.edit.PasteBlockNeedsQuestion(kKeyBankA, 6));
    EXPECT_FALSE(d.edit.PasteBlockNeedsQuestion(kKeyBankA, 10));
    // A block dropped on a bank lands where all its rows are blank.
    EXPECT_EQ(Doc("52x 55y").edit.BankBlockRow(kKeyBankA, 0, 2, kKeyBankB), 6);
    EXPECT_EQ(Doc("52x 58y").edit.BankBlockRow(kKeyBankA, 2, 4, kKeyBankB), 3);
    EXPECT_EQ(d.edit.BankBlockRow(kKeyBankA, 0, 2, kKeyBankA), -1);
    EXPECT_FALSE(d.edit.BlockEnabled(G::kCopy, kKeyBankA, 3, 2));
    // Move Up / Move Down of a block: the neighbour passed takes the row left.
    // "first last delta result layout;"
    std::istringstream shifts(
        "2 4 -1 0 acdebfghij(390);2 4 1 0 abfcdeghij(390);0 2 -1 1 abcdefghij(390);"
        "1 2 -1 0 bcadefghij(390);0 1 1 0 cabdefghij(390);10 11 -1 1 abcdefghij(390);48 49 1 1 "
        "abcdefghij(390);20 22 1 1 "
        "abcdefghij(390);9 10 1 0 abcdefghi.j(389)");
    for (std::string c; std::getline(shifts, c, ';');) {
        SCOPED_TRACE(c);
        std::istringstream in(c);
        int first, last, delta, result;
        std::string layout;
        in >> first >> last >> delta >> result >> layout;
        Doc s;
        EXPECT_EQ(s.edit.ShiftBlockEnabled(kKeyBankA, first, last, delta), result == G::kDone);
        EXPECT_EQ(s.edit.ShiftBlock(kKeyBankA, first, last, delta), result);
        EXPECT_EQ(s.Layout(), layout);
    }
    EXPECT_FALSE(d.edit.ShiftBlockEnabled(kKeyVfo, 1, 2, 1));
    EXPECT_EQ(d.edit.PasteRefusedText(G::kBlockDoesNotFit, kKeyBankA, 45, 10),
              "The 10 channels do not fit from CH 45: the list ends at CH 49.");
}

TEST(GridEdit, ABlockPastedIntoAnotherBankKeepsEveryValueAndUndoesInOneStep) {
    Doc d;
    UndoHistory history(d.master);
    // Every field of three channels drawn from a fixed seed; a blank between.
    Pick pick(29);
    for (int row : {0, 2, 3}) {
        clsRigQ5_Ch& ch = *d.master.ChUnit(kKeyBankA, row);
        WriteValues(ch,
                    {pick(0, 2), pick(0, 400) * 500, pick(0, 1), pick(0, 49), 0, 0, 0, pick(0, 2),
                     0, pick(0, 2), pick(0, 9)},
                    ("N" + std::to_string(row)).c_str());
    }
    d.master.ChUnit(kKeyBankA, 1)->AppearCh(false);
    d.master.WriteToEep();
    const ByteStr before = d.radio.eepImage.bytes();
    d.edit.CopyBlock(kKeyBankA, 0, 3);
    {
        UndoStep step(&history);
        ASSERT_EQ(d.edit.PasteBlock(kKeyBankC, 10), G::kDone);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ReadValues(*d.master.ChUnit(kKeyBankC, 10 + i)),
                  ReadValues(*d.master.ChUnit(kKeyBankA, i)))
            << i;
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(d.radio.eepImage.bytes(), before);
}
