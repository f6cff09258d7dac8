// SPDX-License-Identifier: GPL-3.0-or-later
// The program's help: every page of the contents and the index exists in
// the resources, links between pages resolve, and the index filters.

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>

#include "ui/about_box.h"
#include "ui/help_window.h"

namespace {
QString PageFile(const QString& target) {
    return QStringLiteral(":/help/") + target.section(QLatin1Char('#'), 0, 0);
}
QString ReadPage(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void TheWindowOpensInsideTheScreenWithItsTitlesInFull() {
        HelpWindow help;
        help.ShowContents();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const QRect avail = help.screen()->availableGeometry();
        QVERIFY(avail.contains(help.frameGeometry()));
        auto* contents = help.findChild<QTreeWidget*>("trvHelpContents");
        int widest = 0;
        const QFontMetrics fm(contents->font());
        for (QTreeWidgetItemIterator it(contents); *it; ++it)
            widest = std::max(widest, contents->visualItemRect(*it).left() +
                                          fm.horizontalAdvance((*it)->text(0)));
        QVERIFY2(widest <= contents->viewport()->width(), qPrintable(QString::number(widest)));
        help.close();
    }

    void EveryContentsAndIndexEntryLeadsToAnExistingAnchor() {
        HelpWindow help;
        QStringList targets;
        auto* contents = help.findChild<QTreeWidget*>("trvHelpContents");
        QTreeWidgetItemIterator it(contents);
        for (; *it; ++it) targets << (*it)->data(0, Qt::UserRole).toString();
        auto* index = help.findChild<QListWidget*>("lstHelpIndex");
        for (int r = 0; r < index->count(); ++r)
            targets << index->item(r)->data(Qt::UserRole).toString();
        QVERIFY(targets.size() > 30);
        for (const QString& t : targets) {
            const QString page = ReadPage(PageFile(t));
            QVERIFY2(!page.isEmpty(), qPrintable(t));
            const QString anchor = t.section(QLatin1Char('#'), 1);
            if (!anchor.isEmpty())
                QVERIFY2(page.contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(t));
        }
    }

    void LinksBetweenPagesResolve() {
        const QRegularExpression href(QStringLiteral("href=\"([a-z]+\\.(html))(#[a-z]+)?\""));
        for (const char* name : {"index.html", "setup.html", "cloning.html", "editing.html",
                                 "files.html", "serial.html", "menus.html", "tools.html"}) {
            const QString page = ReadPage(QStringLiteral(":/help/") + name);
            QVERIFY2(!page.isEmpty(), name);
            auto matches = href.globalMatch(page);
            while (matches.hasNext()) {
                const auto m = matches.next();
                const QString target = ReadPage(QStringLiteral(":/help/") + m.captured(1));
                QVERIFY2(!target.isEmpty(), qPrintable(m.captured(0)));
                if (m.hasCaptured(3))
                    QVERIFY2(
                        target.contains(QStringLiteral("name=\"%1\"").arg(m.captured(3).mid(1))),
                        qPrintable(m.captured(0)));
            }
        }
    }

    // The pages share one stylesheet; a page that lost it shows plain text.
    void EveryPageTakesTheSharedStylesheet() {
        for (const char* name : {"index.html", "setup.html", "cloning.html", "editing.html",
                                 "files.html", "serial.html", "menus.html", "tools.html"}) {
            QTextBrowser browser;
            browser.setSource(QUrl(QStringLiteral("qrc:/help/") + name));
            const QTextBlock heading = browser.document()->begin();
            QVERIFY2(!heading.text().isEmpty(), name);
            QCOMPARE(heading.begin().fragment().charFormat().foreground().color(),
                     QColor(0x1f, 0x4e, 0x79));
        }
    }

    void TheSerialPageTellsHowToJoinDialout() {
        const QString page = ReadPage(":/help/serial.html");
        for (const char* text : {"sudo usermod -aG dialout $USER", "log out", "/dev/ttyUSB0",
                                 "/dev/ttyACM0", "ComDevice(1)"})
            QVERIFY2(page.contains(QString::fromLatin1(text)), text);
    }

    void TheIndexNarrowsToTheTypedKeyword() {
        HelpWindow help;
        const int all = help.IndexCount();
        help.FilterIndex("dial");
        QCOMPARE(help.IndexCount(), 1);
        help.FilterIndex("CLONE");
        QCOMPARE(help.IndexCount(), 3);
        help.FilterIndex("");
        QCOMPARE(help.IndexCount(), all);
    }

    // Every feature can be found by the word a user would type, and the
    // entry leads to a page that speaks of it.
    void TheIndexFindsEveryFeatureByItsWord() {
        HelpWindow help;
        auto* index = help.findChild<QListWidget*>("lstHelpIndex");
        for (const char* word : {"backup",       "CSV",        "demo",
                                 "undo",         "device",     "profile",
                                 "csq5-cli",     "csq5-sim",   "troubleshooting",
                                 "Cannot Clone", "find",       "sort",
                                 "drag",         "print",      "PDF",
                                 "split",        "restore",    "verify",
                                 "compare",      "differences"}) {
            help.FilterIndex(QString::fromLatin1(word));
            QVERIFY2(help.IndexCount() > 0, word);
            for (int r = 0; r < index->count(); ++r) {
                if (index->item(r)->isHidden()) continue;
                const QString page =
                    ReadPage(PageFile(index->item(r)->data(Qt::UserRole).toString()));
                QVERIFY2(page.contains(QString::fromLatin1(word), Qt::CaseInsensitive),
                         qPrintable(index->item(r)->text()));
            }
        }
    }

    void TheAboutBoxNamesTheProgramAndItsRevision() {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About CS-Q5"));
        auto* name = about.findChild<QLabel*>("lblAbout_Name");
        QVERIFY(name);
        QCOMPARE(name->text(), QStringLiteral("CS-Q5 Rev.") + QStringLiteral(CSQ5_VERSION));
        // Free software: the notice, the licence with its version and where
        // its terms are, and no warranty.
        auto* licence = about.findChild<QLabel*>("lblAbout_Licence");
        QVERIFY(licence);
        const QString text = licence->text();
        for (const char* part :
             {"Copyright", "CS-Q5 developers", "GNU General Public License", "version 3",
              "any later version", "NO WARRANTY", "https://www.gnu.org/licenses/gpl-3.0"})
            QVERIFY2(text.contains(QLatin1String(part)), part);
        QVERIFY(licence->openExternalLinks());
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
