// Platform operations on Qt; see platform.h.
#include "ui/platform/platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QSysInfo>
#include <QTranslator>
#include <QUrl>
#include <QtGlobal>

#include "calendar/text.h"

namespace quendal {

namespace {

QDateTime clock() {
  const QByteArray fixed = qgetenv("QUENDAL_NOW");
  QDateTime now;
  if (!fixed.isEmpty()) now = QDateTime::fromString(QString::fromLatin1(fixed), QStringLiteral("yyyy-MM-ddTHH:mm"));
  if (!now.isValid()) now = QDateTime::currentDateTime();
  return now;
}

LocalDateTime datetime(const QDateTime& dt) {
  const QDate d = dt.date();
  const QTime t = dt.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

}  // namespace

LocalDateTime localnow() { return datetime(clock()); }

LocalDateTime utcnow() { return datetime(clock().toUTC()); }

int userlanguageid() { return languageidfromlocale(QLocale::system().name().toLatin1().constData()); }

bool useqttranslation(Language language) {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application) return false;
  // The one translator installed, a child of the application named so.
  const QString name = QStringLiteral("qttranslation");
  auto* installed = application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
  if (language == english) {
    if (installed) {
      QCoreApplication::removeTranslator(installed);
      delete installed;
    }
    return true;
  }
  if (installed) return true;  // German: one translation for both German languages
  auto* translator = new QTranslator(application);
  translator->setObjectName(name);
  if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

void openwebaddress(const char* address) { QDesktopServices::openUrl(QUrl(QString::fromUtf8(address))); }

namespace {

// A text whose lines hold tabs, in rich text: each run of lines with a tab
// becomes a table, the part before the first tab in the left column, so
// that the columns line up as tab stops would (a label has none); the other
// lines stay as they are.
QString tabbedtext(const QString& plain) {
  const auto pre = [](const QString& t) {
    return QStringLiteral("<span style=\"white-space:pre\">%1</span>").arg(t.toHtmlEscaped());
  };
  QString html;
  bool intable = false;
  for (const QString& line : plain.split(QLatin1Char('\n'))) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab >= 0 && !intable) html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    if (tab < 0 && intable) html += QStringLiteral("</table>");
    intable = tab >= 0;
    if (intable) {
      QString rest = line.mid(tab + 1);
      rest.replace(QLatin1Char('\t'), QLatin1Char(' '));
      html += QStringLiteral("<tr><td style=\"padding-right:12px\">%1</td><td>%2</td></tr>")
                  .arg(pre(line.left(tab)), pre(rest));
    } else {
      html += QStringLiteral("<p style=\"white-space:pre; margin:0\">%1</p>")
                  .arg(line.isEmpty() ? QStringLiteral("&nbsp;") : line.toHtmlEscaped());
    }
  }
  if (intable) html += QStringLiteral("</table>");
  return html;
}

}  // namespace

void informationbox(QWidget* owner, const QString& title, const QString& text) {
  QString plain = text;
  plain.remove(QLatin1Char('\r'));
  const bool tabbed = plain.contains(QLatin1Char('\t'));
  QMessageBox box(QMessageBox::Information, title, tabbed ? tabbedtext(plain) : plain, QMessageBox::Ok, owner);
  box.setTextFormat(tabbed ? Qt::RichText : Qt::PlainText);
  box.exec();
}

namespace {

// A dialog unit is a quarter of the average character width across and an
// eighth of the character height down.
constexpr int unitsperwidth = 4;
constexpr int unitsperheight = 8;

}  // namespace

QSize dialogunits(const QFont& font, int width, int height) {
  const QFontMetrics metrics(font);
  return {width * metrics.averageCharWidth() / unitsperwidth, height * metrics.height() / unitsperheight};
}

namespace {

// The last resort for the second fixed-pitch font is a point smaller than
// the system's, but no smaller than smallestpointsize.
constexpr int smallestpointsize = 6;

// A fixed-pitch family other than the system's, when one is installed.
QFont secondfixedfont(const QFont& systemfixed) {
  const QString systemfamily = QFontInfo(systemfixed).family();
  const QStringList families = QFontDatabase::families();
  for (const char* name : {"Liberation Mono", "Nimbus Mono PS", "Courier New", "FreeMono", "Noto Mono"}) {
    const QString family = QString::fromLatin1(name);
    if (families.contains(family) && family != systemfamily) return QFont(family, systemfixed.pointSize());
  }
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(qMax(smallestpointsize, systemfixed.pointSize() - 1));
  return font;
}

}  // namespace

QFont reportfont(ReportFont which) {
  switch (which) {
    case ReportFont::userinterface:
      return QApplication::font();
    case ReportFont::systemproportional: {
      QFont font = QApplication::font();
      font.setBold(true);
      return font;
    }
    case ReportFont::ansifixed:
      return secondfixedfont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    case ReportFont::systemfixed:
      break;
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

ReportFont reportfontchoice(int fixedFontToggle, int linuxFontToggle, bool proportional) {
  if (linuxFontToggle == 1) return ReportFont::userinterface;
  if (proportional) return fixedFontToggle == 1 ? ReportFont::userinterface : ReportFont::systemproportional;
  return fixedFontToggle == 1 ? ReportFont::ansifixed : ReportFont::systemfixed;
}

namespace {

constexpr int iconsizes[] = {16, 22, 24, 32, 48, 64, 128};  // pixels

}  // namespace

QIcon programicon(const char* name) {
  QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
  QIcon icon;
  for (int size : iconsizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace quendal
