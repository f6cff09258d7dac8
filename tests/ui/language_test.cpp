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
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include "clone/clone_messages.h"
#include "image/eeprom.h"
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

// Marks and lengthens every text the German catalogue translates; a text
// it does not know comes back unmarked.
class PseudoTranslator : public QTranslator {
  public:
    explicit PseudoTranslator(const QTranslator& catalogue) : catalogue_(catalogue) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (catalogue_.translate(context, source, disambiguation, n).isEmpty()) return {};
        // Words of five letters and a blank, as a longer language's are.
        const QString text = QString::fromUtf8(source);
        const QString padding = QStringLiteral(" xxxxx").repeated(int(text.size() / 15) + 1);
        return QStringLiteral("\u27E6") + text + padding.left(int(text.size() * 0.4 + 0.99)) +
               QStringLiteral("\u27E7");
    }

  private:
    const QTranslator& catalogue_;
};

// Words of a language in a text: a run of two lower-case letters. Numbers,
// frequencies, "COM1", "CTCSS" and "CS-Q5" are the same in every language,
// and so are a file's or a device's name.
bool HasWords(const QString& text) {
    static const QRegularExpression words(QStringLiteral("[a-z]{2}"));
    static const QRegularExpression name(QStringLiteral("^\\S*[./]\\S*$"));
    return text.contains(words) && !text.contains(name);
}

// A button of Qt's own (OK, Cancel, Close of a button box): Qt's catalogue
// translates it.
bool QtButton(QAbstractButton* b) {
    auto* box = qobject_cast<QDialogButtonBox*>(b->parentWidget());
    return box && box->standardButton(b) != QDialogButtonBox::NoButton;
}

// The texts of a window and its children that are in no catalogue, and
// the labels and buttons that are narrower or lower than their text needs.
struct Survey {
    QStringList untranslated;
    QStringList clipped;

    void Text(const QString& where, const QString& text) {
        if (HasWords(text) && !text.contains(QChar(0x27E6))) untranslated << where + ": " + text;
    }
    void Window(QWidget& top) {
        Text(top.objectName() + " title", top.windowTitle());
        for (QWidget* w : top.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&top)) continue;
            const QString where = top.objectName() + "/" + w->metaObject()->className();
            if (auto* l = qobject_cast<QLabel*>(w)) {
                Text(where, l->text());
                const bool cut = l->wordWrap() ? l->height() < l->heightForWidth(l->width())
                                               : l->width() < l->minimumSizeHint().width();
                if (cut && !l->text().isEmpty()) clipped << where + ": " + l->text();
            } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                if (!QtButton(b)) Text(where, b->text());
                if (b->width() < b->sizeHint().width() && !b->text().isEmpty())
                    clipped << where + ": " + b->text();
            } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                Text(where, g->title());
                if (g->width() < g->minimumSizeHint().width()) clipped << where + ": " + g->title();
            } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
                for (int i = 0; i < t->count(); ++i) Text(where, t->tabText(i));
            } else if (auto* c = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; i < c->count(); ++i) Text(where, c->itemText(i));
            } else if (auto* v = qobject_cast<QTableWidget*>(w)) {
                for (int i = 0; i < v->columnCount(); ++i)
                    if (auto* h = v->horizontalHeaderItem(i)) Text(where, h->text());
            } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
                for (QTreeWidgetItemIterator it(tree); *it; ++it) Text(where, (*it)->text(0));
            } else if (auto* list = qobject_cast<QListWidget*>(w)) {
                for (int i = 0; i < list->count(); ++i) Text(where, list->item(i)->text());
            } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                Text(where, edit->placeholderText());
            }
        }
        for (QAction* a : top.findChildren<QAction*>()) {
            Text(top.objectName() + " action", a->text());
            Text(top.objectName() + " tip", a->toolTip());
        }
    }
};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { InstallTranslations(QStringLiteral("en")); }

    void followsTheDesktopLanguage_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QStringList none;
        QTest::newRow("LANGUAGE de") << QStringList{"LANGUAGE=de"} << none << "de|&Datei|Abbrechen";
        QTest::newRow("LANGUAGE ja")
            << QStringList{"LANGUAGE=ja"} << none << "ja|ファイル(&F)|キャンセル";
        QTest::newRow("first with a catalogue")
            << QStringList{"LANGUAGE=fr_FR:ja:de"} << none << "ja|ファイル(&F)|キャンセル";
        QTest::newRow("LC_ALL") << QStringList{"LC_ALL=de_DE.UTF-8"} << none
                                << "de|&Datei|Abbrechen";
        QTest::newRow("LC_MESSAGES")
            << QStringList{"LC_MESSAGES=ja_JP.UTF-8"} << none << "ja|ファイル(&F)|キャンセル";
        QTest::newRow("LANG") << QStringList{"LANG=de_AT.UTF-8"} << none << "de|&Datei|Abbrechen";
        QTest::newRow("unknown") << QStringList{"LANGUAGE=xx", "LANG=xx_YY.UTF-8"} << none
                                 << "|&File|Cancel";
        QTest::newRow("--lang overrides")
            << QStringList{"LANGUAGE=ja"} << QStringList{"--lang", "de"} << "de|&Datei|Abbrechen";
        QTest::newRow("--lang=") << QStringList{"LANGUAGE=de"} << QStringList{"--lang=ja_JP"}
                                 << "ja|ファイル(&F)|キャンセル";
    }
    void followsTheDesktopLanguage() {
        // The system locale is read once per process: each case runs in a
        // process of its own with only the variables of the case.
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(name);
        for (const QString& setting : environment)
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        env.insert(kChildVariable, "1");
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), expected);
    }

    void showsGermanAndJapanese_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("menus");
        QTest::addColumn<QStringList>("dialog");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("manualNote");
        QTest::newRow("de")
            << "de"
            << "&Datei|&Bearbeiten|&Ansicht|COM-&Port|&Klonen|&Optionen|&Hilfe"
            << QStringList{"Speicher bearbeiten", "Betriebsfrequenz", "Tonsquelch", "Überspringen",
                           "Abbrechen"}
            << "Kein Zugriff auf COM 2.\n\nBitte prüfen:\n\n"
               "- Die Einstellung des COM-Ports.\n- Die Verbindungen des Klonkabels.\n"
               "- Der Empfänger ist eingeschaltet.\n"
               "- Die Berechtigung für /dev/ttyUSB0 (Mitgliedschaft in der Gruppe dialout)."
            << "Dieses Handbuch ist auf Englisch.";
        QTest::newRow("ja") << "ja"
                            << "ファイル(&F)|編集(&E)|表示(&V)|COMポート(&P)|クローン(&C)|"
                               "オプション(&O)|ヘルプ(&H)"
                            << QStringList{"メモリー編集", "運用周波数", "トーンスケルチ",
                                           "スキップ", "キャンセル"}
                            << "COM 2にアクセスできません。\n\n次の点を確認してください:\n\n"
                               "- COMポートの設定。\n- クローンケーブルの接続。\n"
                               "- 受信機の電源がONになっていること。\n"
                               "- /dev/ttyUSB0を使う権限（dialoutグループのメンバーであること）。"
                            << "このマニュアルは英語で書かれています。";
    }
    void showsGermanAndJapanese() {
        QFETCH(QString, language);
        QFETCH(QString, menus);
        QFETCH(QStringList, dialog);
        QFETCH(QString, message);
        QFETCH(QString, manualNote);
        QCOMPARE(InstallTranslations(language), language);
        Started r;
        QCOMPARE(MenuTitles(r.W()), menus);
        QStringList shown;
        r.dialogs.onShowModal = [&shown](QDialog& d) {
            shown << d.windowTitle();
            for (auto* l : d.findChildren<QLabel*>()) shown << l->text();
            for (auto* g : d.findChildren<QGroupBox*>()) shown << g->title();
            for (auto* b : d.findChildren<QPushButton*>()) shown << b->text();
            for (auto* c : d.findChildren<QComboBox*>())
                for (int i = 0; i < c->count(); ++i) shown << c->itemText(i);
        };
        r.At(kKeyBankA, 0);
        r.W().mnuEdit_Click(kEdit);
        for (const QString& text : dialog) QVERIFY2(shown.contains(text), qPrintable(text));
        MsgBoxOk(PermissionFailure());
        QCOMPARE(r.LastMessage(), message);
        // The manual stays English and says so first, in the user's language.
        const QString page = ManualText(r.W());
        QVERIFY2(page.startsWith(manualNote + "\n"), qPrintable(page.left(80)));
        QVERIFY(page.contains("Welcome to CS-Q5"));
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
        QCOMPARE(CoreText(std::string("Cannot open file.\r\n\r\n/tmp/Skip")),
                 QStringLiteral("Die Datei kann nicht geöffnet werden.\r\n\r\n/tmp/Skip"));
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
            compare.SetDifferences("Untitled", "b.acf",
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
        const QString found = "not in the catalogue:\n" + survey.untranslated.join('\n') +
                              "\ncut off:\n" + survey.clipped.join('\n');
        QVERIFY2(survey.untranslated.isEmpty() && survey.clipped.isEmpty(), qPrintable(found));
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
