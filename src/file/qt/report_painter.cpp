// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/qt/report_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

#include "file/acf_file.h"

namespace {

constexpr double kBasePoints = 9.0;  // body type; small enough for ten columns on A4
constexpr double kSmallestPoints = 5.0;
const QColor kHeaderFill(0xE4, 0xE4, 0xE4);
const QColor kRule(0xB0, 0xB0, 0xB0);

QString Text(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QFont BodyFont(double points) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    return f;
}

QFont BoldFont(double points) {
    QFont f = BodyFont(points);
    f.setBold(true);
    return f;
}

// Column widths of a table at a type size, a blank of one character at
// either side of the widest text.
std::vector<double> ColumnWidths(const ReportTable& table, double points,
                                 const QPaintDevice& device) {
    const QFontMetricsF body(BodyFont(points), &device);
    const QFontMetricsF bold(BoldFont(points), &device);
    const double pad = 2 * body.averageCharWidth();
    std::vector<double> widths;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        double w = bold.horizontalAdvance(Text(table.columns[c]));
        for (const auto& row : table.rows)
            if (c < row.size()) w = std::max(w, body.horizontalAdvance(Text(row[c])));
        widths.push_back(w + pad);
    }
    return widths;
}

double WidestTable(const ChannelReport& report, double points, const QPaintDevice& device) {
    double widest = 0;
    for (const ReportTable& t : report.tables) {
        const std::vector<double> w = ColumnWidths(t, points, device);
        double sum = 0;
        for (const double x : w) sum += x;
        widest = std::max(widest, sum);
    }
    return widest;
}

double PaintWidth(const QPagedPaintDevice& device) {
    return device.pageLayout().paintRectPixels(device.logicalDpiX()).width();
}

// One line of a page: a table's title, its column titles, or a channel row.
struct Line {
    enum Kind { kTitle, kHeader, kRow, kNothing } kind;
    int table = 0;
    int row = 0;
    bool continued = false;  // the title of a table that began on an earlier page
    double y = 0;
};

class ReportLayout {
  public:
    ReportLayout(const ChannelReport& report, double points, const QPagedPaintDevice& device)
        : report_(report), points_(points) {
        const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
        width_ = area.width();
        height_ = area.height();
        const QFontMetricsF body(BodyFont(points), &device);
        line_ = body.lineSpacing();
        rowH_ = line_ * 1.35;
        titleH_ = QFontMetricsF(BoldFont(points * 1.25), &device).lineSpacing() * 1.5;
        headH_ = line_ * 3;
        footH_ = line_ * 2;
        for (const ReportTable& t : report.tables)
            widths_.push_back(ColumnWidths(t, points, device));
        Paginate();
    }

    int Pages() const { return static_cast<int>(pages_.size()); }

    void PaintPage(QPainter& p, int page) const {
        PaintHeader(p);
        for (const Line& l : pages_[static_cast<std::size_t>(page)]) PaintLine(p, l);
        p.setFont(BodyFont(points_));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, height_ - line_, width_, line_), Qt::AlignHCenter | Qt::AlignBottom,
                   Text(ReportPageText(page + 1, Pages())));
    }

  private:
    void NewPage() {
        pages_.emplace_back();
        y_ = headH_;
    }
    void Place(Line::Kind kind, int table, int row, bool continued, double height) {
        pages_.back().push_back({kind, table, row, continued, y_});
        y_ += height;
    }

    void Paginate() {
        NewPage();
        const double bottom = height_ - footH_;
        if (report_.tables.empty()) {
            Place(Line::kNothing, 0, 0, false, rowH_);
            return;
        }
        for (int t = 0; t < static_cast<int>(report_.tables.size()); ++t) {
            // A title stays with its column titles and at least one channel.
            if (y_ > headH_ && y_ + titleH_ + 2 * rowH_ > bottom) NewPage();
            Place(Line::kTitle, t, 0, false, titleH_);
            Place(Line::kHeader, t, 0, false, rowH_);
            const auto rows =
                static_cast<int>(report_.tables[static_cast<std::size_t>(t)].rows.size());
            for (int r = 0; r < rows; ++r) {
                if (y_ + rowH_ > bottom) {
                    NewPage();
                    Place(Line::kTitle, t, 0, true, titleH_);
                    Place(Line::kHeader, t, 0, false, rowH_);
                }
                Place(Line::kRow, t, r, false, rowH_);
            }
            y_ += rowH_;  // a blank line between tables
        }
    }

    void PaintHeader(QPainter& p) const {
        p.setPen(Qt::black);
        p.setFont(BoldFont(points_));
        const QRectF first(0, 0, width_, line_);
        p.drawText(first, Qt::AlignLeft | Qt::AlignVCenter, Text(report_.fileTitle));
        p.setFont(BodyFont(points_));
        p.drawText(first, Qt::AlignRight | Qt::AlignVCenter, Text(report_.date));
        p.drawText(QRectF(0, line_, width_, line_), Qt::AlignLeft | Qt::AlignVCenter,
                   Text(ReportCommentLine(report_)));
        p.setPen(QPen(kRule, 0));
        p.drawLine(QPointF(0, line_ * 2.3), QPointF(width_, line_ * 2.3));
    }

    void PaintLine(QPainter& p, const Line& l) const {
        p.setPen(Qt::black);
        if (l.kind == Line::kNothing) {
            p.setFont(BodyFont(points_));
            p.drawText(QRectF(0, l.y, width_, rowH_), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromLatin1(kReportNoChannels));
            return;
        }
        const ReportTable& table = report_.tables[static_cast<std::size_t>(l.table)];
        if (l.kind == Line::kTitle) {
            p.setFont(BoldFont(points_ * 1.25));
            QString title = Text(table.title);
            if (l.continued) title += QStringLiteral(" (continued)");
            p.drawText(QRectF(0, l.y, width_, titleH_), Qt::AlignLeft | Qt::AlignBottom, title);
            return;
        }
        const std::vector<double>& widths = widths_[static_cast<std::size_t>(l.table)];
        const std::vector<std::string>* cells = &table.columns;
        if (l.kind == Line::kHeader) {
            double total = 0;
            for (const double w : widths) total += w;
            p.fillRect(QRectF(0, l.y, total, rowH_), kHeaderFill);
            p.setFont(BoldFont(points_));
        } else {
            cells = &table.rows[static_cast<std::size_t>(l.row)];
            p.setFont(BodyFont(points_));
        }
        const double pad = QFontMetricsF(p.font(), p.device()).averageCharWidth();
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QString text = c < cells->size() ? Text((*cells)[c]) : QString();
            // As in the grid: the channel number centred, the values to the right.
            const Qt::Alignment align =
                (c == 0 ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter;
            p.drawText(QRectF(x + pad, l.y, widths[c] - 2 * pad, rowH_), align, text);
            x += widths[c];
        }
        p.setPen(QPen(kRule, 0));
        p.drawLine(QPointF(0, l.y + rowH_), QPointF(x, l.y + rowH_));
    }

    const ChannelReport& report_;
    double points_;
    double width_ = 0, height_ = 0;
    double line_ = 0, rowH_ = 0, titleH_ = 0, headH_ = 0, footH_ = 0;
    std::vector<std::vector<double>> widths_;
    std::vector<std::vector<Line>> pages_;
    double y_ = 0;
};

}  // namespace

int PaintChannelReport(const ChannelReport& report, QPagedPaintDevice& device) {
    double points = kBasePoints;
    const double widest = WidestTable(report, points, device);
    if (widest > PaintWidth(device) && device.pageLayout().orientation() == QPageLayout::Portrait)
        device.setPageOrientation(QPageLayout::Landscape);
    const double across = PaintWidth(device);
    if (widest > across && across > 0) points = std::max(kSmallestPoints, points * across / widest);

    const ReportLayout layout(report, points, device);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int page = 0; page < layout.Pages(); ++page) {
        if (page > 0 && !device.newPage()) return 0;
        layout.PaintPage(painter, page);
    }
    return painter.end() ? layout.Pages() : 0;
}

QByteArray ChannelReportPdf(const ChannelReport& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(Text(report.fileTitle));
        writer.setCreator(QStringLiteral("CS-Q5"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(
            QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
            QPageLayout::Millimeter);
        if (PaintChannelReport(report, writer) == 0) return {};
    }
    return buffer.data();
}

int WriteChannelReportPdf(const ChannelReport& report, const std::string& path) {
    const QByteArray pdf = ChannelReportPdf(report);
    if (pdf.isEmpty()) return kAcfWriteError;
    return SaveFileText(path, std::string_view(pdf.constData(), std::size_t(pdf.size())));
}
