#include "ui/forms/BaseForm.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

bool CanTakeTab(const QWidget* widget, const QWidget* form) {
  return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget->isEnabled() &&
         widget->isVisibleTo(form) && widget->window() == form;
}

bool IsButton(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) && !qobject_cast<const QCheckBox*>(widget) &&
         !qobject_cast<const QRadioButton*>(widget);
}

}  // namespace

bool IsSingleLineField(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
         qobject_cast<const QRadioButton*>(widget);
}

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

void TaFrm::SetDefaultButton(QAbstractButton* button) {
  if (auto* previous = qobject_cast<QPushButton*>(defaultButton_.data()))
    previous->setDefault(false);
  defaultButton_ = button;
  if (auto* push = qobject_cast<QPushButton*>(button)) push->setDefault(true);
}

void TaFrm::AddPickPanel(QWidget* panel, std::function<void()> close) {
  pickPanels_.append({panel, std::move(close)});
}

void TaFrm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (placeAtCursor_ && isWindow() &&
      !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    PlaceAtCursor();
  setMouseTracking(Borderless());
}

void TaFrm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      if (!CloseOpenPickPanel()) Cancel();
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      QWidget* focused = focusWidget();
      if (focused && IsSingleLineField(focused))
        EnterInField(focused);
      else if (auto* button = qobject_cast<QAbstractButton*>(focused))
        button->click();
      event->accept();
      return;
    }
    default:
      QWidget::keyPressEvent(event);
  }
}

bool TaFrm::CloseOpenPickPanel() {
  for (const TPickPanel& pick : pickPanels_) {
    if (!pick.Panel || !pick.Panel->isVisible()) continue;
    if (pick.Close)
      pick.Close();
    else
      pick.Panel->hide();
    return true;
  }
  return false;
}

void TaFrm::Cancel() {
  if (cancelButton_) {
    if (cancelButton_->isEnabled()) cancelButton_->click();
  } else if (isModal()) {
    reject();
  }
}

void TaFrm::EnterInField(QWidget* field) {
  // The fields after this one in tab order, counted from the default button (the tab order
  // runs round: the fields, then the buttons, then the fields again); buttons on the way are
  // passed over.
  QWidget* start = defaultButton_ ? static_cast<QWidget*>(defaultButton_.data()) : this;
  bool after = false;
  for (QWidget* next = start->nextInFocusChain(); next != start; next = next->nextInFocusChain()) {
    if (next == field) {
      after = true;
    } else if (after && CanTakeTab(next, this) && !IsButton(next)) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
  if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisibleTo(this))
    defaultButton_->click();
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
