// The layout of printed pages; see print_layout.h.
#include "ui/print/print_layout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "calendar/text.h"

namespace quendal {

namespace {

constexpr double pointsperinch = 72.0;
constexpr double unsizedpoints = 12.0;  // taken for a font without a size in points

// The right and bottom edges of a graph window's image left out of print.
constexpr int unprintedright = 5;
constexpr int unprintedbottom = 2;

QColor printcolour(int code) {
  const Rgb c = displayrgb(code);
  return {c.red, c.green, c.blue};
}

}  // namespace

PrintSource textsource(const QString& text) {
  PrintSource source;
  source.cut = true;
  if (text.isEmpty()) return source;
  QString plain = text;
  plain.remove(QLatin1Char('\r'));
  for (const QString& line : plain.split(QLatin1Char('\n'))) {
    DisplayLine l;
    l.text = line.toStdString();
    source.lines.push_back(l);
  }
  return source;
}

PrintSource displaysource(const CalendarDisplay& display) {
  PrintSource source;
  source.cut = false;
  source.lines.resize(displayprintlines);
  for (const DisplayLine& line : display.lines) {
    const int n = line.place == DisplayLine::title ? 0 : line.index;
    if (n >= 0 && n < displayprintlines) source.lines[static_cast<std::size_t>(n)] = line;
  }
  return source;
}

TextLayout textlayout(int printablewidth, int printableheight, int lineheight, int averagecharwidth, int lines) {
  TextLayout t;
  t.lineheight = lineheight;
  t.charactersperline = averagecharwidth > 0 ? printablewidth / averagecharwidth : 0;
  t.linesperpage = lineheight > 0 ? printableheight / lineheight : 0;
  t.pages = t.linesperpage > 0 ? (lines + t.linesperpage - 1) / t.linesperpage : 0;
  return t;
}

std::vector<int> pageorder(int pages, int copies, bool collated) {
  std::vector<int> order;
  const int outer = collated ? copies : 1;
  const int inner = collated ? 1 : copies;
  for (int c = 0; c < outer; ++c)
    for (int p = 0; p < pages; ++p)
      for (int i = 0; i < inner; ++i) order.push_back(p);
  return order;
}

std::vector<PrintRun> pageruns(const PrintSource& source, const TextLayout& layout, int page,
                               const QFontMetrics& metrics) {
  std::vector<PrintRun> runs;
  const int count = static_cast<int>(source.lines.size());
  for (int i = 0; i < layout.linesperpage; ++i) {
    const int n = page * layout.linesperpage + i;
    if (n >= count) break;
    const DisplayLine& line = source.lines[static_cast<std::size_t>(n)];
    const int y = i * layout.lineheight;
    if (source.cut) {
      const std::string cut = utf8truncate(line.text, static_cast<std::size_t>(std::max(0, layout.charactersperline)));
      if (!cut.empty()) runs.push_back({0, y, QString::fromStdString(cut), Qt::black});
      continue;
    }
    if (line.colour != celllinecolour) {
      if (!line.text.empty()) runs.push_back({0, y, QString::fromStdString(line.text), printcolour(line.colour)});
      continue;
    }
    const std::vector<std::string> cells = displaycells(line);
    int x = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const QString piece = QString::fromStdString(cells[c]);
      if (!piece.isEmpty()) runs.push_back({x, y, piece, printcolour(line.cells[c])});
      x += metrics.horizontalAdvance(piece);
    }
  }
  return runs;
}

QFont printerfont(const QFont& chosen, int dpiy) {
  QFont font = chosen;
  const double points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : unsizedpoints;
  font.setPixelSize(std::max(1, static_cast<int>(points * dpiy / pointsperinch)));
  return font;
}

bool printlines(QPrinter& printer, const QFont& chosen, const PrintSource& source, const QString& documentname,
                int copies, bool collated, int frompage, int topage) {
  const int lines = static_cast<int>(source.lines.size());
  if (lines == 0) return true;
  const QFont font = printerfont(chosen, printer.logicalDpiY());
  const QFontMetrics metrics(font, &printer);
  const TextLayout layout =
      textlayout(printer.width(), printer.height(), metrics.lineSpacing(), metrics.averageCharWidth(), lines);
  if (layout.linesperpage < 1 || layout.charactersperline < 1) return false;

  printer.setDocName(documentname);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(font);
  const int ascent = painter.fontMetrics().ascent();
  bool first = true;
  for (int page : pageorder(layout.pages, std::max(1, copies), collated)) {
    if ((frompage > 0 && page + 1 < frompage) || (topage > 0 && page + 1 > topage)) continue;
    if (!first && !printer.newPage()) {
      printer.abort();
      painter.end();
      return false;
    }
    first = false;
    for (const PrintRun& run : pageruns(source, layout, page, painter.fontMetrics())) {
      painter.setPen(run.colour);
      painter.drawText(run.x, run.y + ascent, run.text);
    }
  }
  return painter.end();
}

BitmapPlacement bitmapplacement(int printablewidth, int printableheight, int w, int h) {
  BitmapPlacement b;
  const int sw = w - unprintedright, sh = h - unprintedbottom;
  if (sw <= 0 || sh <= 0) return b;
  b.scale = std::min(static_cast<double>(printablewidth) / sw, static_cast<double>(printableheight) / sh);
  const int tw = static_cast<int>(w * b.scale);
  const int th = static_cast<int>(h * b.scale);
  b.source = QRect(0, 0, sw, sh);
  b.target = QRect(printablewidth / 2 - tw / 2, (printableheight / 2 - th / 2) / 4, tw, th);
  return b;
}

bool printimage(QPrinter& printer, const QImage& image, int w, int h, const QString& documentname, bool& copied) {
  printer.setDocName(documentname);
  QPainter painter;
  if (!painter.begin(&printer)) {
    copied = false;
    return false;
  }
  const BitmapPlacement b = bitmapplacement(printer.width(), printer.height(), w, h);
  copied = !image.isNull() && b.scale > 0.0;
  if (copied) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(b.target, image, b.source);
  }
  return painter.end();
}

}  // namespace quendal
