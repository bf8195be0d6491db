#include "ui/forms/BaseForm.h"

#include <QAbstractButton>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "core/forms/FormGeometry.h"
#include "core/forms/HelpTopics.h"
#include "ui/forms/FormFont.h"
#include "ui/forms/Shell.h"

namespace {

Qt::Edges EdgesOf(THitZone zone) {
  switch (zone) {
    case THitZone::TopLeft:
      return Qt::TopEdge | Qt::LeftEdge;
    case THitZone::TopRight:
      return Qt::TopEdge | Qt::RightEdge;
    case THitZone::BottomRight:
      return Qt::BottomEdge | Qt::RightEdge;
    case THitZone::BottomLeft:
      return Qt::BottomEdge | Qt::LeftEdge;
    case THitZone::Left:
      return Qt::LeftEdge;
    case THitZone::Top:
      return Qt::TopEdge;
    case THitZone::Right:
      return Qt::RightEdge;
    case THitZone::Bottom:
      return Qt::BottomEdge;
    case THitZone::Client:
      break;
  }
  return {};
}

Qt::CursorShape CursorOf(THitZone zone) {
  switch (zone) {
    case THitZone::TopLeft:
    case THitZone::BottomRight:
      return Qt::SizeFDiagCursor;
    case THitZone::TopRight:
    case THitZone::BottomLeft:
      return Qt::SizeBDiagCursor;
    case THitZone::Left:
    case THitZone::Right:
      return Qt::SizeHorCursor;
    case THitZone::Top:
    case THitZone::Bottom:
      return Qt::SizeVerCursor;
    case THitZone::Client:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

TaFrm::TaFrm(QWidget* parent) : QDialog(parent) {
  setFont(FormFont());
  // F1 reaches the form whichever of its controls has the focus.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [this] { ShowHelp(); });
}

void TaFrm::ShowHelp(const QString& topic) {
  const QString page =
      THelpTopics::PageOf(topic.isEmpty() ? THelpTopics::TopicOf(objectName()) : topic);
  if (!page.isEmpty()) TShell::OpenFile(page);
}

void TaFrm::PlaceAtCursor() {
  const QPoint cursor = QCursor::pos();
  QScreen* screen = QGuiApplication::screenAt(cursor);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize size = frameGeometry().size().expandedTo(this->size());
  move(area.topLeft() + ::PlaceAtCursor(cursor - area.topLeft(), size, area.size()));
}

void TaFrm::SetCancelButton(QAbstractButton* button) {
  cancelButton_ = button;
}

void TaFrm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (isWindow() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    PlaceAtCursor();
  setMouseTracking(Borderless());
}

void TaFrm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      if (cancelButton_ && cancelButton_->isEnabled()) cancelButton_->click();
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A focused button takes Enter as a click; elsewhere Enter presses no default button.
      if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) button->click();
      event->accept();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

bool TaFrm::Borderless() const {
  return windowFlags() & Qt::FramelessWindowHint;
}

void TaFrm::mousePressEvent(QMouseEvent* event) {
  if (Borderless() && event->button() == Qt::LeftButton && windowHandle()) {
    const Qt::Edges edges = EdgesOf(BorderlessHitTest(event->position().toPoint(), size()));
    if (edges) {
      windowHandle()->startSystemResize(edges);
      return;
    }
  }
  QDialog::mousePressEvent(event);
}

void TaFrm::mouseMoveEvent(QMouseEvent* event) {
  if (Borderless()) setCursor(CursorOf(BorderlessHitTest(event->position().toPoint(), size())));
  QDialog::mouseMoveEvent(event);
}
