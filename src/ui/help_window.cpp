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
    {0, "Welcome to CS-Q5", "index.html"},
    {0, "First start and initial setup", "setup.html"},
    {1, "Why the receiver's version matters", "setup.html#version"},
    {1, "Running the initial setup", "setup.html#run"},
    {1, "Skipping the setup", "setup.html#skip"},
    {1, "Opening a data file at start", "setup.html#open"},
    {1, "Trying CS-Q5 without a receiver", "setup.html#demo"},
    {0, "Cloning", "cloning.html"},
    {1, "Reading the receiver", "cloning.html#read"},
    {1, "Backups of every read", "cloning.html#backups"},
    {1, "Writing to the receiver", "cloning.html#write"},
    {1, "Receiver information", "cloning.html#info"},
    {1, "When cloning fails", "cloning.html#errors"},
    {0, "Editing channels and settings", "editing.html"},
    {1, "The channel tree and grid", "editing.html#grid"},
    {1, "Editing a channel", "editing.html#channel"},
    {1, "Copy, paste, clear, delete, insert", "editing.html#commands"},
    {1, "Finding a channel", "editing.html#find"},
    {1, "Sorting a bank", "editing.html#sort"},
    {1, "Many channels at once", "editing.html#block"},
    {1, "Bulk edit", "editing.html#bulk"},
    {1, "Filling a bank", "editing.html#fill"},
    {1, "Moving channels by drag and drop", "editing.html#move"},
    {1, "Undo and redo", "editing.html#undo"},
    {1, "Receiver settings and comment", "editing.html#settings"},
    {1, "TV channel presets", "editing.html#presets"},
    {0, "Data files", "files.html"},
    {1, "Memory channels as a CSV table", "files.html#csv"},
    {1, "Printing the channel lists", "files.html#print"},
    {1, "The program's own settings", "files.html#profile"},
    {0, "Serial ports on Linux", "serial.html"},
    {1, "Access to the port: the dialout group", "serial.html#dialout"},
    {1, "USB cables and device names", "serial.html#devices"},
    {1, "Choosing the device of a COM slot", "serial.html#slots"},
    {1, "Troubleshooting", "serial.html#trouble"},
    {0, "Menus and toolbar", "menus.html"},
    {0, "Accessibility", "accessibility.html"},
    {1, "Screen readers on Linux: Orca", "accessibility.html#orca"},
    {1, "Keyboard commands", "accessibility.html#keyboard"},
    {1, "Large text and themes", "accessibility.html#themes"},
    {0, "Command line and simulator", "tools.html"},
    {1, "csq5-cli: cloning without a window", "tools.html#cli"},
    {1, "csq5-sim: a receiver on a pseudo-terminal", "tools.html#sim"},
};

const std::pair<const char*, const char*> kIndex[] = {
    {".acf file", "files.html"},
    {"/S (initial setup at start)", "setup.html#run"},
    {"AM TV channels", "editing.html#grid"},
    {"Accessibility", "accessibility.html"},
    {"Dark theme", "accessibility.html#themes"},
    {"Keyboard commands", "accessibility.html#keyboard"},
    {"Large text", "accessibility.html#themes"},
    {"Move Up, Move Down", "accessibility.html#keyboard"},
    {"Move to Bank", "accessibility.html#keyboard"},
    {"Orca screen reader", "accessibility.html#orca"},
    {"Screen reader", "accessibility.html#orca"},
    {"Shortcut keys", "accessibility.html#keyboard"},
    {"Backups of clone reads", "cloning.html#backups"},
    {"Bank", "editing.html#grid"},
    {"Cable", "serial.html#devices"},
    {"Cannot access COM", "cloning.html#errors"},
    {"Clear", "editing.html#commands"},
    {"Clone info.", "cloning.html#info"},
    {"Clone read", "cloning.html#read"},
    {"Clone write", "cloning.html#write"},
    {"COM port", "serial.html#slots"},
    {"ComDevice(n) in CSQ5.rs", "serial.html#slots"},
    {"Command line (csq5-cli)", "tools.html#cli"},
    {"Comment", "editing.html#settings"},
    {"Compare With", "files.html#compare"},
    {"Common Setting", "editing.html#settings"},
    {"Copy", "editing.html#commands"},
    {"CSQ5.rs", "files.html#profile"},
    {"csq5-cli", "tools.html#cli"},
    {"csq5-sim", "tools.html#sim"},
    {"CSV tables", "files.html#csv"},
    {"Cannot Clone", "cloning.html#errors"},
    {"Cannot write cloning data", "cloning.html#errors"},
    {"Delete", "editing.html#commands"},
    {"Differences between two files", "files.html#compare"},
    {"Demo receiver (--demo)", "setup.html#demo"},
    {"Detect cable", "serial.html#devices"},
    {"Device of a COM slot", "serial.html#slots"},
    {"Devices... (COM Port menu)", "serial.html#slots"},
    {"dialout group", "serial.html#dialout"},
    {"Edit Memory", "editing.html#channel"},
    {"Error messages of cloning", "cloning.html#errors"},
    {"Export CSV", "files.html#csv"},
    {"Export PDF", "files.html#print"},
    {"Find, Find Next", "editing.html#find"},
    {"Drag and drop", "editing.html#move"},
    {"Move a channel to another bank", "editing.html#move"},
    {"PDF of the channel lists", "files.html#print"},
    {"Print", "files.html#print"},
    {"Sort Bank", "editing.html#sort"},
    {"Block of channels (Shift, Ctrl+A)", "editing.html#block"},
    {"Bulk Edit", "editing.html#bulk"},
    {"Fill Channels", "editing.html#fill"},
    {"Split duplex in CSV tables", "files.html#csv"},
    {"FM TV channels", "editing.html#grid"},
    {"Frequency", "editing.html#channel"},
    {"Illegal Information", "cloning.html#errors"},
    {"Import CSV", "files.html#csv"},
    {"Initial setup", "setup.html"},
    {"Insert", "editing.html#commands"},
    {"Memory channels", "editing.html#grid"},
    {"New file", "files.html"},
    {"No answer from receiver", "cloning.html#errors"},
    {"Open file", "files.html"},
    {"Opening a file at start", "setup.html#open"},
    {"Paste", "editing.html#commands"},
    {"Permission denied", "serial.html#dialout"},
    {"Preset TV CH", "editing.html#presets"},
    {"Profile CSQ5.rs", "files.html#profile"},
    {"Program scan edges", "editing.html#grid"},
    {"Read Backups Folder", "cloning.html#backups"},
    {"Recent files", "files.html"},
    {"Redo", "editing.html#undo"},
    {"Restore Backup", "cloning.html#restore"},
    {"Save", "files.html"},
    {"Settings of the program", "files.html#profile"},
    {"Simulator (csq5-sim)", "tools.html#sim"},
    {"Skip", "editing.html#channel"},
    {"Toolbar", "menus.html"},
    {"Tuning step", "editing.html#channel"},
    {"Troubleshooting", "serial.html#trouble"},
    {"TV channels", "editing.html#presets"},
    {"/dev/ttyACM0", "serial.html#devices"},
    {"/dev/ttyUSB0", "serial.html#devices"},
    {"Undo", "editing.html#undo"},
    {"Verify After Write", "cloning.html#verify"},
    {"Version number does not match", "cloning.html#errors"},
    {"Version of the receiver", "setup.html#version"},
    {"VFO", "editing.html#grid"},
};
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitUiResources();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(kProgramName + QStringLiteral(" Help"));

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
        item->setText(0, QString::fromLatin1(e.title));
        item->setData(0, Qt::UserRole, QString::fromLatin1(e.page));
    }
    contents_->expandAll();
    connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        ShowPage(item->data(0, Qt::UserRole).toString());
    });
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
        ShowPage(item->data(0, Qt::UserRole).toString());
    });
    tabs_->addTab(contents_, QStringLiteral("Contents"));

    auto* indexPage = new QWidget(tabs_);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexText_ = new QLineEdit(indexPage);
    indexText_->setObjectName(QStringLiteral("txtHelpIndex"));
    indexText_->setPlaceholderText(QStringLiteral("Type a keyword"));
    indexText_->setAccessibleName(tr("Keyword"));
    index_ = new QListWidget(indexPage);
    index_->setObjectName(QStringLiteral("lstHelpIndex"));
    index_->setAccessibleName(tr("Index"));
    for (const auto& [word, page] : kIndex) {
        auto* item = new QListWidgetItem(QString::fromLatin1(word), index_);
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
    tabs_->addTab(indexPage, QStringLiteral("Index"));

    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName(QStringLiteral("txtHelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(tr("Help page"));
    // The page is read with the keyboard too: Tab reaches it, and its links
    // are followed with Tab and Enter.
    browser_->setFocusPolicy(Qt::StrongFocus);
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
