// The graph windows' common part; see graph_window.h.
#include "ui/graph_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "calendar/text.h"
#include "ui/platform/platform.h"
#include "ui/print/printing.h"
#include "ui/window_support.h"

namespace quendal {

namespace {

constexpr int buttonsmilliseconds = 350;  // timer 2
// The buttons' top and height, and the least gap between two of them.
constexpr int buttontop = 5;
constexpr int buttonheight = 25;
constexpr int buttongap = 10;
// The off-screen image is this much wider and higher than the screen (or
// than a window larger than the screen), so that a slightly larger window
// needs no new one.
constexpr int imagemargin = 100;

}  // namespace

GraphWindow::GraphWindow(DesktopState& state, const QString& documentname, QWidget* owner, MenuOrder menuorder)
    : QWidget(owner, Qt::Window),
      state_(state),
      documentname_(documentname),
      savedlanguagemode_(state.application.languagemode) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  state_.session.setGraphWindowOpen(true);
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(buttonsmilliseconds);
  connect(timer_, &QTimer::timeout, this, &GraphWindow::timeout);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize s = screen ? screen->geometry().size() : fallbackscreensize;
  offscreen_ = QImage(s.width() + imagemargin, s.height() + imagemargin, QImage::Format_RGB32);

  buttonrow_ = new QWidget(this);
  // The window commands, entries of the context menu: the help, and
  // printing (without it F3 does nothing and the menu has no entry for it).
  setContextMenuPolicy(Qt::ActionsContextMenu);
  help_ = addcommand("help", {Qt::Key_F1}, ByKey::keepbuttons, [this] { help(); });
  print_ = addcommand("print", {Qt::Key_F3}, ByKey::keepbuttons, [this] { print(); });
  if (menuorder == MenuOrder::helpfirst) addAction(help_);
  if (state_.application.printingEnabled) addAction(print_);
  if (menuorder == MenuOrder::printfirst) addAction(help_);
  addcommand("buttons", {Qt::Key_F2}, ByKey::keepbuttons, [this] { togglebuttons(); });
  addcommand("language", {Qt::Key_F11}, ByKey::keepbuttons, [this] { togglelanguage(); });
  addcommand("close", {Qt::Key_Escape}, ByKey::keepbuttons, [this] { close(); });
  relabelcommands();
}

GraphWindow::~GraphWindow() {
  ApplicationState& app = state_.application;
  if (app.languagemode != savedlanguagemode_) {
    app.languagemode = savedlanguagemode_;
    useqttranslation(app.language());
  }
  state_.session.setGraphWindowOpen(false);
}

QImage GraphWindow::image() const {
  if (offscreen_.isNull()) return {};
  return offscreen_.copy(0, 0, width(), height());
}

QAction* GraphWindow::addcommand(const char* name, const QList<QKeySequence>& keys, ByKey bykey,
                                 std::function<void()> command) {
  auto* action = new QAction(this);
  action->setObjectName(QLatin1String(name));
  action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, [this, bykey, command = std::move(command)] {
    if (bykey == ByKey::hidebuttons && !bybutton_) hidebuttonsawhile();
    command();
  });
  buttonrow_->addAction(action);
  commands_.append(action);
  return action;
}

void GraphWindow::setbuttons(const ButtonRow& row, std::span<const ButtonEntry> entries) {
  for (Button& b : buttons_) delete b.button;
  buttons_.clear();
  const Language lang = language();
  int right = 0;
  int left = row.left;
  for (const ButtonEntry& entry : entries) {
    QAction* trigger = command(entry.command);
    auto* button = new QPushButton(inlanguage(entry.label, lang), buttonrow_);
    button->setObjectName(QLatin1String(entry.name));
    button->setFocusPolicy(Qt::NoFocus);
    const int w = std::max(row.width, button->sizeHint().width());
    const int x = std::max(left, right + buttongap);
    left += row.pitch;
    button->setGeometry(x, buttontop, w, buttonheight);
    right = x + w;
    connect(button, &QPushButton::clicked, this, [this, trigger] {
      const QScopedValueRollback<bool> bybutton(bybutton_, true);
      trigger->trigger();
      setFocus();  // the keys stay the window's
    });
    button->setVisible(present_);
    buttons_.append({button, entry.label});
  }
  buttonrow_->resize(right, buttontop + buttonheight);
}

QAction* GraphWindow::command(const char* name) const {
  for (QAction* action : commands_)
    if (action->objectName() == QLatin1String(name)) return action;
  return nullptr;
}

void GraphWindow::showbuttons(bool present) {
  present_ = present;
  for (Button& b : buttons_) b.button->setVisible(present);
}

void GraphWindow::hidebuttonsawhile() {
  showbuttons(false);
  timer_->start();
}

void GraphWindow::timeout() {
  timer_->stop();
  showbuttons(wanted_);
}

void GraphWindow::togglebuttons() {
  wanted_ = !wanted_;
  showbuttons(wanted_);
}

void GraphWindow::togglelanguage() {
  state_.application.togglelanguage();
  const Language lang = language();
  useqttranslation(lang);
  for (Button& b : buttons_) b.button->setText(inlanguage(b.label, lang));
  relabelcommands();
  relabel();
  update();
}

void GraphWindow::relabelcommands() {
  const Language lang = language();
  help_->setText(inlanguage(labels::help, lang));
  print_->setText(inlanguage(labels::print, lang));
}

void GraphWindow::print() {
  if (!state_.application.printingEnabled) return;
  printBitmap(this, image(), width(), height(), documentname_, language());
}

void GraphWindow::paintEvent(QPaintEvent*) {
  const int w = width(), h = height();
  if (grownsize(size()) != size()) return;  // it grows first
  QPainter window(this);
  if (offscreen_.isNull()) {
    window.fillRect(rect(), colour(canvasrgb));
    draw(window, w, h, true);
    return;
  }
  {
    QPainter image(&offscreen_);
    image.setFont(font());
    image.setRenderHint(QPainter::Antialiasing);
    image.fillRect(0, 0, w, h, colour(canvasrgb));
    draw(image, w, h, false);
  }
  window.drawImage(0, 0, offscreen_, 0, 0, w, h);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize size = event->size();
  if (const QSize grown = grownsize(size); grown != size) QTimer::singleShot(0, this, [this, grown] { resize(grown); });
  if (!offscreen_.isNull() && (size.width() > offscreen_.width() || size.height() > offscreen_.height())) {
    // A window larger than the screen (several screens): a larger image.
    offscreen_ = QImage(std::max(size.width(), offscreen_.width()) + imagemargin,
                        std::max(size.height(), offscreen_.height()) + imagemargin, QImage::Format_RGB32);
  }
  hidebuttonsawhile();
}

void GraphWindow::keyPressEvent(QKeyEvent* event) {
  if (!triggercommandofkey(commands_, *event)) QWidget::keyPressEvent(event);
}

}  // namespace quendal
