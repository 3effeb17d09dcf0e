// The graph windows' common part; see graph_window.h.
#include "ui/graph_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "calendar/text.h"
#include "ui/print/printing.h"

namespace quendal {

namespace {
constexpr int buttonsmilliseconds = 350;  // timer 2
constexpr int buttontop = 5;
constexpr int buttonheight = 25;
}  // namespace

GraphWindow::GraphWindow(ApplicationState& state, QWidget* owner)
    : QWidget(owner, Qt::Window), state_(state), savedlanguagemode_(state.languagemode) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  state_.graphWindowOpen = true;
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(buttonsmilliseconds);
  connect(timer_, &QTimer::timeout, this, &GraphWindow::timeout);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize s = screen ? screen->geometry().size() : QSize(1024, 768);
  offscreen_ = QImage(s.width() + 100, s.height() + 100, QImage::Format_RGB32);
}

GraphWindow::~GraphWindow() {
  state_.languagemode = savedlanguagemode_;
  state_.graphWindowOpen = false;
}

QImage GraphWindow::image() const {
  if (offscreen_.isNull()) return {};
  return offscreen_.copy(0, 0, width(), height());
}

void GraphWindow::setbuttons(const QList<ButtonSpec>& specs) {
  for (Button& b : buttons_) delete b.button;
  buttons_.clear();
  const Language lang = language();
  int right = 0;
  for (const ButtonSpec& spec : specs) {
    auto* button = new QPushButton(QString::fromUtf8(lang == english ? spec.english : spec.german), this);
    button->setObjectName(QStringLiteral("button%1").arg(spec.id));
    button->setFocusPolicy(Qt::NoFocus);
    const int w = std::max(spec.width, button->sizeHint().width());
    const int x = std::max(spec.x, right + 10);
    button->setGeometry(x, buttontop, w, buttonheight);
    right = x + w;
    const int id = spec.id;
    connect(button, &QPushButton::clicked, this, [this, id] {
      buttonclicked(id);
      setFocus();
    });
    button->setVisible(present_);
    buttons_.append({spec, button});
  }
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
  state_.togglelanguage();
  const Language lang = language();
  for (Button& b : buttons_) b.button->setText(QString::fromUtf8(lang == english ? b.spec.english : b.spec.german));
}

void GraphWindow::printimage(const QString& documentname) {
  if (!state_.printingEnabled) return;
  printBitmap(this, image(), width(), height(), documentname, language());
}

bool GraphWindow::needsresize(int, int) { return false; }

void GraphWindow::paintEvent(QPaintEvent*) {
  const int w = width(), h = height();
  if (needsresize(w, h)) return;
  if (!offscreen_.isNull() && (w > offscreen_.width() || h > offscreen_.height())) {
    // A window larger than the screen (several screens): a larger image.
    offscreen_ =
        QImage(std::max(w, offscreen_.width()) + 100, std::max(h, offscreen_.height()) + 100, QImage::Format_RGB32);
  }
  QPainter window(this);
  if (offscreen_.isNull()) {
    window.fillRect(rect(), Qt::white);
    draw(window, w, h, true);
    return;
  }
  {
    QPainter image(&offscreen_);
    image.setFont(font());
    image.setRenderHint(QPainter::Antialiasing);
    image.fillRect(0, 0, w, h, Qt::white);
    draw(image, w, h, false);
  }
  window.drawImage(0, 0, offscreen_, 0, 0, w, h);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  hidebuttonsawhile();
}

}  // namespace quendal
