// SPDX-License-Identifier: GPL-3.0-or-later
// The channel dialog built directly: what it shows for each kind of
// channel, the greying that follows the frequency box, the tuning steps of
// the 2.4 GHz band, the FM TV controls by version, and what OK and Cancel
// leave in the record.

#include "ui/edit_channel_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "edit_test_window.h"
#include "fake_dialogs.h"
#include "model/channel_texts.h"
#include "read_values.h"

namespace {
using M = clsRigQ5_Master;
using Ch = clsRigQ5_Ch;

// The controls that an empty frequency greys on a channel that may be blank.
const char* const kDependent[] = {"cboEditCh_DupDir", "txtEditCh_FreqDup", "txtEditCh_Name",
                                  "chkEditCh_TSqlOn", "cboEditCh_ToneNo",  "cboEditCh_ModeNo",
                                  "cboEditCh_TsNo",   "cboEditCh_SkipM"};

struct Open {
    frmEditCh dialog;
    explicit Open(Ch& ch) {
        dialog.CurCh(ch);
        dialog.show();
    }
    ~Open() { dialog.hide(); }
    template <class W>
    W* Get(const char* name) {
        W* w = dialog.findChild<W*>(QString::fromLatin1(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QWidget* Control(const char* name) { return Get<QWidget>(name); }
    QLineEdit* Freq() { return Get<QLineEdit>("txtEditCh_FreqOp"); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
    void Ok() { QTest::mouseClick(Get<QPushButton>("cmdEditCh_Ok"), Qt::LeftButton); }
    void Cancel() { QTest::mouseClick(Get<QPushButton>("cmdEditCh_Cancel"), Qt::LeftButton); }
};

QStringList Entries(QComboBox* box) {
    QStringList s;
    for (int i = 0; i < box->count(); ++i) s << box->itemText(i);
    return s;
}

QStringList Texts(ChTextList list, int count) {
    QStringList s;
    for (int i = 0; i < count; ++i)
        s << QString::fromLatin1(ChTextAt(list, i).data(), qsizetype(ChTextAt(list, i).size()));
    return s;
}

// A version whose receivers have the VFO of the 2.4 GHz band.
int VersionWith24G() {
    for (int v = 0; v <= 11; ++v) {
        clsRigQ5_Matrix m;
        m.MtxVerNo(v);
        m.Heal();
        if (m.VfoAppear(10)) return v;
    }
    return -1;
}
}  // namespace

class EditChannelDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void ListsFollowTheVersionAndTheKindOfChannel() {
        // Version 0 has the "Auto" mode; a memory channel has the memory skip menu.
        TestDoc doc(0);
        Ch& ch = doc.Ch(M::kListMemory, 0);
        ch.AppearCh(true);
        ch.SkipM_Pure(2);
        Open o(ch);
        QCOMPARE(Entries(o.List("cboEditCh_ModeNo")), Texts(ChTextList::Mode, 4));
        QCOMPARE(Entries(o.List("cboEditCh_SkipM")), Texts(ChTextList::SkipMMenu, 3));
        QCOMPARE(o.List("cboEditCh_SkipM")->currentIndex(), 2);

        // Other versions have three modes; a TV channel has the TV skip menu
        // and its IF shift, but no mode.
        TestDoc other(1);
        Ch& tv = other.Ch(M::kListTv, 0);
        tv.AppearCh(true);
        tv.FreqOp_Pure(5525000);
        tv.SkipT_Pure(1);
        Open t(tv);
        QCOMPARE(Entries(t.List("cboEditCh_ModeNo")).size(), 3);
        QCOMPARE(Entries(t.List("cboEditCh_SkipM")), Texts(ChTextList::SkipTMenu, 2));
        QCOMPARE(t.List("cboEditCh_SkipM")->currentIndex(), 1);
        QVERIFY(t.List("cboEditCh_SkipM")->isEnabled());
        QVERIFY(t.List("cboEditCh_TvIf")->isEnabled());
        QVERIFY(!t.List("cboEditCh_ModeNo")->isEnabled());
        QCOMPARE(t.List("cboEditCh_ModeNo")->currentIndex(), -1);
        t.List("cboEditCh_SkipM")->setCurrentIndex(0);
        t.Ok();
        QCOMPARE(tv.SkipT_Pure(), 0);
    }

    void BlankChannelOpensEmptyAndTheFrequencyBoxDrivesTheGreying() {
        TestDoc doc(1);
        Ch& ch = doc.Ch(M::kListMemory, 7);
        ch.AppearCh(false);
        Open o(ch);
        QCOMPARE(o.Freq()->text(), QString());
        QVERIFY(o.Freq()->isEnabled());
        QVERIFY(o.Freq()->hasFocus() || !o.dialog.isActiveWindow());
        for (const char* name : kDependent) QVERIFY2(!o.Control(name)->isEnabled(), name);

        QTest::keyClicks(o.Freq(), QStringLiteral("1"));
        for (const char* name : kDependent) QVERIFY2(o.Control(name)->isEnabled(), name);
        // The TV and FM TV controls do not belong to a memory channel.
        for (const char* name : {"cboEditCh_TvIf", "chkEditCh_TvReverse", "cboEditCh_TvSubCarrier"})
            QVERIFY2(!o.Control(name)->isEnabled(), name);

        QTest::keyClick(o.Freq(), Qt::Key_Backspace);
        for (const char* name : kDependent) QVERIFY2(!o.Control(name)->isEnabled(), name);
        QTest::keyClicks(o.Freq(), QStringLiteral("   "));  // blanks only: still empty
        for (const char* name : kDependent) QVERIFY2(!o.Control(name)->isEnabled(), name);

        o.Freq()->setText(QStringLiteral("145.5"));
        o.Ok();
        QVERIFY(!o.dialog.isVisible());
        QVERIFY(ch.AppearCh());
        QCOMPARE(ch.FreqOp_Pure(), 14550000);
    }

    void WhatAppliesFollowsTheFrequencyAsTyped() {
        // A version with the medium-wave raster: 1.197 MHz allows AM only.
        TestDoc doc(1, 1, 1);
        Ch& ch = doc.Ch(M::kListMemory, 5);
        ch.AppearCh(true);
        ch.FreqOp_Pure(119700);
        QVERIFY(ch.IsAmOnly());
        const char* const kNotForAm[] = {"cboEditCh_DupDir", "txtEditCh_FreqDup",
                                         "chkEditCh_TSqlOn", "cboEditCh_ToneNo",
                                         "cboEditCh_ModeNo", "cboEditCh_TsNo"};
        auto available = [&kNotForAm](Open& o, bool expected) {
            for (const char* name : kNotForAm)
                if (o.Control(name)->isEnabled() != expected) return QString::fromLatin1(name);
            return QString();
        };
        {
            Open o(ch);
            QComboBox* mode = o.List("cboEditCh_ModeNo");
            QCOMPARE(available(o, false), QString());
            QCOMPARE(mode->currentText(), QStringLiteral("AM"));
            o.Freq()->setText(QStringLiteral("."));  // not a frequency yet: as stored
            QCOMPARE(available(o, false), QString());
            o.Freq()->setText(QStringLiteral("145"));
            QCOMPARE(available(o, true), QString());
            QCOMPARE(mode->currentText(), QStringLiteral("FM"));  // the AM was forced
            mode->setCurrentIndex(2);                             // WFM
            o.Freq()->setText(QStringLiteral("1.197"));
            QCOMPARE(available(o, false), QString());
            QCOMPARE(mode->currentText(), QStringLiteral("AM"));
            o.Freq()->setText(QStringLiteral("145.5"));
            QCOMPARE(mode->currentText(), QStringLiteral("WFM"));  // the choice comes back
            o.Ok();
        }
        QCOMPARE(ch.FreqOp_Pure(), 14550000);
        QCOMPARE(ch.ModeNo_Pure(), 2);
        {
            Open o(ch);
            o.Freq()->setText(QStringLiteral("1.197"));
            o.Ok();
        }
        QCOMPARE(ch.FreqOp_Pure(), 119700);
        QCOMPARE(ch.ModeNo_Pure(), 1);
        {
            // Retyped out of the medium waves and OK at once: not the greyed AM.
            Open o(ch);
            o.Freq()->setText(QStringLiteral("145"));
            o.Ok();
        }
        QCOMPARE(ch.FreqOp_Pure(), 14500000);
        QCOMPARE(ch.ModeNo_Pure(), 0);
    }

    void TabFollowsTheLayoutAndLabelsGreyWithTheirFields() {
        TestDoc doc(1);
        Ch& ch = doc.Ch(M::kListMemory, 7);
        ch.AppearCh(false);
        Open o(ch);
        QStringList order;
        QWidget* w = o.Freq();
        do {
            if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != o.Freq());
        QCOMPARE(order,
                 (QStringList{"txtEditCh_FreqOp", "cboEditCh_DupDir", "txtEditCh_FreqDup",
                              "txtEditCh_Name", "cboEditCh_TsNo", "chkEditCh_TSqlOn",
                              "cboEditCh_ToneNo", "cboEditCh_ModeNo", "cboEditCh_SkipM",
                              "cboEditCh_TvIf", "chkEditCh_TvReverse", "cboEditCh_TvSubCarrier",
                              "cmdEditCh_Ok", "cmdEditCh_Cancel"}));

        const char* const labels[] = {"lblEditCh_DupSel", "lblEditCh_FreqDup", "lblEditCh_Name",
                                      "lblEditCh_Ts",     "fraEditCh_Mode",    "fraEditCh_TSql"};
        for (const char* name : labels) QVERIFY2(!o.Control(name)->isEnabled(), name);
        QVERIFY(o.Control("lblEditCh_FreqOp")->isEnabled());
        QTest::keyClicks(o.Freq(), QStringLiteral("145"));
        for (const char* name : labels) QVERIFY2(o.Control(name)->isEnabled(), name);
        // The TV frames do not apply to a memory channel.
        for (const char* name : {"lblEditCh_TvIf", "fraEditCh_Tv", "fraEditCh_FmTv"})
            QVERIFY2(!o.Control(name)->isEnabled(), name);
    }

    void EmptyFrequencyBlanksOnlyAChannelThatMayBeBlank() {
        TestDoc doc(1);
        {
            Ch& ch = doc.Ch(M::kListMemory, 3);
            ch.AppearCh(true);
            ch.FreqOp_Pure(14500000);
            Open o(ch);
            o.Freq()->clear();
            o.Ok();
            QVERIFY(!ch.AppearCh());
        }
        {
            Ch& vfo = doc.Ch(M::kListVfo, 1);
            QVERIFY(vfo.AppearCh());
            Ch expected = vfo;
            expected.FreqOp_Pure(expected.Conv_Freq_StrToLong("", 0));
            Open o(vfo);
            o.Freq()->clear();
            // A VFO cannot be blank: its other controls stay available.
            QVERIFY(o.Control("cboEditCh_DupDir")->isEnabled());
            o.Ok();
            QVERIFY(vfo.AppearCh());
            QCOMPARE(vfo.FreqOp_Pure(), expected.FreqOp_Pure());
        }
    }

    void TwoPointFourGigahertzChannelsHaveTheirOwnStepList() {
        const int version = VersionWith24G();
        QVERIFY(version >= 0);
        TestDoc doc(version);
        Ch& ch = doc.Ch(M::kListVfo, 10);
        QVERIFY(ch.IsMust24G());
        const int normCount = doc.master.MatrixObj().NumTsNo_Norm();
        const int count = doc.master.MatrixObj().NumTsNo_24G();
        QCOMPARE(count, normCount - 1);
        ch.TsNo_Pure(2);  // "10k"
        {
            Open o(ch);
            QComboBox* ts = o.List("cboEditCh_TsNo");
            QCOMPARE(Entries(ts), Texts(ChTextList::Step24G, count));
            QVERIFY(!Entries(ts).contains(QStringLiteral("6.25k")));
            QCOMPARE(ts->currentText(), QStringLiteral("10k"));
            ts->setCurrentIndex(0);
            o.Ok();
            QCOMPARE(ch.TsNo_Pure(), 0);  // 5 kHz
        }
        {
            Open o(ch);
            o.List("cboEditCh_TsNo")->setCurrentIndex(1);
            o.Ok();
            QCOMPARE(ch.TsNo_Pure(), 2);
        }
        // Any other channel: the normal list.
        Ch& mem = doc.Ch(M::kListMemory, 0);
        mem.AppearCh(true);
        mem.FreqOp_Pure(14500000);
        Open o(mem);
        QCOMPARE(Entries(o.List("cboEditCh_TsNo")), Texts(ChTextList::StepNorm, normCount));
    }

    void FmTvControlsFollowTheVersion() {
        for (const int fmTv : {0, 1}) {
            TestDoc doc(1, fmTv);
            Ch& vfo = doc.Ch(M::kListVfo, 8);
            QVERIFY(vfo.Usable());
            vfo.TvReverse_Pure(1);
            vfo.TvSubCarrier_Pure(70);
            Open o(vfo);
            auto* reverse = o.Get<QCheckBox>("chkEditCh_TvReverse");
            QComboBox* sub = o.List("cboEditCh_TvSubCarrier");
            QCOMPARE(reverse->isEnabled(), fmTv == 1);
            QCOMPARE(sub->isEnabled(), fmTv == 1);
            QCOMPARE(reverse->isChecked(), fmTv == 1);
            QCOMPARE(sub->currentIndex(), fmTv == 1 ? 70 : -1);
        }
        TestDoc doc(1, 1);
        Ch& fm = doc.Ch(M::kListFmTv, 0);
        fm.AppearCh(true);
        fm.FreqOp_Pure(fm.Conv_Freq_StrToLong("1200", 0));
        Open o(fm);
        o.Get<QCheckBox>("chkEditCh_TvReverse")->setChecked(true);
        o.List("cboEditCh_TvSubCarrier")->setCurrentIndex(10);
        o.Ok();
        QCOMPARE(fm.TvReverse_Pure(), 1);
        QCOMPARE(fm.TvSubCarrier_Pure(), 10);
    }

    void NameIsAcceptedWholeAndReadBackAsSixCharacters() {
        TestDoc doc(1);
        Ch& ch = doc.Ch(M::kListMemory, 0);
        ch.AppearCh(true);
        ch.FreqOp_Pure(14500000);
        Open o(ch);
        auto* name = o.Get<QLineEdit>("txtEditCh_Name");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(name->text().size(), 10);
        o.Ok();
        QCOMPARE(ch.Name(), std::string("ABCDEF"));
    }

    void CancelAfterChangingEveryControlLeavesTheRecord() {
        TestDoc doc(1, 1);
        for (auto [type, index] :
             {std::pair{M::kListMemory, 0}, std::pair{M::kListVfo, 8}, std::pair{M::kListTv, 2}}) {
            Ch& ch = doc.Ch(type, index);
            ch.AppearCh(true);
            ch.FreqOp_Pure(type == M::kListTv    ? 5525000
                           : type == M::kListVfo ? ch.FreqOp_Pure()
                                                 : 14500000);
            ch.Name("KEEP");
            const std::string before = ReadValues(ch);
            const std::string name = ch.Name();
            Open o(ch);
            o.Freq()->setText(QStringLiteral("430.5"));
            o.Get<QLineEdit>("txtEditCh_FreqDup")->setText(QStringLiteral("5"));
            o.Get<QLineEdit>("txtEditCh_Name")->setText(QStringLiteral("OTHER"));
            for (const char* list :
                 {"cboEditCh_DupDir", "cboEditCh_ToneNo", "cboEditCh_ModeNo", "cboEditCh_TsNo",
                  "cboEditCh_TvIf", "cboEditCh_TvSubCarrier", "cboEditCh_SkipM"}) {
                QComboBox* box = o.List(list);
                if (box->count() > 1) box->setCurrentIndex(box->count() - 1);
            }
            for (const char* check : {"chkEditCh_TSqlOn", "chkEditCh_TvReverse"})
                o.Get<QCheckBox>(check)->toggle();
            o.Cancel();
            QVERIFY(!o.dialog.isVisible());
            QCOMPARE(ReadValues(ch), before);
            QCOMPARE(ch.Name(), name);
        }
    }

    void OkWithoutChangesKeepsEveryChannel() {
        for (const int version : {0, 1, 5, 11}) {
            TestDoc doc(version, 1);
            for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
                for (int i = 0; i < M::NumRecordsOfListType(type); i += 7) {
                    Ch& ch = *doc.master.ListCh(type, i);
                    if (!ch.Usable() || (!ch.AppearCh() && !ch.ClearEnable())) continue;
                    const std::string before = ReadValues(ch);
                    Open o(ch);
                    o.Ok();
                    QVERIFY2(ReadValues(ch) == before,
                             qPrintable(QStringLiteral("version %1 list %2 #%3: %4 -> %5")
                                            .arg(version)
                                            .arg(type)
                                            .arg(i)
                                            .arg(QString::fromStdString(before))
                                            .arg(QString::fromStdString(ReadValues(ch)))));
                }
            }
        }
    }

    void OkIsIgnoredUntilTheRecordIsLoaded() {
        TestDoc doc(1);
        Ch& ch = doc.Ch(M::kListMemory, 0);
        ch.AppearCh(true);
        ch.FreqOp_Pure(14500000);
        frmEditCh dialog;
        dialog.CurCh(ch);
        QVERIFY(dialog.ResetPending());
        dialog.cmdEditCh_Ok_Click();  // the controls still hold nothing of this record
        QVERIFY(ch.AppearCh());
        QCOMPARE(ch.FreqOp_Pure(), 14500000);
    }
};

QTEST_MAIN(EditChannelDialogTest)
#include "edit_channel_dialog_test.moc"
