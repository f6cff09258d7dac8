// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog built directly on a document's image: its lists,
// what OK and Cancel leave in the image, clamped values, the comment's
// padding and the two places of the display mode; and its opening from the
// main window's View menu.

#include "ui/edit_common_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "edit_test_window.h"
#include "fake_dialogs.h"
#include "model/common_settings.h"

namespace {
using C = clsRigQ5_Common;

struct Open {
    frmEditCommon dialog;
    explicit Open(C& common) {
        dialog.CurCommon(common);
        dialog.show();
    }
    QComboBox* List(const char* name) {
        return dialog.findChild<QComboBox*>(QString::fromLatin1(name));
    }
    QCheckBox* Check(const char* name) {
        return dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    QLineEdit* Comment() {
        return dialog.findChild<QLineEdit*>(QStringLiteral("txtEditCom_Comment"));
    }
    void Ok() {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdEditCommon_Ok")),
                          Qt::LeftButton);
    }
    void Cancel() {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdEditCommon_Cancel")),
                          Qt::LeftButton);
    }
};

ByteStr Image(const clsCmcRadio& radio) {
    return radio.eepImage.ReadBlock(0, 8064);
}
}  // namespace

class EditCommonDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void ListsHoldEveryChoiceOfTheirSetting() {
        TestDoc doc(1);
        Open o(doc.master.CommonObj());
        const std::pair<const char*, int> lists[] = {
            {"cboEditCom_ScanResume", 7},   {"cboEditCom_PauseScan", 11},
            {"cboEditCom_BeepAudio", 33},   {"cboEditCom_Backlight", 3},
            {"cboEditCom_AutoPowerOff", 5}, {"cboEditCom_MonitorSel", 2},
            {"cboEditCom_KeyLock", 4},      {"cboEditCom_DispSel", 3},
            {"cboEditCom_Contrast", 33},    {"cboEditCom_Bright", 33},
            {"cboEditCom_BackColor", 8},    {"cboEditCom_DialSelect", 3},
            {"cboEditCom_MemoryScan", 2},   {"cboEditCom_VfoScan", 27},
            {"cboEditCom_AttSel", 5},
        };
        for (const auto& [name, count] : lists) {
            QVERIFY2(o.List(name), name);
            QCOMPARE(o.List(name)->count(), count);
        }
        QCOMPARE(o.Comment()->maxLength(), 16);
    }

    void OkWithoutChangesLeavesTheImage() {
        for (int version = 0; version <= 11; ++version) {
            TestDoc doc(version);
            doc.master.CommonObj().Comment("MY RX-Q5");
            const ByteStr before = Image(doc.radio);
            Open o(doc.master.CommonObj());
            QCOMPARE(o.Comment()->text(), QStringLiteral("MY RX-Q5"));
            o.Ok();
            QVERIFY(!o.dialog.isVisible());
            QVERIFY2(Image(doc.radio) == before, qPrintable(QString::number(version)));
        }
    }

    void TheCommentShowsUnpaddedAndSixteenWideCharactersFitTheBox() {
        TestDoc doc(1);
        doc.master.CommonObj().Comment("ABC");
        Open o(doc.master.CommonObj());
        QVERIFY(QTest::qWaitForWindowExposed(&o.dialog));
        QLineEdit* box = o.Comment();
        QCOMPARE(box->text(), QStringLiteral("ABC"));
        box->end(false);
        QTest::keyClicks(box, QStringLiteral("DEFGHIJKLMNOPQRS"));  // beyond 16: refused
        QCOMPARE(box->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));

        // From the first to the last of 16 characters the cursor moves by
        // the text's full width: the box shows them without scrolling,
        // whatever the 16.
        const QFontMetrics fm(box->font());
        QChar widest(' ');
        for (char16_t c = 0x21; c < 0x7F; ++c)
            if (fm.horizontalAdvance(QChar(c)) > fm.horizontalAdvance(widest)) widest = QChar(c);
        auto cursorX = [box](int position) {
            box->setCursorPosition(position);
            box->repaint();  // the box scrolls when it paints
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        for (const QString& text : {QString(16, widest), QStringLiteral("ABCDEFGHIJKLMNOP")}) {
            box->setText(text);
            const int start = cursorX(0);
            QCOMPARE(cursorX(16) - start, fm.horizontalAdvance(text));
        }
    }

    void StoredValueBeyondItsMaximumShowsAndStoresTheMaximum() {
        TestDoc doc(1);
        doc.radio.eepImage.WriteByte(C::kAdrScanResume, 0xFF);
        doc.radio.eepImage.WriteByte(C::kAdrBeepAudio, 40);
        doc.radio.eepImage.WriteByte(C::kAdrPowerSave, 9);
        Open o(doc.master.CommonObj());
        QCOMPARE(o.List("cboEditCom_ScanResume")->currentText(), QStringLiteral("Hold"));
        QCOMPARE(o.List("cboEditCom_BeepAudio")->currentIndex(), 32);
        QVERIFY(o.Check("chkEditCom_PowerSave")->isChecked());
        o.Ok();
        QCOMPARE(doc.radio.eepImage.ReadByte(C::kAdrScanResume), 6);
        QCOMPARE(doc.radio.eepImage.ReadByte(C::kAdrBeepAudio), 32);
        QCOMPARE(doc.radio.eepImage.ReadByte(C::kAdrPowerSave), 1);
    }

    void CommentIsStoredPaddedWithOrWithoutTrailingBlanks() {
        for (const QString& typed : {QStringLiteral("HELLO"), QStringLiteral("HELLO      ")}) {
            TestDoc doc(1);
            Open o(doc.master.CommonObj());
            o.Comment()->selectAll();
            QTest::keyClicks(o.Comment(), typed);
            o.Ok();
            QCOMPARE(doc.radio.eepImage.ReadBlock(C::kAdrComment, 16),
                     StrToByteStr("HELLO           "));
        }
        // The box takes 16 characters; one the receiver cannot show is a blank.
        TestDoc doc(1);
        Open o(doc.master.CommonObj());
        o.Comment()->setText(QStringLiteral("Caf\u00e9 at the pier, north"));
        QCOMPARE(o.Comment()->text().size(), 16);
        o.Ok();
        QCOMPARE(doc.master.CommonObj().Comment(), std::string("Caf  at the pier"));
    }

    void DisplayModeAutoSetsItsByteAndClearsTheManualBit() {
        TestDoc doc(1);
        auto& image = doc.radio.eepImage;
        image.WriteByte(C::kAdrDispAuto, 0);
        image.WriteByte(C::kAdrDispManual, 0xFF);  // "Manual-OFF", every other bit set
        Open o(doc.master.CommonObj());
        QCOMPARE(o.List("cboEditCom_DispSel")->currentText(), QStringLiteral("Manual-OFF"));
        o.List("cboEditCom_DispSel")->setCurrentIndex(2);
        o.Ok();
        QCOMPARE(image.ReadByte(C::kAdrDispAuto), 1);
        QCOMPARE(image.ReadByte(C::kAdrDispManual), 0xFB);

        Open again(doc.master.CommonObj());
        QCOMPARE(again.List("cboEditCom_DispSel")->currentText(), QStringLiteral("Auto"));
        again.List("cboEditCom_DispSel")->setCurrentIndex(1);  // "Manual-ON"
        again.Ok();
        QCOMPARE(image.ReadByte(C::kAdrDispAuto), 0);
        QCOMPARE(image.ReadByte(C::kAdrDispManual), 0xFB);
    }

    void CancelAfterChangesLeavesTheImage() {
        TestDoc doc(1);
        const ByteStr before = Image(doc.radio);
        Open o(doc.master.CommonObj());
        for (QComboBox* box : o.dialog.findChildren<QComboBox*>())
            box->setCurrentIndex((box->currentIndex() + 1) % box->count());
        for (QCheckBox* box : o.dialog.findChildren<QCheckBox*>()) box->toggle();
        o.Comment()->setText(QStringLiteral("CHANGED"));
        o.Cancel();
        QVERIFY(!o.dialog.isVisible());
        QCOMPARE(Image(doc.radio), before);
    }

    void ViewCommonSettingOpensItOverTheMainWindow() {
        FakeDialogs dialogs;
        TestWindow t(1);
        bool modalWhileShown = false;
        dialogs.onShowModal = [&](QDialog& d) {
            modalWhileShown = t.window->ModalFlag();
            d.show();
            d.findChild<QComboBox*>(QStringLiteral("cboEditCom_AttSel"))->setCurrentIndex(3);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdEditCommon_Ok")),
                              Qt::LeftButton);
        };
        t.window->Toolbar1_ButtonClick(QStringLiteral("Bar_View_Common"));
        QCOMPARE(dialogs.shownDialogs, QStringList{QStringLiteral("frmEditCommon")});
        QVERIFY(modalWhileShown);
        QVERIFY(!t.window->ModalFlag());
        QCOMPARE(t.doc.master.CommonObj().AttSel_Pure(), 3);
        QVERIFY(t.doc.radio.EditOn());
    }
};

QTEST_MAIN(EditCommonDialogTest)
#include "edit_common_dialog_test.moc"
