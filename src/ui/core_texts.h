// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's texts in the user's language. The core builds its messages,
// captions and list texts in English, and the command-line tool prints them
// as they are; the window translates them where it shows them. A text may
// be composed: several lines, and in a line a fixed sentence around numbers,
// file names or other texts. Each line is looked up whole first; a line
// that is not in the catalogue is matched against the sentence patterns
// ("Cannot access %1.") and its fixed words translated with the parts
// filled in (themselves translated where the catalogue has them). A text
// the catalogue does not know stays as it is, so English is shown byte for
// byte.

#include <QString>
#include <string>

QString CoreText(const QString& text);
QString CoreText(const std::string& text);

// A single word or caption of the core (a column's title, a cell's text),
// looked up whole: quick enough for every cell of the grid.
QString CoreWord(const QString& text);
