// SPDX-License-Identifier: GPL-3.0-or-later
// The program's help: every contents and index entry and every link between
// pages leads to a page and anchor that exist, the index finds every
// feature by the word a user would type, the window fits the screen, and
// the About box carries the licence.

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeWidget>
#include <QtTest>

#include "fake_dialogs.h"
#include "ui/about_box.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

namespace {
QString ReadPage(const QString& target) {
    QFile f(QStringLiteral(":/help/") + target.section(QLatin1Char('#'), 0, 0));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
// Whether "page.html#anchor" (or a page alone) exists.
bool Exists(const QString& target) {
    const QString page = ReadPage(target);
    const QString anchor = target.section(QLatin1Char('#'), 1);
    return !page.isEmpty() &&
           (anchor.isEmpty() || page.contains(QStringLiteral("name=\"%1\"").arg(anchor)));
}
}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void EveryEntryAndLinkLeadsToAnExistingAnchor() {
        HelpWindow help;
        QStringList targets;
        for (QTreeWidgetItemIterator it(help.findChild<QTreeWidget*>("trvHelpContents")); *it; ++it)
            targets << (*it)->data(0, Qt::UserRole).toString();
        auto* index = help.findChild<QListWidget*>("lstHelpIndex");
        for (int r = 0; r < index->count(); ++r)
            targets << index->item(r)->data(Qt::UserRole).toString();
        QVERIFY(targets.size() > 30);
        const QRegularExpression href(QStringLiteral("href=\"([a-z]+\\.html(#[a-z]+)?)\""));
        for (const char* name :
             {"index.html", "setup.html", "cloning.html", "editing.html", "files.html",
              "serial.html", "menus.html", "tools.html", "accessibility.html"}) {
            QVERIFY2(Exists(name), name);
            for (auto m = href.globalMatch(ReadPage(name)); m.hasNext();)
                targets << m.next().captured(1);
        }
        for (const QString& t : targets) QVERIFY2(Exists(t), qPrintable(t));
    }

    // Every feature can be found by the word a user would type, and the
    // entry leads to a page that speaks of it.
    void TheIndexFindsEveryFeatureByItsWord() {
        HelpWindow help;
        auto* index = help.findChild<QListWidget*>("lstHelpIndex");
        const int all = help.IndexCount();
        for (const char* word : {"backup",       "CSV",         "demo",
                                 "undo",         "device",      "profile",
                                 "csq5-cli",     "csq5-sim",    "troubleshooting",
                                 "Cannot Clone", "find",        "sort",
                                 "drag",         "print",       "PDF",
                                 "split",        "restore",     "verify",
                                 "compare",      "differences", "dialout"}) {
            help.FilterIndex(QString::fromLatin1(word));
            QVERIFY2(help.IndexCount() > 0 && help.IndexCount() < all, word);
            for (int r = 0; r < index->count(); ++r) {
                if (index->item(r)->isHidden()) continue;
                QVERIFY2(ReadPage(index->item(r)->data(Qt::UserRole).toString())
                             .contains(QString::fromLatin1(word), Qt::CaseInsensitive),
                         qPrintable(index->item(r)->text()));
            }
        }
        help.FilterIndex("");
        QCOMPARE(help.IndexCount(), all);
    }

    void TheWindowOpensInsideTheScreenWithItsTitlesInFull() {
        HelpWindow help;
        help.ShowContents();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY(help.screen()->availableGeometry().contains(help.frameGeometry()));
        auto* contents = help.findChild<QTreeWidget*>("trvHelpContents");
        const QFontMetrics fm(contents->font());
        for (QTreeWidgetItemIterator it(contents); *it; ++it)
            QVERIFY2(contents->visualItemRect(*it).left() + fm.horizontalAdvance((*it)->text(0)) <=
                         contents->viewport()->width(),
                     qPrintable((*it)->text(0)));
        help.close();
    }

    // The keyboard page has a row for every command of the main window's
    // menus with its shortcut key.
    void TheKeyboardPageListsEveryCommandWithItsKeys() {
        frmMain window;
        const QStringList rows = ReadPage(QStringLiteral("accessibility.html")).split("<tr>");
        for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
            for (QAction* a : menu->actions()) {
                if (a->isSeparator() || a->objectName().startsWith(QLatin1String("mnuFile_Recent")))
                    continue;
                const QString cell =
                    QStringLiteral("<td>%1 &gt; %2")
                        .arg(menu->title().remove('&'),
                             a->text().remove('&').section(" (", 0, 0).toHtmlEscaped());
                const QString keys = a->shortcut().toString(QKeySequence::PortableText);
                QVERIFY2(std::any_of(rows.begin(), rows.end(),
                                     [&](const QString& r) {
                                         return r.contains(cell) && r.contains(keys);
                                     }),
                         qPrintable(cell + " " + keys));
            }
    }

    void TheAboutBoxLinksTheLicence() {
        frmAbout about;
        auto* licence = about.findChild<QLabel*>("lblAbout_Licence");
        QVERIFY(licence->text().contains(QLatin1String("https://www.gnu.org/licenses/gpl-3.0")));
        // The link opens the browser, or the licence's text where none starts.
        FakeDialogs fake;
        QString shown;
        fake.onShowModal = [&shown](QDialog& d) {
            shown = d.findChild<QPlainTextEdit*>("txtLicence")->toPlainText();
        };
        for (const bool browser : {true, false}) {
            fake.browser = browser;
            emit licence->linkActivated(kLicenceUrl);
            QCOMPARE(fake.shownDialogs, browser ? QStringList() : QStringList{"frmLicence"});
        }
        QCOMPARE(fake.openedLinks, QStringList(2, kLicenceUrl));
        QVERIFY(shown.contains("GNU GENERAL PUBLIC LICENSE") && shown.contains("Version 3"));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
