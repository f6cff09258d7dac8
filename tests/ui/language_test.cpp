// SPDX-License-Identifier: GPL-3.0-or-later
// The window program in other languages: the desktop's language (or
// --lang) chooses the catalogues, German and Japanese show in menus,
// dialogs and composed messages, an unknown language leaves every English
// text as it was, and under a pseudo-translation that marks and lengthens
// every catalogue text by 40 % no text of a window stays unmarked and no
// label or button is cut off.

#include "ui/language.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include "app/profile.h"
#include "clone/clone_commands.h"
#include "clone/clone_messages.h"
#include "file/acf_file.h"
#include "file/read_backups.h"
#include "model/channel_find.h"
#include "model/grid_edit.h"
#include "model/image_diff.h"
#include "ui/compare_window.h"
#include "ui/core_texts.h"
#include "ui/help_window.h"
#include "ui/msgbox.h"
#include "ui_rig.h"

namespace {

constexpr const char* kChildVariable = "CSQ5_LANGUAGE_CHILD";

// A clone failure whose text is composed of fixed lines, a port and a
// device and group: what the composition must keep.
std::string PermissionFailure() {
    CloneFailure f;
    f.errCannotOpen = true;
    f.portNum = 2;
    f.permissionDeniedDevice = "/dev/ttyUSB0";
    f.permissionGroup = "dialout";
    return CloneFailureText(f);
}

// The first page of the manual as the help window shows it.
QString ManualText(frmMain& w) {
    w.Help().ShowContents();
    const QString text = w.Help().findChild<QTextBrowser*>("txtHelpBrowser")->toPlainText();
    w.Help().hide();
    return text;
}

QString MenuTitles(frmMain& w) {
    QStringList titles;
    for (QAction* a : w.menuBar()->actions()) titles << a->text();
    return titles.join('|');
}

// Marks every text the German catalogue translates and lengthens it by
// 40 %, in words of five letters; a text it does not know stays unmarked.
class PseudoTranslator : public QTranslator {
  public:
    explicit PseudoTranslator(const QTranslator& catalogue) : catalogue_(catalogue) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (catalogue_.translate(context, source, disambiguation, n).isEmpty()) return {};
        const QString text = QString::fromUtf8(source);
        const QString padding = QStringLiteral(" xxxxx").repeated(int(text.size() / 15) + 1);
        return "\u27E6" + text + padding.left(int(text.size() * 0.4 + 0.99)) + "\u27E7";
    }

  private:
    const QTranslator& catalogue_;
};

// The texts of a window that hold words (two lower-case letters in a row;
// numbers, "COM1", "CTCSS", a file's or a device's name are the same in
// every language) and carry no mark, and its labels and buttons that are
// smaller than their text needs. Qt's own buttons come from Qt's catalogue.
struct Survey {
    QStringList untranslated, clipped;

    void Text(const QObject& o, const QString& text) {
        static const QRegularExpression words("[a-z]{2}"), names("\\S*/\\S*|\\b\\w+\\.\\w+\\b");
        if (QString(text).remove(names).contains(words) && !text.contains(QChar(0x27E6)))
            untranslated << o.objectName() + " " + o.metaObject()->className() + ": " + text;
    }
    void Window(QWidget& top) {
        Text(top, top.windowTitle());
        for (QAction* a : top.findChildren<QAction*>()) Text(*a, a->text() + a->toolTip());
        for (QWidget* w : top.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&top)) continue;
            auto* box = qobject_cast<QDialogButtonBox*>(w->parentWidget());
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (!(box && button && box->standardButton(button)))
                for (const char* p :
                     {"text", "title", "placeholderText", "toolTip", "accessibleName"})
                    Text(*w, w->property(p).toString());
            if (auto* v = qobject_cast<QAbstractItemView*>(w)) Items(*w, *v->model());
            if (auto* c = qobject_cast<QComboBox*>(w)) Items(*w, *c->model());
            if (auto* t = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < t->count(); ++i) Text(*w, t->tabText(i));
            auto* label = qobject_cast<QLabel*>(w);
            const bool cut = label && label->wordWrap()
                                 ? w->height() < w->heightForWidth(w->width())
                                 : w->width() < w->minimumSizeHint().width();
            if (cut && (label || button || qobject_cast<QGroupBox*>(w)))
                clipped << w->objectName() + " " + w->property("text").toString();
        }
    }
    void Items(const QObject& o, const QAbstractItemModel& m, const QModelIndex& parent = {}) {
        for (int c = 0; c < m.columnCount(parent); ++c)
            Text(o, m.headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < m.rowCount(parent); ++r) {
            Text(o, m.index(r, 0, parent).data().toString());
            Items(o, m, m.index(r, 0, parent));
        }
    }
};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { InstallTranslations(QStringLiteral("en")); }

    void followsTheDesktopLanguage() {
        // The system locale is read once per process: each case runs in a
        // process of its own with only its variables, and prints the
        // language, the File menu and Qt's Cancel.
        const QString de = "de|&Datei|Abbrechen", ja = "ja|ファイル(&F)|キャンセル";
        const struct {
            QStringList environment, arguments;
            QString expected;
        } cases[] = {
            {{"LANGUAGE=de"}, {}, de},
            {{"LANGUAGE=fr_FR:ja:de"}, {}, ja},  // the first with a catalogue
            {{"LC_ALL=de_DE.UTF-8"}, {}, de},
            {{"LC_MESSAGES=ja_JP.UTF-8"}, {}, ja},
            {{"LANG=de_AT.UTF-8"}, {}, de},
            {{"LANGUAGE=xx", "LANG=xx_YY.UTF-8"}, {}, "|&File|Cancel"},
            {{"LANGUAGE=ja"}, {"--lang", "de"}, de},
            {{"LANGUAGE=de"}, {"--lang=ja_JP"}, ja},
        };
        for (const auto& c : cases) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(name);
            for (const QString& setting : c.environment)
                env.insert(setting.section('=', 0, 0), setting.section('=', 1));
            env.insert(kChildVariable, "1");
            QProcess child;
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), c.arguments);
            QVERIFY(child.waitForFinished(60000));
            QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), c.expected);
        }
        // The rest of the command line is judged without the option.
        QCOMPARE(WithoutLanguageArgument({"--lang", "de", "/S"}), QStringList{"/S"});
        QCOMPARE(WithoutLanguageArgument({"a.acf", "--lang=ja"}), QStringList{"a.acf"});
    }

    void showsGermanAndJapanese() {
        const struct {
            QString language, menus;
            QStringList dialog;
            QString firstLine, lastLine, manualNote;
        } cases[] = {
            {"de",
             "&Datei|&Bearbeiten|&Ansicht|COM-&Port|&Klonen|&Optionen|&Hilfe",
             {"Speicher bearbeiten", "Betriebsfrequenz", "Tonsquelch", "Überspringen", "Abbrechen"},
             "Kein Zugriff auf COM 2.",
             "- Die Berechtigung für /dev/ttyUSB0 (Mitgliedschaft in der Gruppe dialout).",
             "Dieses Handbuch ist auf Englisch."},
            {"ja",
             "ファイル(&F)|編集(&E)|表示(&V)|COMポート(&P)|クローン(&C)|オプション(&O)|ヘルプ(&H)",
             {"メモリー編集", "運用周波数", "トーンスケルチ", "スキップ", "キャンセル"},
             "COM 2にアクセスできません。",
             "- /dev/ttyUSB0を使う権限（dialoutグループのメンバーであること）。",
             "このマニュアルは英語で書かれています。"},
        };
        for (const auto& c : cases) {
            QCOMPARE(InstallTranslations(c.language), c.language);
            Started r;
            QCOMPARE(MenuTitles(r.W()), c.menus);
            QStringList shown;
            r.dialogs.onShowModal = [&shown](QDialog& d) {
                shown << d.windowTitle();
                for (auto* l : d.findChildren<QLabel*>()) shown << l->text();
                for (auto* g : d.findChildren<QGroupBox*>()) shown << g->title();
                for (auto* b : d.findChildren<QPushButton*>()) shown << b->text();
            };
            r.At(kKeyBankA, 0);
            r.W().mnuEdit_Click(kEdit);
            for (const QString& text : c.dialog) QVERIFY2(shown.contains(text), qPrintable(text));
            // A composed message: translated line by line, the blank lines,
            // the port, the device and the group kept.
            MsgBoxOk(PermissionFailure());
            const QStringList lines = r.LastMessage().split('\n');
            QCOMPARE(lines.size(), 8);
            QCOMPARE(lines.first(), c.firstLine);
            QCOMPARE(lines.last(), c.lastLine);
            QVERIFY(lines[1].isEmpty() && lines[3].isEmpty());
            // The manual stays English and says so first, in the user's language.
            const QString page = ManualText(r.W());
            QVERIFY2(page.startsWith(c.manualNote + "\nWelcome to CS-Q5"),
                     qPrintable(page.left(80)));
        }
    }

    void unknownLanguageKeepsEnglishByteForByte() {
        QCOMPARE(InstallTranslations(QStringLiteral("xx")), QString());
        Started r;
        QCOMPARE(MenuTitles(r.W()),
                 QStringLiteral("&File|&Edit|&View|COM &Port|&Cloning|&Option|&Help"));
        const std::string composed[] = {
            PermissionFailure(),
            "Verify after write failed.\r\n\r\n2 bytes of the receiver's memory differ from what "
            "was written, in:\r\nBank A 05: Frequency\r\nSetting: Beep Audio",
            "line 7: offset 200 MHz is above 159.995 MHz, the largest offset",
            "Cannot find \"Skip\".",
        };
        for (const std::string& text : composed)
            QCOMPARE(CoreText(text), QString::fromStdString(text));
        QVERIFY(ManualText(r.W()).startsWith("Welcome to CS-Q5"));
        // A catalogue changes the fixed words, never the parts the user or
        // the system gave: a typed search text, a file name.
        InstallTranslations(QStringLiteral("de"));
        QCOMPARE(CoreText(composed[3]), QStringLiteral("„Skip“ wurde nicht gefunden."));
        QCOMPARE(CoreText(composed[1]),
                 QStringLiteral("Die Prüfung nach dem Schreiben ist fehlgeschlagen.\r\n\r\n2 Bytes "
                                "im Speicher des Empfängers weichen vom Geschriebenen ab, "
                                "in:\r\nBank A 05: Frequenz\r\nEinstellung: Quittungston"));
        // A report of clauses, clause by clause.
        QCOMPARE(CoreText(std::string("3 channels took the values as given, 1 was adjusted, 2 "
                                      "were left alone (2 blank).")),
                 QStringLiteral("3 Kanäle übernahmen die Werte wie angegeben, 1 wurde angepasst, "
                                "2 blieben unverändert (2 leer)."));
        QCOMPARE(CoreText(std::string("Bank A 05: left alone, Duplex, Offset do not apply.")),
                 QStringLiteral("Bank A 05: unverändert, Duplex, Ablage treffen nicht zu."));
        QCOMPARE(CoreText(std::string("Cannot open file.\r\n\r\n/tmp/Skip")),
                 QStringLiteral("Die Datei kann nicht geöffnet werden.\r\n\r\n/tmp/Skip"));
    }

    void everyCoreMessageIsInTheCatalogue() {
        // Each line with words of every message the core builds comes from
        // the catalogue; a core text changed without its entry in
        // core_texts.cpp fails here.
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/csq5_de.qm")));
        PseudoTranslator pseudo(german);
        QCoreApplication::installTranslator(&pseudo);
        WriteVerifyResult verify{1, std::vector<std::string>(12, "Bank A 05: Frequency")};
        std::tm noon{};
        using C = CloneCommands;
        // clang-format off
        std::vector<std::string> texts = {
            C::ReadEditedQuestion(), C::WriteQuestion(), C::WriteVerifiedText(),
            C::VerifyFailedText(verify), C::VerifyReadFailedText("Cannot Clone."),
            C::VerifyCancelledText(), C::WriteProgressLabel(), C::VerifyProgressLabel(),
            C::ReadDoneText(noon, "/b/backup.acf", ""), C::ReadDoneText(noon, "", "/b"),
            C::InformationTitle(), GridEdit::NoBlankChannelText("Bank C"),
            GridEdit::MovedToText(true, "Bank C", "07"), NoBackupsText("/b"), FindNotFoundText("RPT"),
            NoDifferencesText("b.acf"), ProfileUnreadableText("/p"), GridEdit::kMsgOverwrite,
            GridEdit::kMsgInsertRefused, AcfFileErrorMessage(kAcfCannotOpen, "/f")};
        // clang-format on
        for (int code = 0; code <= 8; ++code) {
            CloneFailure f;
            f.driverLastError = code;
            f.sequenceError = code - 1;
            texts.push_back(CloneFailureText(f));
        }
        static const QRegularExpression words("[a-z]{2}"), name("^\\S*[./]\\S*$");
        for (const std::string& text : texts) {
            const QStringList english = QString::fromStdString(text).split("\r\n");
            const QStringList shown = CoreText(text).split("\r\n");
            QCOMPARE(shown.size(), english.size());
            for (qsizetype i = 0; i < english.size(); ++i)
                if (english[i].contains(words) && !english[i].contains(name))
                    QVERIFY2(shown[i].contains(QChar(0x27E6)), qPrintable(english[i]));
        }
        QCoreApplication::removeTranslator(&pseudo);
    }

    void everyWindowTextIsTranslatedAndFits() {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/csq5_de.qm")));
        PseudoTranslator pseudo(german);
        QCoreApplication::installTranslator(&pseudo);
        Survey survey;
        {
            Started r;
            r.Channels({{0, 14550000, "RPT"}});
            r.W().show();
            r.dialogs.onShowModal = [&survey](QDialog& d) {
                d.show();
                d.adjustSize();
                survey.Window(d);
            };
            for (int key : {kKeyVfo, kKeyBankA, kKeyPScan, kKeyTv}) {
                r.At(key, 0);
                survey.Window(r.W());
            }
            r.At(kKeyBankA, 0);
            r.W().mnuEdit_Click(kEdit);              // Edit Memory
            r.W().mnuEdit_Click(15);                 // Sort Bank
            r.W().mnuEdit_Click(12);                 // Find
            r.W().mnuView_Click(0);                  // Common Setting
            r.W().mnuHelp_Click(2);                  // About
            r.W().MenuItem("mnuCom", 5)->trigger();  // COM port devices
            HelpWindow& help = r.W().Help();
            help.show();
            survey.Window(help);
            frmCompare& compare = r.W().CompareWindow();
            compare.SetDifferences("Untitled", true, "b.acf",
                                   {{3, 0, "Bank A", "01", "Skip", "", "Skip"}});
            compare.show();
            survey.Window(compare);
            frmCloneProgress& progress = r.W().CloneProgress();
            progress.Label(CoreText(std::string("Writing to the receiver...")));
            progress.Cancelable(true);
            progress.show();
            survey.Window(progress);
        }
        {
            Run setup;  // no receiver version: the initial setup opens
            setup.p->Start({});
            QVERIFY(setup.p->Setup());
            setup.p->Setup()->show();
            survey.Window(*setup.p->Setup());
        }
        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY2(survey.untranslated.isEmpty(), qPrintable(survey.untranslated.join('\n')));
        QVERIFY2(survey.clipped.isEmpty(), qPrintable(survey.clipped.join('\n')));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildVariable)) {
        // One case of followsTheDesktopLanguage: the language chosen as the
        // program chooses it at start, a menu title and a Qt button.
        const QStringList all = QApplication::arguments().mid(1);
        const QString chosen = InstallTranslations(LanguageArgument(all));
        frmMain window;
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QTextStream(stdout) << chosen << '|' << window.menuBar()->actions().value(0)->text() << '|'
                            << box.button(QDialogButtonBox::Cancel)->text() << '\n';
        return 0;
    }
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "language_test.moc"
