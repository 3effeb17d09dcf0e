// quendal-screenshots DIRECTORY: renders the main dialog and every tool
// dialog in German and English into DIRECTORY/<dialog>-<de|en>.png (make
// screenshots runs it on the offscreen platform with the clock fixed).
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <memory>

#include "app/application_state.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/tool_dialogs.h"

namespace {

bool save(QWidget& dialog, const QDir& directory, const char* name, const char* language) {
  dialog.show();
  // Let pending debounce timers fire (the planet dialog's delta T hand-shake).
  QEventLoop wait;
  QTimer::singleShot(300, &wait, &QEventLoop::quit);
  wait.exec();
  const QString file = directory.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), QLatin1String(language)));
  const bool saved = dialog.grab().save(file);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
  dialog.hide();
  return saved;
}

// The offscreen platform says for every window that it cannot pass size
// hints on; nothing else is kept from the screenshots' output.
void quietoffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietoffscreen);
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: quendal-screenshots DIRECTORY\n");
    return 2;
  }
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(directory.path());
  bool ok = true;
  for (const auto& [mode, language] : {std::pair{-1, "de"}, std::pair{0, "en"}}) {
    quendal::ApplicationState state;
    state.userlanguage = 1033;
    state.languagemode = mode;
    {
      quendal::MainDialog dialog(state);
      ok = save(dialog, directory, "main", language) && ok;
    }
    for (const quendal::ToolDialogTable* table : quendal::tooldialogtables()) {
      state.currentyear = 2024;
      state.reportpage = 3;
      quendal::ToolDialog dialog(*table, state);
      ok = save(dialog, directory, table->name, language) && ok;
    }
  }
  return ok ? 0 : 1;
}
