// The layout of printed pages, without dialogs: text lines in a printer
// font (line height, characters per line, lines per page, pages, copies),
// the calendar window's coloured lines, and the scale and place of a graph
// window's image. printlines and printimage draw on a printer that is
// already set up, so that tests can drive them with a QPrinter writing PDF.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "reports/calendar_display.h"

class QFontMetrics;
class QPrinter;

namespace quendal {

// What is printed: lines in print order (their place and index are not
// used). Lines of a text field are black and cut at the page width; lines
// of the calendar window keep their colour codes and are not cut.
struct PrintSource {
  std::vector<DisplayLine> lines;
  bool cut = true;
};

// The lines of a text field's text ("\n" or "\r\n" between lines); none for
// an empty text.
PrintSource textsource(const QString& text);

// The calendar window's display list as the 39 printed lines: the title is
// line 0, body and footer line n are line n; lines no view drew are empty.
inline constexpr int displayprintlines = 39;
PrintSource displaysource(const CalendarDisplay& display);

// Pixels of the printable area and of the font; lines of the source.
struct TextLayout {
  int lineheight = 0;         // the font's height plus its external leading
  int charactersperline = 0;  // printable width / average character width
  int linesperpage = 0;       // printable height / line height
  int pages = 0;              // lines / lines per page, rounded up
};
TextLayout textlayout(int printablewidth, int printableheight, int lineheight, int averagecharwidth, int lines);

// The pages in the order they are printed (page numbers from 0): collated
// copies repeat the whole document (0 1 2 0 1 2), uncollated ones each page
// (0 0 1 1 2 2).
std::vector<int> pageorder(int pages, int copies, bool collated);

// A piece of text on a page: its top-left corner in pixels and its colour.
struct PrintRun {
  int x = 0;
  int y = 0;
  QString text;
  QColor colour;
};

// What page p (from 0) draws: line i of the page is source line
// p * linesperpage + i at x = 0, y = i * lineheight; a cell line cell by
// cell, each placed right after the previous one by its width in metrics.
std::vector<PrintRun> pageruns(const PrintSource& source, const TextLayout& layout, int page,
                               const QFontMetrics& metrics);

// The font chosen in the font dialog as created on a printer of dpiy
// vertical pixels per inch: height = point size * dpiy / 72 pixels.
QFont printerfont(const QFont& chosen, int dpiy);

// Prints the source in the font on the printer as the job documentname,
// copies times (collated or not), the pages frompage..topage (counted from
// 1; 0 for the first or the last). Nothing at all for a source without
// lines (true). False when the job or a page could not be started or ended
// (the job is aborted) or when not one line or character fits on a page.
bool printlines(QPrinter& printer, const QFont& chosen, const PrintSource& source, const QString& documentname,
                int copies, bool collated, int frompage = 0, int topage = 0);

// A graph window's image of w x h pixels on a printable area of
// printablewidth x printableheight pixels: the usable source is
// (w - 5) x (h - 2) pixels; the scale is the smaller of the two ratios of
// the area to it, for both axes; the target is w * scale by h * scale,
// centred horizontally, and its top a quarter of the offset that would
// centre it vertically (so it sits near the top of the page).
struct BitmapPlacement {
  double scale = 0.0;
  QRect source;
  QRect target;
};
BitmapPlacement bitmapplacement(int printablewidth, int printableheight, int w, int h);

// Prints the image of a w x h window on one page as the job documentname.
// copied is false when there was no image to copy (the page stays empty).
// False when the job or the page could not be started or ended.
bool printimage(QPrinter& printer, const QImage& image, int w, int h, const QString& documentname, bool& copied);

}  // namespace quendal
