// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts the channel report on pages through Qt's paint devices: a PDF writer
// for Export PDF... and csq5-cli export-pdf, the printer the print dialog
// chose for Print.... The content is the core's ChannelReport; this only
// lays it out: a header on every page (file, comment, date), the tables with
// their column titles repeated on every page a table continues on, and
// "Page n of m" at the foot.
//
// Needs a QGuiApplication (fonts); no widgets.

#include <QByteArray>
#include <string>

#include "file/channel_report.h"

class QPagedPaintDevice;

// The margins of every page, all four sides.
inline constexpr double kReportMarginMm = 12.0;

// Chooses the orientation and paints every page. The orientation the device
// has is kept when the widest table fits across it; a portrait page that is
// too narrow turns landscape, and where not even that holds a table the type
// gets smaller. Returns the number of pages painted; 0 when the device could
// not be painted on.
int PaintChannelReport(const ChannelReport& report, QPagedPaintDevice& device);

// The report as a PDF document on A4; empty when it could not be painted.
QByteArray ChannelReportPdf(const ChannelReport& report);

// Writes the PDF into a file in one step: a failure leaves the file that was
// there as it was. The save codes of a data file: kAcfOk, kAcfCannotCreate,
// or kAcfWriteError (also when no page could be painted); AcfFileErrorMessage
// tells them.
int WriteChannelReportPdf(const ChannelReport& report, const std::string& path);
