// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs built directly: the channel dialog (the core's lists shown
// and the choice written back, what applies following the frequency as
// typed, FM TV by version, what OK and Cancel leave), the settings dialog,
// the initial setup with a stand-in identification, and the COM port
// device dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <map>

#include "model/channel_texts.h"
#include "ui/cable_detect.h"
#include "ui/com_devices_dialog.h"
#include "ui/edit_channel_dialog.h"
#include "ui/edit_common_dialog.h"
#include "ui/setup_dialog.h"
#include "ui_rig.h"
#include "version_document.h"

namespace {
using M = clsRigQ5_Master;
using Ch = clsRigQ5_Ch;
struct Doc : VersionDocument {
    using VersionDocument::VersionDocument;
    Ch& Rec(int type, int index) { return *master.ListCh(type, index); }
};

// A control of a dialog by its name.
template <class W = QWidget>
W* Get(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no control %s", name);
    return w;
}
QComboBox* List(QWidget& dialog, const char* name) {
    return Get<QComboBox>(dialog, name);
}
void Click(QWidget& dialog, const QByteArray& name) {
    QTest::mouseClick(Get<QPushButton>(dialog, name.constData()), Qt::LeftButton);
}
// The names among these whose enabled state is not the one expected.
QStringList NotEnabled(QWidget& dialog, const std::vector<const char*>& names, bool expected) {
    QStringList wrong;
    for (const char* name : names)
        if (Get(dialog, name)->isEnabled() != expected) wrong << name;
    return wrong;
}

struct OpenCh : frmEditCh {
    explicit OpenCh(Ch& ch) {
        CurCh(ch);
        show();
    }
    QLineEdit* Freq() { return Get<QLineEdit>(*this, "txtEditCh_FreqOp"); }
    void Ok() { Click(*this, "cmdEditCh_Ok"); }
};
struct OpenCommon : frmEditCommon {
    explicit OpenCommon(clsRigQ5_Common& common) {
        CurCommon(common);
        show();
    }
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

ByteStr Image(Doc& doc) {
    doc.master.WriteToEep();
    return doc.radio.eepImage.bytes();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    // The lists are the core's, picked by version and kind of channel; the
    // choice made goes back into the record.
    void TheChannelDialogShowsTheCoresListsAndWritesTheChoiceBack() {
        int v24 = 0;  // the first version with the 2.4 GHz VFO
        for (clsRigQ5_Matrix m; v24 <= 11; ++v24) {
            m.MtxVerNo(v24);
            m.Heal();
            if (m.VfoAppear(10)) break;
        }
        Doc d0(0), d1(1), d24(v24);
        Ch& mem = d0.Use(M::kListMemory, 0, 14500000);
        Ch& tv = d1.Use(M::kListTv, 0, 5525000);
        Ch& ghz = d24.Rec(M::kListVfo, 10);
        mem.SkipM_Pure(2);
        tv.SkipT_Pure(1);
        ghz.TsNo_Pure(2);  // "10k"
        QVERIFY(ghz.IsMust24G());
        const struct {
            Ch& ch;
            const char* box;
            QStringList entries;
            int shown, choose;
            std::function<int()> stored;
            int expected;
        } cases[] = {
            {mem, "cboEditCh_ModeNo", Texts(ChTextList::Mode, 4), 3, 1,
             [&] { return mem.ModeNo_Pure(); }, 1},
            {mem, "cboEditCh_SkipM", Texts(ChTextList::SkipMMenu, 3), 2, 1,
             [&] { return mem.SkipM_Pure(); }, 1},
            {tv, "cboEditCh_SkipM", Texts(ChTextList::SkipTMenu, 2), 1, 0,
             [&] { return tv.SkipT_Pure(); }, 0},
            // 5 kHz, then 10 kHz: no 6.25 kHz between.
            {ghz, "cboEditCh_TsNo",
             Texts(ChTextList::Step24G, d24.master.MatrixObj().NumTsNo_24G()), 1, 0,
             [&] { return ghz.TsNo_Pure(); }, 0},
            {mem, "cboEditCh_TsNo",
             Texts(ChTextList::StepNorm, d0.master.MatrixObj().NumTsNo_Norm()), mem.TsNo_Pure(), 1,
             [&] { return mem.TsNo_Pure(); }, 1},
        };
        for (const auto& c : cases) {
            OpenCh o(c.ch);
            QComboBox* box = List(o, c.box);
            QCOMPARE(Entries(box), c.entries);
            QCOMPARE(box->currentIndex(), c.shown);
            box->setCurrentIndex(c.choose);
            o.Ok();
            QVERIFY2(c.stored() == c.expected, c.box);
        }
    }

    // Which controls apply follows the kind of channel, the version and the
    // frequency box as typed; labels and frame titles grey with their fields.
    void TheControlsThatApplyFollowTheChannelAndTheFrequencyBox() {
        Doc doc(1), noFmTv(1, 0, 0);
        Ch& blank = doc.Rec(M::kListMemory, 7);
        blank.AppearCh(false);
        Ch& mem = doc.Use(M::kListMemory, 3, 14500000);
        Ch& vfo = doc.Rec(M::kListVfo, 1);
        Ch& tv = doc.Use(M::kListTv, 0, 5525000);
        const std::vector<const char*> dependent = {
            "cboEditCh_DupDir", "txtEditCh_FreqDup", "txtEditCh_Name", "chkEditCh_TSqlOn",
            "cboEditCh_ToneNo", "cboEditCh_ModeNo",  "cboEditCh_TsNo", "cboEditCh_SkipM",
            "lblEditCh_DupSel", "lblEditCh_FreqDup", "lblEditCh_Name", "lblEditCh_Ts",
            "fraEditCh_Mode",   "fraEditCh_TSql"};
        const std::vector<const char*> fmTv = {"chkEditCh_TvReverse", "cboEditCh_TvSubCarrier"};
        const struct {
            Ch& ch;
            const char* typed;  // null: as opened
            std::vector<const char*> names;
            bool enabled;
        } cases[] = {
            {blank, nullptr, dependent, false},
            {blank, "1", dependent, true},
            {blank, "1", {"cboEditCh_TvIf", "fraEditCh_Tv", "fraEditCh_FmTv", fmTv[0]}, false},
            {blank, "   ", dependent, false},        // blanks only: still empty
            {mem, "", {"cboEditCh_DupDir"}, false},  // emptied: blank
            {vfo, "", {"cboEditCh_DupDir"}, true},   // a VFO is never blank
            {tv, nullptr, {"cboEditCh_SkipM", "cboEditCh_TvIf"}, true},
            {tv, nullptr, {"cboEditCh_ModeNo"}, false},  // a TV channel has no mode
            {doc.Rec(M::kListVfo, 8), nullptr, fmTv, true},
            {noFmTv.Rec(M::kListVfo, 8), nullptr, fmTv, false},
        };
        for (const auto& c : cases) {
            OpenCh o(c.ch);
            if (c.typed) o.Freq()->setText(QString::fromLatin1(c.typed));
            QCOMPARE(NotEnabled(o, c.names, c.enabled), QStringList());
        }
        // What OK writes: the frequency typed into a blank channel; an
        // emptied channel blank, an emptied VFO still in use.
        const std::int32_t empty = vfo.Conv_Freq_StrToLong("", 0);
        for (const auto& [ch, typed, freq] :
             {std::tuple{&blank, "145.5", 14550000}, std::tuple{&mem, "", -1},
              std::tuple{&vfo, "", empty}}) {
            OpenCh o(*ch);
            QCOMPARE(o.Freq()->text().isEmpty(), ch == &blank);
            o.Freq()->setText(QString::fromLatin1(typed));
            o.Ok();
            QVERIFY(!o.isVisible());
            QCOMPARE(ch->AppearCh(), freq >= 0);
            if (freq >= 0) QCOMPARE(ch->FreqOp_Pure(), freq);
        }
        // FM TV's settings, shown and written back where the version has them.
        Ch& fm = doc.Rec(M::kListVfo, 8);
        fm.TvReverse_Pure(1);
        fm.TvSubCarrier_Pure(70);
        OpenCh o(fm);
        QVERIFY(Get<QCheckBox>(o, "chkEditCh_TvReverse")->isChecked());
        QCOMPARE(List(o, "cboEditCh_TvSubCarrier")->currentIndex(), 70);
        List(o, "cboEditCh_TvSubCarrier")->setCurrentIndex(10);
        o.Ok();
        QCOMPARE(fm.TvSubCarrier_Pure(), 10);
    }

    void WhatAppliesFollowsTheFrequencyAsTyped() {
        // A version with the medium-wave raster: 1.197 MHz allows AM only.
        Doc doc(1, 1);  // AM on the medium waves
        Ch& ch = doc.Use(M::kListMemory, 5, 119700);
        QVERIFY(ch.IsAmOnly());
        const std::vector<const char*> notForAm = {"cboEditCh_DupDir", "txtEditCh_FreqDup",
                                                   "chkEditCh_TSqlOn", "cboEditCh_ToneNo",
                                                   "cboEditCh_ModeNo", "cboEditCh_TsNo"};
        {
            OpenCh o(ch);
            QComboBox* mode = List(o, "cboEditCh_ModeNo");
            const struct {
                const char* typed;
                bool available;
                const char* mode;
            } steps[] = {
                {"1.197", false, "AM"}, {".", false, "AM"},      // not a frequency yet: as stored
                {"145", true, "FM"},                             // the AM was forced
                {"1.197", false, "AM"}, {"145.5", true, "WFM"},  // the choice comes back
            };
            for (const auto& s : steps) {
                o.Freq()->setText(QString::fromLatin1(s.typed));
                QCOMPARE(NotEnabled(o, notForAm, s.available), QStringList());
                QCOMPARE(mode->currentText(), QString::fromLatin1(s.mode));
                if (s.mode == QLatin1String("FM")) mode->setCurrentIndex(2);  // WFM
            }
            o.Ok();
        }
        QCOMPARE(ch.FreqOp_Pure(), 14550000);
        QCOMPARE(ch.ModeNo_Pure(), 2);
        // Typed into the medium waves, and out of them and OK at once: the
        // mode that applies to the frequency typed, never the greyed AM.
        for (const auto& [typed, freq, mode] :
             {std::tuple{"1.197", 119700, 1}, std::tuple{"145", 14500000, 0}}) {
            OpenCh o(ch);
            o.Freq()->setText(QString::fromLatin1(typed));
            o.Ok();
            QCOMPARE(ch.FreqOp_Pure(), freq);
            QCOMPARE(ch.ModeNo_Pure(), mode);
        }
    }

    // OK on what a dialog showed writes back the very record; Cancel after
    // every control was changed writes nothing.
    void OkUnchangedAndCancelAfterChangesLeaveTheImage() {
        Doc doc(1);
        doc.Use(M::kListMemory, 0, 14500000);
        doc.Use(M::kListTv, 2, 5525000);
        doc.master.CommonObj().Comment("MY RX-Q5");
        for (auto [type, index] :
             {std::pair{M::kListMemory, 0}, std::pair{M::kListMemory, 9}, std::pair{M::kListVfo, 8},
              std::pair{M::kListTv, 2}, std::pair{M::kListPScan, 0}, std::pair{M::kListFmTv, 0},
              std::pair{-1, 0}}) {  // -1: the settings
            for (const bool cancel : {false, true}) {
                const ByteStr before = Image(doc);
                std::unique_ptr<QDialog> d;
                if (type < 0)
                    d = std::make_unique<OpenCommon>(doc.master.CommonObj());
                else
                    d = std::make_unique<OpenCh>(doc.Rec(type, index));
                if (cancel) {  // every control changed first
                    for (QLineEdit* box : d->findChildren<QLineEdit*>())
                        if (!qobject_cast<QComboBox*>(box->parent())) box->setText("5");
                    for (QComboBox* box : d->findChildren<QComboBox*>())
                        box->setCurrentIndex(box->currentIndex() == 0 ? box->count() - 1 : 0);
                    for (QCheckBox* box : d->findChildren<QCheckBox*>()) box->toggle();
                }
                Click(*d, QByteArray(type < 0 ? "cmdEditCommon_" : "cmdEditCh_")
                              .append(cancel ? "Cancel" : "Ok"));
                QVERIFY(!d->isVisible());
                QVERIFY2(Image(doc) == before,
                         qPrintable(QStringLiteral("%1 #%2 %3").arg(type).arg(index).arg(cancel)));
            }
        }
    }

    void OkIsIgnoredUntilTheRecordIsLoaded() {
        Doc doc(1);
        Ch& ch = doc.Use(M::kListMemory, 0, 14500000);
        frmEditCh dialog;
        dialog.CurCh(ch);
        QVERIFY(dialog.ResetPending());
        dialog.cmdEditCh_Ok_Click();  // the controls still hold nothing of this record
        QVERIFY(ch.AppearCh());
        QCOMPARE(ch.FreqOp_Pure(), 14500000);
    }

    void TheCommentShowsUnpaddedAndSixteenWideCharactersFitTheBox() {
        Doc doc(1);
        doc.master.CommonObj().Comment("ABC");
        OpenCommon o(doc.master.CommonObj());
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        auto* box = Get<QLineEdit>(o, "txtEditCom_Comment");
        QCOMPARE(box->text(), QStringLiteral("ABC"));
        box->end(false);
        QTest::keyClicks(box, QStringLiteral("DEFGHIJKLMNOPQRS"));  // beyond 16: refused
        QCOMPARE(box->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
        Click(o, "cmdEditCommon_Ok");
        QCOMPARE(doc.master.CommonObj().Comment(), std::string("ABCDEFGHIJKLMNOP"));

        // From the first to the last of 16 characters the cursor moves by
        // the text's full width: the box shows them without scrolling,
        // whatever the 16.
        o.show();
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

    // The setup opens on the window's port. A failed identification, told
    // by its code or only by the clone failure message having run, keeps
    // the dialog and the choice for another try; Cancel tries nothing.
    void TheSetupStaysForAnotherTryUntilTheReceiverAnswers() {
        FakeDialogs dialogs;
        frmMain window;
        window.ComPortNo(2);
        std::vector<int> results = {3, -1, 0}, ports;  // -1: the failure message ran
        frmSetup dialog(window, [&](int port) {
            ports.push_back(port);
            const int r = results.front();
            results.erase(results.begin());
            if (r < 0) window.LastCloneError(true);
            return std::max(r, 0);
        });
        dialog.show();
        QCOMPARE(List(dialog, "cboSetup_ComPort")->currentText(), QStringLiteral("COM2"));
        List(dialog, "cboSetup_ComPort")->setCurrentIndex(3);
        for (int attempt = 0; attempt < 2; ++attempt) {
            Click(dialog, "cmdSetup_Ok");
            QVERIFY(!dialog.Unloaded() && dialog.isVisible() && !window.isVisible());
            QCOMPARE(window.ComPortNo(), 2);
            QCOMPARE(List(dialog, "cboSetup_ComPort")->currentIndex(), 3);
        }
        Click(dialog, "cmdSetup_Ok");
        QCOMPARE(ports, (std::vector<int>{4, 4, 4}));
        QVERIFY(dialog.Unloaded() && !dialog.isVisible() && window.isVisible());
        QCOMPARE(window.ComPortNo(), 4);

        frmSetup cancelled(window, [&ports](int port) {
            ports.push_back(port);
            return 0;
        });
        cancelled.show();
        List(cancelled, "cboSetup_ComPort")->setCurrentIndex(1);
        Click(cancelled, "cmdSetup_Cancel");
        QCOMPARE(ports.size(), std::size_t(3));
        QCOMPARE(window.ComPortNo(), 4);
        QVERIFY(cancelled.Unloaded());
    }

    // Each slot's device as the COM Port menu shows it; a cable plugged
    // in during a failed try shows at the next.
    void TheSetupsPortListShowsTheDeviceOfEachSlot() {
        FakeDialogs dialogs;
        frmMain window;
        std::map<int, QString> devices = {{1, QStringLiteral("/dev/ttyS0")}};
        window.ComDeviceHooks([&devices](int slot) { return devices[slot]; }, [] {});
        frmSetup dialog(window, [&](int) {
            devices[2] = QStringLiteral("/dev/ttyUSB0");
            window.LastCloneError(true);
            return 0;
        });
        dialog.show();
        QComboBox* list = List(dialog, "cboSetup_ComPort");
        QCOMPARE(list->itemText(0) + list->itemText(1), QStringLiteral("COM1 (/dev/ttyS0)COM2"));
        Click(dialog, "cmdSetup_Ok");
        QCOMPARE(list->itemText(1) + list->itemText(2), QStringLiteral("COM2 (/dev/ttyUSB0)COM3"));
    }

    void TheDeviceDialogDescribesThePortsAndMarksTheOnesInUse() {
        const struct {
            QString description;
            bool hasIds;
            quint16 vid, pid;
            QString serial, text;
        } cases[] = {
            {"FT232R USB UART", true, 0x0403, 0x6001, "A10K2Z3B",
             "FT232R USB UART, USB 0403:6001, serial A10K2Z3B"},
            {"", true, 0x1a86, 0x7523, "", "USB 1a86:7523"},
            {"ttyS0", false, 0, 0, "", "ttyS0"},
            {"  ", false, 0, 0, " ", ""},
        };
        for (const auto& c : cases)
            QCOMPARE(SerialPortDetails(c.description, c.hasIds, c.vid, c.pid, c.serial), c.text);
        frmComDevices dialog(std::vector<std::pair<QString, QString>>{
            {"/dev/ttyUSB0", "FT232R USB UART, USB 0403:6001"}});
        QVERIFY(dialog.Slot(1)->itemText(1).contains("USB 0403:6001"));
        dialog.InUse({{1, {"/dev/pts/7", "demo receiver"}}, {2, {"/dev/ttyUSB0", ""}}});
        QCOMPARE(dialog.InUseLabel(1)->text(),
                 QStringLiteral("In use: /dev/pts/7  [demo receiver]"));
        // Fewer ports than the slot's number is no "no serial port found".
        QVERIFY(dialog.InUseLabel(3)->text().contains("none (1 serial port"));
        frmComDevices none(std::vector<std::pair<QString, QString>>{});
        none.InUse({});
        QCOMPARE(none.InUseLabel(1)->text(), QStringLiteral("In use: none (no serial port found)"));
    }

    // Detect cable: the device that appears while the user plugs the cable
    // in (or out and in again) goes to the port in use, or the setup picks
    // the port that opens it already.
    void DetectCablePicksTheDeviceThatAppeared() {
        std::vector<std::pair<QString, QString>> listed = {{"/dev/ttyS0", ""}};
        SetSerialPortsNow([&listed] { return listed; });
        frmComDevices devices(SerialPortsNow());
        devices.DetectSlot(2);
        devices.Detect().Toggle();
        devices.Detect().Look();  // nothing new yet
        QVERIFY(devices.Detect().Waiting());
        listed.push_back({"/dev/ttyUSB0", "FT232R USB UART; usb-FTDI_FT232R-if00-port0"});
        devices.Detect().Look();
        QVERIFY(!devices.Detect().Waiting());
        QCOMPARE(devices.Devices(), (std::map<int, std::string>{{2, "/dev/ttyUSB0"}}));
        QVERIFY(devices.Slot(4)->itemText(2).contains("usb-FTDI_FT232R"));  // the lists agree

        FakeDialogs dialogs;
        frmMain window;
        std::vector<std::pair<int, QString>> assigned;
        frmSetup setup(window, [](int) { return 0; });
        setup.CableHooks(
            [](int port) { return port == 3 ? QStringLiteral("/dev/ttyUSB0") : QString(); },
            [&assigned](int port, const QString& device) { assigned.emplace_back(port, device); });
        setup.show();
        auto* port = List(setup, "cboSetup_ComPort");
        for (const char* device : {"/dev/ttyUSB0", "/dev/ttyACM0"}) {
            listed = {{"/dev/ttyS0", ""}};
            setup.Detect().Toggle();
            listed.push_back({device, ""});
            setup.Detect().Look();
        }
        // ttyUSB0 was COM3's already; ttyACM0 becomes the chosen port's at OK.
        QCOMPARE(port->currentIndex(), 2);
        QVERIFY(assigned.empty());
        port->setCurrentIndex(1);
        Click(setup, "cmdSetup_Ok");
        QCOMPARE(assigned, (std::vector<std::pair<int, QString>>{{2, "/dev/ttyACM0"}}));
        SetSerialPortsNow(nullptr);
    }

    void DevicesAssignedToTheSlotsAreShownAndStored() {
        Started r;
        r.dialogs.onShowModal = [](QDialog& d) {
            QVERIFY(List(d, "cboComDevice_2")->isEditable());
            List(d, "cboComDevice_2")->setEditText(QStringLiteral(" /dev/pts/5 "));
            d.accept();
        };
        r.W().MenuItem("mnuCom", 5)->trigger();
        QCOMPARE(r.p->ComDevices(), (std::map<int, std::string>{{2, "/dev/pts/5"}}));
        emit r.W().findChild<QMenu*>("mnuCom")->aboutToShow();  // the user opens the menu
        QCOMPARE(r.W().MenuItem("mnuCom", 2)->text(), QStringLiteral("COM &2 (/dev/pts/5)"));
        QVERIFY(r.ProfileText().contains("ComDevice(2)=/dev/pts/5"));
        r.dialogs.onShowModal = [](QDialog& d) {  // Cancel changes nothing
            List(d, "cboComDevice_2")->setEditText(QString());
            d.reject();
        };
        r.W().MenuItem("mnuCom", 5)->trigger();
        QCOMPARE(r.p->ComDevices().at(2), std::string("/dev/pts/5"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
