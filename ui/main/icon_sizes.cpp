// quendal-icons SVG DIRECTORY SIZE...: renders the program's scalable icon
// as DIRECTORY/SIZExSIZE/apps/NAME.png for each size, the layout of the
// hicolor icon theme (NAME: the SVG file's name without .svg). Run by the
// build.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <QtCore/QDir>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  QTextStream err(stderr);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() < 4) {
    err << "usage: quendal-icons SVG DIRECTORY SIZE...\n";
    return 2;
  }
  QSvgRenderer svg(arguments[1]);
  if (!svg.isValid()) {
    err << "quendal-icons: cannot read " << arguments[1] << "\n";
    return 1;
  }
  const QString name = QFileInfo(arguments[1]).completeBaseName();
  for (const QString& word : arguments.mid(3)) {
    bool ok = false;
    const int size = word.toInt(&ok);
    if (!ok || size <= 0) {
      err << "quendal-icons: '" << word << "' is not a size\n";
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[2]).arg(size);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!QDir().mkpath(folder) || !image.save(path, "PNG")) {
      err << "quendal-icons: cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
