// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/caption.h"
#include "ui/placement.h"
#include "ui/resources.h"

namespace {
const char* const kBase = "qrc:/help/";
// The page's width and the window's height it asks for first; the room for
// the tab's own margins around the contents list; what a window frame
// (title bar and borders) takes, before the window is shown and its frame
// known.
constexpr int kPageWidth = 620;
constexpr int kWindowHeight = 600;
constexpr int kContentsPadding = 16;
const QSize kFrameAllowance(16, 48);

// Contents: level (0 chapter, 1 section), title, page.
struct ContentsEntry {
    int level;
    const char* title;
    const char* page;
};
const ContentsEntry kContents[] = {
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Welcome to CS-Q5"), "index.html"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "First start and initial setup"), "setup.html"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Why the receiver's version matters"),
     "setup.html#version"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Running the initial setup"), "setup.html#run"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Skipping the setup"), "setup.html#skip"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Opening a data file at start"), "setup.html#open"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Trying CS-Q5 without a receiver"), "setup.html#demo"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Cloning"), "cloning.html"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Reading the receiver"), "cloning.html#read"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Backups of every read"), "cloning.html#backups"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Writing to the receiver"), "cloning.html#write"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Receiver information"), "cloning.html#info"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "When cloning fails"), "cloning.html#errors"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Editing channels and settings"), "editing.html"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "The channel tree and grid"), "editing.html#grid"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Editing a channel"), "editing.html#channel"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Copy, paste, clear, delete, insert"),
     "editing.html#commands"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Finding a channel"), "editing.html#find"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Sorting a bank"), "editing.html#sort"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Moving channels by drag and drop"), "editing.html#move"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Many channels at once"), "editing.html#block"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Bulk edit"), "editing.html#bulk"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Filling a bank"), "editing.html#fill"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Undo and redo"), "editing.html#undo"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Receiver settings and comment"), "editing.html#settings"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "TV channel presets"), "editing.html#presets"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Data files"), "files.html"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Memory channels as a CSV table"), "files.html#csv"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Scanner frequency lists"), "files.html#scanner"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Printing the channel lists"), "files.html#print"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "The program's own settings"), "files.html#profile"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Serial ports on Linux"), "serial.html"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Access to the port: the dialout group"),
     "serial.html#dialout"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "USB cables and device names"), "serial.html#devices"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Choosing the device of a COM slot"), "serial.html#slots"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Troubleshooting"), "serial.html#trouble"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Menus and toolbar"), "menus.html"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Accessibility"), "accessibility.html"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Screen readers on Linux: Orca"),
     "accessibility.html#orca"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Keyboard commands"), "accessibility.html#keyboard"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "Large text and themes"), "accessibility.html#themes"},
    {0, QT_TRANSLATE_NOOP("HelpWindow", "Command line and simulator"), "tools.html"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "csq5-cli: cloning without a window"), "tools.html#cli"},
    {1, QT_TRANSLATE_NOOP("HelpWindow", "csq5-sim: a receiver on a pseudo-terminal"),
     "tools.html#sim"},
};

const std::pair<const char*, const char*> kIndex[] = {
    {QT_TRANSLATE_NOOP("HelpWindow", ".acf file"), "files.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "/S (initial setup at start)"), "setup.html#run"},
    {QT_TRANSLATE_NOOP("HelpWindow", "AM TV channels"), "editing.html#grid"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Accessibility"), "accessibility.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Dark theme"), "accessibility.html#themes"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Keyboard commands"), "accessibility.html#keyboard"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Large text"), "accessibility.html#themes"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Move Up, Move Down"), "accessibility.html#keyboard"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Move to Bank"), "accessibility.html#keyboard"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Orca screen reader"), "accessibility.html#orca"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Screen reader"), "accessibility.html#orca"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Shortcut keys"), "accessibility.html#keyboard"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Backups of clone reads"), "cloning.html#backups"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Bank"), "editing.html#grid"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Cable"), "serial.html#devices"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Cannot access COM"), "cloning.html#errors"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Clear"), "editing.html#commands"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Clone info."), "cloning.html#info"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Clone read"), "cloning.html#read"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Clone write"), "cloning.html#write"},
    {QT_TRANSLATE_NOOP("HelpWindow", "COM port"), "serial.html#slots"},
    {QT_TRANSLATE_NOOP("HelpWindow", "ComDevice(n) in CSQ5.rs"), "serial.html#slots"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Command line (csq5-cli)"), "tools.html#cli"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Comment"), "editing.html#settings"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Compare With"), "files.html#compare"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Common Setting"), "editing.html#settings"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Copy"), "editing.html#commands"},
    {QT_TRANSLATE_NOOP("HelpWindow", "CSQ5.rs"), "files.html#profile"},
    {QT_TRANSLATE_NOOP("HelpWindow", "csq5-cli"), "tools.html#cli"},
    {QT_TRANSLATE_NOOP("HelpWindow", "csq5-sim"), "tools.html#sim"},
    {QT_TRANSLATE_NOOP("HelpWindow", "CSV tables"), "files.html#csv"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Cannot Clone"), "cloning.html#errors"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Cannot write cloning data"), "cloning.html#errors"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Delete"), "editing.html#commands"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Differences between two files"), "files.html#compare"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Demo receiver (--demo)"), "setup.html#demo"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Detect cable"), "serial.html#devices"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Device of a COM slot"), "serial.html#slots"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Devices... (COM Port menu)"), "serial.html#slots"},
    {QT_TRANSLATE_NOOP("HelpWindow", "dialout group"), "serial.html#dialout"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Edit Memory"), "editing.html#channel"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Error messages of cloning"), "cloning.html#errors"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Export CSV"), "files.html#csv"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Export PDF"), "files.html#print"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Find, Find Next"), "editing.html#find"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Drag and drop"), "editing.html#move"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Move a channel to another bank"), "editing.html#move"},
    {QT_TRANSLATE_NOOP("HelpWindow", "PDF of the channel lists"), "files.html#print"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Print"), "files.html#print"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Sort Bank"), "editing.html#sort"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Split duplex in CSV tables"), "files.html#csv"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Block of channels (Shift, Ctrl+A)"), "editing.html#block"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Bulk Edit"), "editing.html#bulk"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Fill Channels"), "editing.html#fill"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Scanner frequency lists (RadioReference)"),
     "files.html#scanner"},
    {QT_TRANSLATE_NOOP("HelpWindow", "FM TV channels"), "editing.html#grid"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Frequency"), "editing.html#channel"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Illegal Information"), "cloning.html#errors"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Import CSV"), "files.html#csv"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Initial setup"), "setup.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Insert"), "editing.html#commands"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Memory channels"), "editing.html#grid"},
    {QT_TRANSLATE_NOOP("HelpWindow", "New file"), "files.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "No answer from receiver"), "cloning.html#errors"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Open file"), "files.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Opening a file at start"), "setup.html#open"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Paste"), "editing.html#commands"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Permission denied"), "serial.html#dialout"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Preset TV CH"), "editing.html#presets"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Profile CSQ5.rs"), "files.html#profile"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Program scan edges"), "editing.html#grid"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Read Backups Folder"), "cloning.html#backups"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Recent files"), "files.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Redo"), "editing.html#undo"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Restore Backup"), "cloning.html#restore"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Save"), "files.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Settings of the program"), "files.html#profile"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Simulator (csq5-sim)"), "tools.html#sim"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Skip"), "editing.html#channel"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Toolbar"), "menus.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Tuning step"), "editing.html#channel"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Troubleshooting"), "serial.html#trouble"},
    {QT_TRANSLATE_NOOP("HelpWindow", "TV channels"), "editing.html#presets"},
    {QT_TRANSLATE_NOOP("HelpWindow", "/dev/ttyACM0"), "serial.html#devices"},
    {QT_TRANSLATE_NOOP("HelpWindow", "/dev/ttyUSB0"), "serial.html#devices"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Undo"), "editing.html#undo"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Verify After Write"), "cloning.html#verify"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Version number does not match"), "cloning.html#errors"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Version of the receiver"), "setup.html#version"},
    {QT_TRANSLATE_NOOP("HelpWindow", "VFO"), "editing.html#grid"},
};
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitUiResources();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("%1 Help").arg(kProgramName));

    auto* splitter = new QSplitter(this);
    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName(QStringLiteral("tabHelp"));
    tabs_->setAccessibleName(tr("Contents and index"));

    contents_ = new QTreeWidget(tabs_);
    contents_->setObjectName(QStringLiteral("trvHelpContents"));
    contents_->setHeaderHidden(true);
    contents_->setAccessibleName(tr("Contents"));
    QTreeWidgetItem* chapter = nullptr;
    for (const auto& e : kContents) {
        QTreeWidgetItem* item = (e.level == 0 || !chapter) ? new QTreeWidgetItem(contents_)
                                                           : new QTreeWidgetItem(chapter);
        if (e.level == 0) chapter = item;
        item->setText(0, tr(e.title));
        item->setData(0, Qt::UserRole, QString::fromLatin1(e.page));
    }
    contents_->expandAll();
    connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        ShowPage(item->data(0, Qt::UserRole).toString());
    });
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
        ShowPage(item->data(0, Qt::UserRole).toString());
    });
    tabs_->addTab(contents_, tr("Contents"));

    auto* indexPage = new QWidget(tabs_);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexText_ = new QLineEdit(indexPage);
    indexText_->setObjectName(QStringLiteral("txtHelpIndex"));
    indexText_->setPlaceholderText(tr("Type a keyword"));
    indexText_->setAccessibleName(tr("Keyword"));
    index_ = new QListWidget(indexPage);
    index_->setObjectName(QStringLiteral("lstHelpIndex"));
    index_->setAccessibleName(tr("Index"));
    for (const auto& [word, page] : kIndex) {
        auto* item = new QListWidgetItem(tr(word), index_);
        item->setData(Qt::UserRole, QString::fromLatin1(page));
    }
    index_->sortItems();
    indexLayout->addWidget(indexText_);
    indexLayout->addWidget(index_);
    connect(indexText_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
    connect(indexText_, &QLineEdit::returnPressed, this, [this] {
        for (int r = 0; r < index_->count(); ++r)
            if (!index_->item(r)->isHidden()) return OpenIndexEntry(r);
    });
    connect(index_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenIndexEntry(index_->row(item)); });
    connect(index_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OpenIndexEntry(index_->row(item)); });
    tabs_->addTab(indexPage, tr("Index"));

    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName(QStringLiteral("txtHelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(tr("Help page"));
    // The page is read with the keyboard too: Tab reaches it, and its links
    // are followed with Tab and Enter.
    browser_->setFocusPolicy(Qt::StrongFocus);
    // The manual is written in English only; in another language its
    // first page says so, in that language, above the English text.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const char* const note = QT_TR_NOOP("This manual is in English.");
        const QString shown = tr(note);
        if (url.fileName() != QLatin1String("index.html") || shown == QLatin1String(note)) return;
        QTextCursor cursor(browser_->document());
        cursor.insertHtml(QStringLiteral("<p><b>") + shown.toHtmlEscaped() +
                          QStringLiteral("</b></p>"));
        cursor.insertBlock();
    });
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    // The contents pane is as wide as its longest title (with the tab's and
    // the list's frames and a scroll bar); the page takes the rest.
    const int contentsWidth = static_cast<QAbstractItemView*>(contents_)->sizeHintForColumn(0) +
                              2 * contents_->frameWidth() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent) + kContentsPadding;
    splitter->setSizes({contentsWidth, kPageWidth});
    resize(contentsWidth + splitter->handleWidth() + kPageWidth, kWindowHeight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    ShowPage(QStringLiteral("index.html"));
}

void HelpWindow::ShowContents() {
    tabs_->setCurrentIndex(0);
    ShowPage(QStringLiteral("index.html"));
    // A keyboard user starts in the contents: the arrows choose a topic.
    contents_->setFocus(Qt::OtherFocusReason);
    if (!placed_) {
        PlaceOnScreen();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowPage(const QString& page) {
    browser_->setSource(QUrl(QString::fromLatin1(kBase) + page));
}

void HelpWindow::PlaceOnScreen() {
    // The first time it opens, the window fits the screen's free area (the
    // window frame included) and stands centred over the program's window,
    // or in the middle of the screen.
    QWidget* owner =
        parentWidget() && parentWidget()->isVisible() ? parentWidget()->window() : nullptr;
    const QScreen* s = owner ? owner->screen() : screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    resize(std::min(width(), avail.width() - kFrameAllowance.width()),
           std::min(height(), avail.height() - kFrameAllowance.height()));
    const QRect around = owner ? owner->frameGeometry() : avail;
    const QSize frame = size() + kFrameAllowance;
    const PlaceRect r =
        KeepOnScreen(CentreOver({around.left() - avail.left(), around.top() - avail.top(),
                                 around.width(), around.height()},
                                frame.width(), frame.height()),
                     avail.width(), avail.height());
    move(avail.left() + r.left, avail.top() + r.top);
}

QUrl HelpWindow::CurrentPage() const {
    return browser_->source();
}

void HelpWindow::FilterIndex(const QString& text) {
    const QString t = text.trimmed();
    for (int r = 0; r < index_->count(); ++r) {
        QListWidgetItem* item = index_->item(r);
        item->setHidden(!item->text().startsWith(t, Qt::CaseInsensitive));
    }
}

int HelpWindow::IndexCount() const {
    int n = 0;
    for (int r = 0; r < index_->count(); ++r)
        if (!index_->item(r)->isHidden()) ++n;
    return n;
}

void HelpWindow::OpenIndexEntry(int row) {
    if (row < 0 || row >= index_->count()) return;
    ShowPage(index_->item(row)->data(Qt::UserRole).toString());
}
