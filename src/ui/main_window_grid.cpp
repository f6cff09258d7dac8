// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's channel-group tree and channel grid: the rows shown,
// cursor and scrolling, the grid's mouse and keys, the layout of tree,
// separator and grid, and dragging channels between rows and banks.

#include <unistd.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include "app/common.h"
#include "model/grid_edit.h"
#include "model/grid_texts.h"
#include "ui/core_texts.h"
#include "ui/main_window.h"
#include "ui/placement.h"

namespace {
// A channel row on its way from the grid: "process id/window/key/row".
const char* const kChannelMime = "application/x-csq5-channel";
QRect ToRect(const PlaceRect& r, double tppX, double tppY) {
    const int left = TwipsToPixels(r.left, tppX);
    const int top = TwipsToPixels(r.top, tppY);
    const int right = TwipsToPixels(r.left + r.width, tppX);
    const int bottom = TwipsToPixels(r.top + r.height, tppY);
    return QRect(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
}
}  // namespace

// ------------------------------------------------------- tree and grid

void frmMain::BuildChTree() {
    trvChList_->clear();
    QHash<QString, QTreeWidgetItem*> byKey;
    QTreeWidgetItem* second = nullptr;
    int count = 0;
    for (int i = 0; i < kNumTreeKeys; ++i) {
        const std::string def = model_->TreeKeyStr(i);
        if (def.empty()) break;
        const TreeKeyParts parts = ParseTreeKeyStr(def);
        const QString image = QString::number(parts.image);
        const QString text = CoreWord(QString::fromStdString(parts.caption));
        const QString key = QString::fromStdString(parts.key);
        QTreeWidgetItem* parent = parts.parent.empty()
                                      ? nullptr
                                      : byKey.value(QString::fromStdString(parts.parent), nullptr);
        auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(trvChList_);
        node->setText(0, text);
        node->setData(0, Qt::UserRole, i);
        node->setIcon(0, QIcon(QStringLiteral(":/icons/Tree_%1.png").arg(image)));
        byKey.insert(key, node);
        node->setExpanded(true);
        if (++count == 2) second = node;
    }
    if (second) trvChList_->setCurrentItem(second);
}

int frmMain::SelectedTreeKey() const {
    const auto selected = trvChList_->selectedItems();
    if (selected.isEmpty()) return 0;
    return selected.front()->data(0, Qt::UserRole).toInt();
}

int frmMain::ChListOfTreeKey(int key) const {
    return model_->TreeKeyChListType(key);
}

void frmMain::ChangeTreeKey(int key) {
    GetItemWidth();
    if (curTreeKey_ >= 0 && curTreeKey_ < kNumTreeKeys) {
        savedRow_[curTreeKey_] = mfgCh_->currentRow() + 1;
        savedTopRow_[curTreeKey_] = mfgCh_->rowAt(0) + 1;
    }
    curTreeKey_ = LimitInt(key, 0, kNumTreeKeys - 1);
    grid_SetColumns();
    const int rows = mfgCh_->rowCount();
    if (rows > 0) {
        const int top = LimitInt(savedTopRow_[curTreeKey_], 1, rows) - 1;
        const int cur = LimitInt(savedRow_[curTreeKey_], 1, rows) - 1;
        // The cells are empty until DispChList fills them: scroll to the
        // row itself, which exists already.
        mfgCh_->scrollTo(mfgCh_->model()->index(top, 0), QAbstractItemView::PositionAtTop);
        mfgCh_->setCurrentCell(cur, 0);
    }
    DispChList();
    radio_->CheckEditOn();
}

void frmMain::grid_Init() {
    mfgCh_->setEnabled(false);
    QPalette pal = mfgCh_->palette();
    // Without focus the chosen row shows in button face, as in a list that
    // is not being worked in.
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Button));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::WindowText));
    mfgCh_->setPalette(pal);
    grid_SetColumns();
    if (mfgCh_->rowCount() > 0) mfgCh_->setCurrentCell(0, 0);
    mfgCh_->setEnabled(true);
}

int frmMain::ColumnPixels(int item, const QString& title) const {
    if (item >= 0 && item < kNumItems && item != clsRigQ5_Ch::kItemLast && itemWidth_[item] >= 1)
        return TwipsToPixels(itemWidth_[item], TwipsPerPixelX());
    // The title with its trailing blanks gives the column's width, made for
    // the values under it; a translated title keeps the blanks, and the
    // width where the translation is shorter.
    const QFontMetrics fm(mfgCh_->horizontalHeader()->font());
    const QString trimmed = title.trimmed();
    const QString shown = CoreWord(trimmed) + title.mid(trimmed.size());
    return std::max(fm.horizontalAdvance(title), fm.horizontalAdvance(shown)) +
           2 * fm.averageCharWidth();
}

int frmMain::BankListWidth() const {
    const int listType = clsRigQ5_Master::kListMemory;
    int width = 0;
    for (int c = 0; c < model_->NumItemOfChListType(listType); ++c) {
        const int item = model_->ItemNoOfChListType(listType, c);
        width += ColumnPixels(item, QString::fromStdString(model_->ChItemName(item)));
    }
    width += style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * mfgCh_->frameWidth();
    return width + TwipsToPixels(treeWidth_ + kSeparatorGap + kLayoutMargin, TwipsPerPixelX());
}

void frmMain::grid_SetColumns() {
    const bool updates = mfgCh_->updatesEnabled();
    mfgCh_->setUpdatesEnabled(false);
    const int listType = CurChList();
    if (listType < clsRigQ5_Master::kListFolder) {
        mfgCh_->clear();
        const int columns = std::max(model_->NumItemOfChListType(listType), 0);
        const int rows = std::max(model_->NumChOfChListType(listType), 0);
        mfgCh_->setColumnCount(columns);
        mfgCh_->setRowCount(rows);
        for (int c = 0; c < columns; ++c) {
            const int item = model_->ItemNoOfChListType(listType, c);
            const QString title = QString::fromStdString(model_->ChItemName(item));
            auto* h = new QTableWidgetItem(CoreWord(title.trimmed()));
            h->setTextAlignment(c == 0 ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter));
            mfgCh_->setHorizontalHeaderItem(c, h);
            mfgCh_->setColumnWidth(c, ColumnPixels(item, title));
        }
        // A screen reader names the grid after the list it shows.
        mfgCh_->setAccessibleName(
            tr("%1 channels")
                .arg(CoreWord(QString::fromStdString(
                    ParseTreeKeyStr(model_->TreeKeyStr(curTreeKey_)).caption))));
        mfgCh_->setVisible(true);
    } else {
        mfgCh_->setVisible(false);
    }
    txtShield_->setVisible(mfgCh_->isHidden());
    mfgCh_->scrollToTop();
    mfgCh_->horizontalScrollBar()->setValue(0);
    grid_Heal();
    Form_Resize();
    mfgCh_->setUpdatesEnabled(updates);
}

void frmMain::DispChList() {
    WakeTick();  // the channels changed: the Edit menu may follow
    const int listType = CurChList();
    if (listType >= clsRigQ5_Master::kListFolder) return;
    const int rows = mfgCh_->rowCount();
    const int columns = mfgCh_->columnCount();
    if (rows != std::max(model_->NumChOfChListType(listType), 0) ||
        columns != std::max(model_->NumItemOfChListType(listType), 0)) {
        grid_SetColumns();  // the list's shape changed (a new version)
    }
    for (int n = 0; n < mfgCh_->rowCount(); ++n) DispChRow(curTreeKey_, n);
    grid_XHeal();
}

void frmMain::DispChRow(int key, int row) {
    const std::vector<std::string> texts = model_->ChRowTexts(key, row);
    const int listType = model_->TreeKeyChListType(key);
    const bool blank = !model_->EditStateOf(key, row).inUse;
    for (int c = 0; c < mfgCh_->columnCount(); ++c) {
        QString text = c < int(texts.size()) ? QString::fromStdString(texts[c]) : QString();
        // The receiver's words in a cell ("Auto", "Skip") are shown in the
        // user's language; a channel's name is the user's own.
        if (model_->ItemNoOfChListType(listType, c) != clsRigQ5_Ch::kItemName)
            text = CoreWord(text);
        QTableWidgetItem* cell = mfgCh_->item(row, c);
        if (!cell) {
            cell = new QTableWidgetItem();
            cell->setTextAlignment(c == 0 ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter));
            mfgCh_->setItem(row, c, cell);
        }
        if (cell->text() != text) cell->setText(text);
        // Read aloud: the value without the blanks that align it, "blank"
        // for the fields of a blank channel, "none" for an item the channel
        // does not have (shown as dashes), nothing for the filler column.
        QString spoken = text.trimmed();
        if (c + 1 == mfgCh_->columnCount())
            spoken.clear();
        else if (spoken == QLatin1String("---"))
            spoken = tr("none");
        else if (spoken.isEmpty() && blank && c > 0)
            spoken = tr("blank");
        if (cell->data(Qt::AccessibleTextRole).toString() != spoken)
            cell->setData(Qt::AccessibleTextRole, spoken);
    }
    // The row's header (hidden on screen) names the channel for a screen
    // reader: "Bank A 05".
    if (key == curTreeKey_ && !texts.empty()) {
        const QString name =
            CoreWord(QString::fromStdString(ParseTreeKeyStr(model_->TreeKeyStr(key)).caption)) +
            QLatin1Char(' ') + QString::fromStdString(texts[0]);
        QTableWidgetItem* header = mfgCh_->verticalHeaderItem(row);
        if (!header) {
            header = new QTableWidgetItem(name);
            mfgCh_->setVerticalHeaderItem(row, header);
        } else if (header->text() != name) {
            header->setText(name);
        }
    }
    if (row == mfgCh_->currentRow()) AnnounceCursorRow();
}

void frmMain::AnnounceCursorRow() {
    const int row = mfgCh_->currentRow();
    QString text;
    if (row >= 0 && !mfgCh_->isHidden()) {
        const QTableWidgetItem* header = mfgCh_->verticalHeaderItem(row);
        text = header ? header->text() : QString();
        const int listType = CurChList();
        for (int c = 0; c < mfgCh_->columnCount(); ++c) {
            if (model_->ItemNoOfChListType(listType, c) != clsRigQ5_Ch::kItemFreq) continue;
            const QTableWidgetItem* cell = mfgCh_->item(row, c);
            if (cell) text += QStringLiteral(", ") + cell->data(Qt::AccessibleTextRole).toString();
        }
    }
    if (mfgCh_->accessibleDescription() != text) mfgCh_->setAccessibleDescription(text);
}

void frmMain::grid_Heal() {
    // The grid selects whole rows only; what can still go wrong is a
    // selection that lost its row (after a clear) while a cursor remains,
    // or a cursor that left the run of rows selected.
    const int rows = mfgCh_->rowCount();
    if (rows == 0) return;
    const int cur = mfgCh_->currentRow();
    if (cur < 0 || !mfgCh_->selectionModel()->isRowSelected(cur, QModelIndex())) {
        grid_XHeal();
        return;
    }
    const auto selected = mfgCh_->selectionModel()->selectedRows();
    int first = rows, last = -1;
    for (const QModelIndex& index : selected) {
        first = std::min(first, index.row());
        last = std::max(last, index.row());
    }
    if (last - first + 1 != int(selected.size())) grid_XHeal();
}

void frmMain::grid_XHeal() {
    const int rows = mfgCh_->rowCount();
    if (rows == 0) return;
    SetCursorRow(LimitInt(mfgCh_->currentRow(), 0, rows - 1));
}

void frmMain::SetCursorRow(int row) {
    SetCursorCell(row, std::max(mfgCh_->currentColumn(), 0));
}

void frmMain::SetCursorCell(int row, int column) {
    // Qt would scroll the cursor's cell into view: the columns the user has
    // scrolled to stay in view instead.
    QScrollBar* across = mfgCh_->horizontalScrollBar();
    const int firstColumn = across->value();
    const QModelIndex index =
        mfgCh_->model()->index(row, LimitInt(column, 0, std::max(mfgCh_->columnCount() - 2, 0)));
    int first = 0, last = 0;
    SelectedBlock(first, last);
    if (first != last && row == mfgCh_->currentRow() && column != mfgCh_->currentColumn()) {
        // Across a row of a block: the block stays selected.
        mfgCh_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    } else {
        // The cell becomes the anchor of a block that Shift extends later,
        // and its row is selected alone, whatever keys are held.
        mfgCh_->setCurrentIndex(index);
        mfgCh_->selectionModel()->select(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    across->setValue(firstColumn);
}

void frmMain::ShowEditPopupAtCursor() {
    const int row = mfgCh_->currentRow();
    if (row < 0 || mfgCh_->isHidden()) return;
    const QRect cell = mfgCh_->visualRect(mfgCh_->model()->index(row, mfgCh_->currentColumn()));
    ShowEditPopup(mfgCh_->viewport()->mapToGlobal(cell.isValid() ? cell.bottomLeft() : QPoint()));
}

void frmMain::ScrollColumns(int delta) {
    // The first column in view moves by delta, never beyond the second-last
    // column, so the filler is never the only column in view.
    const int columns = mfgCh_->columnCount();
    if (columns < 2) return;
    QScrollBar* across = mfgCh_->horizontalScrollBar();
    across->setValue(LimitInt(across->value() + delta, 0, columns - 2));
}

void frmMain::GetItemWidth() {
    const int listType = CurChList();
    if (listType >= clsRigQ5_Master::kListFolder) return;
    for (int c = 0; c < mfgCh_->columnCount(); ++c) {
        const int item = model_->ItemNoOfChListType(listType, c);
        if (item >= 0 && item < kNumItems && item != clsRigQ5_Ch::kItemLast)
            itemWidth_[item] = PixelsToTwips(mfgCh_->columnWidth(c), TwipsPerPixelX());
    }
}

int frmMain::CurChNo() const {
    return std::max(mfgCh_->currentRow(), 0);
}

void frmMain::SelectedBlock(int& first, int& last) const {
    first = last = CurChNo();
    const auto selected = mfgCh_->selectionModel()->selectedRows();
    if (selected.size() < 2 || !mfgCh_->selectionModel()->isRowSelected(first, QModelIndex()))
        return;
    for (const QModelIndex& index : selected) {
        first = std::min(first, index.row());
        last = std::max(last, index.row());
    }
    // Rows are selected as one run; anything else counts as the cursor's row.
    if (last - first + 1 != int(selected.size())) first = last = CurChNo();
}

int frmMain::CurChList() const {
    return ChListOfTreeKey(curTreeKey_);
}

void frmMain::Form_Resize() {
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    // The toolbar sits above the central area in this window, so the area's
    // own top is where the layout begins.
    const MainLayout l = ComputeMainLayout(PixelsToTwips(area_->width(), tx),
                                           PixelsToTwips(area_->height(), ty), 0, treeWidth_);
    trvChList_->setGeometry(ToRect(l.tree, tx, ty));
    mfgCh_->setGeometry(ToRect(l.grid, tx, ty));
    txtShield_->setGeometry(ToRect(l.grid, tx, ty));
    const QRect sep = ToRect(l.separator, tx, ty);
    fraSeparator_->setGeometry(QRect(
        trvChList_->geometry().right() + 1, sep.top(),
        std::max(mfgCh_->geometry().left() - trvChList_->geometry().right() - 1, 1), sep.height()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == mfgCh_->viewport() || watched == trvChList_->viewport()) &&
        ChannelDragEvent(static_cast<QWidget*>(watched), event))
        return true;
    if (watched == mfgCh_->viewport() && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse) {
        ShowEditPopupAtCursor();
        return true;
    }
    if (watched == area_ && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == fraSeparator_) {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease)
            return QMainWindow::eventFilter(watched, event);
        auto* me = static_cast<QMouseEvent*>(event);
        const double tx = TwipsPerPixelX();
        if (type == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) {
            grabOffset_ = PixelsToTwips(int(me->position().x()), tx);
            dragging_ = true;
            return true;
        }
        if (type == QEvent::MouseMove && dragging_ && (me->buttons() & Qt::LeftButton)) {
            const std::int32_t sepLeft = PixelsToTwips(fraSeparator_->x(), tx) +
                                         PixelsToTwips(int(me->position().x()), tx) - grabOffset_;
            TreeWidth(sepLeft - PixelsToTwips(trvChList_->x(), tx));
            return true;
        }
        if (type == QEvent::MouseButtonRelease) {
            dragging_ = false;
            return true;
        }
    } else if (watched == mfgCh_ && event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            mnuEdit_Click(0);
            return true;
        }
        // The selection is a whole row, so the arrows across scroll the
        // columns; the cursor's cell goes along, so that a screen reader
        // reads the row cell by cell.
        const Qt::KeyboardModifiers mods = ke->modifiers() & ~Qt::KeypadModifier;
        const bool plain = mods == Qt::NoModifier;
        if (plain && (ke->key() == Qt::Key_Right || ke->key() == Qt::Key_Left)) {
            const int delta = ke->key() == Qt::Key_Right ? 1 : -1;
            ScrollColumns(delta);
            if (mfgCh_->currentRow() >= 0)
                SetCursorCell(mfgCh_->currentRow(), mfgCh_->currentColumn() + delta);
            return true;
        }
        // The pop-up menu from the keyboard opens at the cursor's cell.
        if ((plain && ke->key() == Qt::Key_Menu) ||
            (mods == Qt::ShiftModifier && ke->key() == Qt::Key_F10)) {
            ShowEditPopupAtCursor();
            return true;
        }
    } else if (watched == mfgCh_->horizontalHeader()->viewport() &&
               event->type() == QEvent::MouseButtonPress) {
        // Above the first row in view: the cursor goes to that row. The
        // header goes on with the press (a column's edge may be dragged).
        mfgCh_->setFocus(Qt::MouseFocusReason);
        const int first = mfgCh_->rowAt(0);
        if (first >= 0) SetCursorRow(first);
    }
    return QMainWindow::eventFilter(watched, event);
}

// --------------------------------------------------------- drag and drop

QMimeData* frmMain::ChannelDragData(int key, int row) const {
    auto* data = new QMimeData;
    const QString text = QStringLiteral("%1/%2/%3/%4")
                             .arg(::getpid())
                             .arg(reinterpret_cast<quintptr>(this))
                             .arg(key)
                             .arg(row);
    data->setData(QString::fromLatin1(kChannelMime), text.toLatin1());
    return data;
}

QMimeData* frmMain::BlockDragData(int key, int first, int last) const {
    QMimeData* data = ChannelDragData(key, first);
    if (last != first) {
        const QString mime = QString::fromLatin1(kChannelMime);
        data->setData(mime, data->data(mime) + '/' + QByteArray::number(last));
    }
    return data;
}

bool frmMain::DecodeChannelDrag(const QMimeData* data, int& key, int& row) const {
    int last = -1;
    return DecodeBlockDrag(data, key, row, last) && last == row;
}

bool frmMain::DecodeBlockDrag(const QMimeData* data, int& key, int& first, int& last) const {
    // Another program, or another copy of this one, may offer the same kind
    // of data: its places name channels of another document.
    if (!data || !data->hasFormat(QString::fromLatin1(kChannelMime))) return false;
    const QStringList parts =
        QString::fromLatin1(data->data(QString::fromLatin1(kChannelMime))).split(QLatin1Char('/'));
    // "pid/window/key/row", and "/last" for a block.
    if ((parts.size() != 4 && parts.size() != 5) || parts[0] != QString::number(::getpid()) ||
        parts[1] != QString::number(reinterpret_cast<quintptr>(this)))
        return false;
    bool keyOk = false, rowOk = false, lastOk = true;
    key = parts[2].toInt(&keyOk);
    first = parts[3].toInt(&rowOk);
    last = parts.size() == 5 ? parts[4].toInt(&lastOk) : first;
    return keyOk && rowOk && lastOk && last >= first;
}

void frmMain::StartChannelDrag(int row) {
    const int key = curTreeKey_;
    int first = row, last = row;
    if (pressInBlock_) SelectedBlock(first, last);
    if (modalFlag_ || !model_->EditStateOfBlock(key, first, last).inUse) return;
    auto* drag = new QDrag(mfgCh_);
    drag->setMimeData(BlockDragData(key, first, last));
    // The row itself (a block's rows in view) travels under the mouse.
    QRect rect = mfgCh_->visualRect(mfgCh_->model()->index(row, 0));
    if (first != last) {
        rect = rect.united(mfgCh_->visualRect(mfgCh_->model()->index(first, 0)))
                   .united(mfgCh_->visualRect(mfgCh_->model()->index(last, 0)))
                   .intersected(mfgCh_->viewport()->rect());
    }
    rect.setLeft(0);
    rect.setRight(mfgCh_->viewport()->width() - 1);
    drag->setPixmap(mfgCh_->viewport()->grab(rect));
    drag->setHotSpot(dragStart_ - rect.topLeft());
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

bool frmMain::ChannelDragEvent(QWidget* viewport, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool grid = viewport == mfgCh_->viewport();
    if (grid && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                 type == QEvent::MouseButtonRelease)) {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint pos = me->position().toPoint();
        if (type == QEvent::MouseButtonPress) {
            dragRow_ = me->button() == Qt::LeftButton ? mfgCh_->rowAt(pos.y()) : -1;
            dragStart_ = pos;
            // A plain press inside a block may start the block's drag: the
            // grid must not narrow the selection to the row yet.
            int first = 0, last = 0;
            SelectedBlock(first, last);
            pressInBlock_ = dragRow_ >= 0 && first != last && dragRow_ >= first &&
                            dragRow_ <= last && me->modifiers() == Qt::NoModifier;
            if (pressInBlock_) {
                mfgCh_->setFocus(Qt::MouseFocusReason);
                return true;
            }
        } else if (type == QEvent::MouseButtonRelease || !(me->buttons() & Qt::LeftButton)) {
            const bool click = type == QEvent::MouseButtonRelease && pressInBlock_ && dragRow_ >= 0;
            if (click) SetCursorRow(dragRow_);  // a click after all
            pressInBlock_ = false;
            dragRow_ = -1;
            return click;
        } else if (dragRow_ >= 0 &&
                   (pos - dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
            const int row = dragRow_;
            dragRow_ = -1;
            StartChannelDrag(row);
            return true;
        }
        // The grid never saw the press of a block's drag: nor the moves.
        return pressInBlock_;
    }
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return type == QEvent::DragLeave;
    auto* de = static_cast<QDropEvent*>(event);
    int srcKey = -1, srcRow = -1, srcLast = -1;
    if (modalFlag_ || !DecodeBlockDrag(de->mimeData(), srcKey, srcRow, srcLast)) {
        de->ignore();
        return true;
    }
    // Ctrl copies, as in every file manager; otherwise the channel moves.
    const bool keep = de->modifiers().testFlag(Qt::ControlModifier);
    const QPoint pos = de->position().toPoint();
    int dstKey = -1, dstRow = -1;
    if (grid) {
        dstKey = curTreeKey_;
        dstRow = mfgCh_->rowAt(pos.y());
    } else if (QTreeWidgetItem* node = trvChList_->itemAt(pos)) {
        dstKey = node->data(0, Qt::UserRole).toInt();
    }
    const bool allowed =
        (!grid || dstRow >= 0) && dstKey >= 0 &&
        (srcLast == srcRow
             ? model_->DropAllowed(srcKey, srcRow, dstKey, dstRow, keep)
             : model_->DropBlockAllowed(srcKey, srcRow, srcLast, dstKey, dstRow, keep));
    if (type == QEvent::DragEnter) {
        // Entered anywhere: the moves over the rows and nodes decide.
        de->setDropAction(keep ? Qt::CopyAction : Qt::MoveAction);
        de->accept();
        return true;
    }
    if (!allowed) {
        // Say why, lest the drop seem to fail for no reason.
        const std::string why =
            dstKey < 0 ? std::string()
                       : model_->DropRefusedText(srcKey, srcRow, dstKey, grid ? dstRow : -1, keep);
        if (!why.empty()) {
            dropNote_ = QString::fromStdString(why);
            statusBar()->showMessage(dropNote_);
        }
        de->ignore();
        return true;
    }
    if (!dropNote_.isEmpty() && statusBar()->currentMessage() == dropNote_)
        statusBar()->clearMessage();
    dropNote_.clear();
    de->setDropAction(keep ? Qt::CopyAction : Qt::MoveAction);
    de->accept();
    if (type == QEvent::Drop) {
        // The drag's own event loop ends first; the question about a
        // channel in use comes after it.
        QMetaObject::invokeMethod(
            this,
            [this, srcKey, srcRow, srcLast, dstKey, dstRow, keep] {
                if (srcLast == srcRow) {
                    DropChannel(srcKey, srcRow, dstKey, dstRow, keep);
                } else {
                    DropBlock(srcKey, srcRow, srcLast, dstKey, dstRow, keep);
                }
            },
            Qt::QueuedConnection);
    }
    return true;
}

void frmMain::DropChannel(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) {
    if (modalFlag_) return;
    WindowUpkeep();
    ShowDropResult(model_->DropChannel(srcKey, srcRow, dstKey, dstRow, keepSource), dstKey, dstRow,
                   keepSource);
}

void frmMain::DropBlock(int srcKey, int first, int last, int dstKey, int dstRow, bool keepSource) {
    if (modalFlag_) return;
    WindowUpkeep();
    ShowDropResult(model_->DropBlock(srcKey, first, last, dstKey, dstRow, keepSource), dstKey,
                   dstRow, keepSource);
}

// A drop onto a row puts the cursor on the channel where it landed; a drop
// onto a bank in the tree says in the status bar where the channel went.
void frmMain::ShowDropResult(int row, int dstKey, int dstRow, bool keepSource) {
    DispChList();
    if (row < 0) return;
    if (dstRow >= 0) {
        if (dstKey == curTreeKey_) SetCursorRow(row);
        return;
    }
    const std::vector<std::string> cells = model_->ChRowTexts(dstKey, row);
    const std::string caption = ParseTreeKeyStr(model_->TreeKeyStr(dstKey)).caption;
    statusBar()->showMessage(CoreText(
        GridEdit::MovedToText(keepSource, caption, cells.empty() ? std::string() : cells[0])));
}
