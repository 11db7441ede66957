// Zoom for a projector: the whole window, controls, fonts, the surface and
// the plot, scaled uniformly and repainted at the new size. The model is not
// told: pointer positions reach it divided by the zoom, so it sees the same
// twips for the same place on the picture.
#include <QApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>

#include "desktop/main_window.h"
#include "desktop/qt_conversions.h"
#include "desktop/zoom_style.h"

namespace desktop {

void SorvaneWindow::ConnectZoom() {
  const std::pair<QKeySequence, void (SorvaneWindow::*)()> keys[] = {
      {QKeySequence::ZoomIn, &SorvaneWindow::ZoomIn},
      // Plus shares its key with "=" on many layouts: Ctrl+= is the same
      // press without Shift.
      {QKeySequence(Qt::CTRL | Qt::Key_Equal), &SorvaneWindow::ZoomIn},
      {QKeySequence::ZoomOut, &SorvaneWindow::ZoomOut},
      {QKeySequence(Qt::CTRL | Qt::Key_0), &SorvaneWindow::ZoomReset},
  };
  for (const auto& [sequence, action] : keys) {
    auto* shortcut = new QShortcut(sequence, this);
    connect(shortcut, &QShortcut::activated, this, action);
  }
}

// What the window manager adds around the client area; nothing before the
// window is first shown, or where no window manager decorates it.
QSize SorvaneWindow::FrameExtra() const { return frameGeometry().size() - geometry().size(); }

// A view's window zooms the lesson, whose zoom it follows.
void SorvaneWindow::ZoomIn() {
  SorvaneWindow& lesson = Lesson();
  const QScreen* display = lesson.screen() != nullptr ? lesson.screen() : QApplication::primaryScreen();
  if (display != nullptr) lesson.ZoomIn(display->availableGeometry().size());
}

void SorvaneWindow::ZoomIn(QSize available) {
  SorvaneWindow& lesson = Lesson();
  const app::Scene scene = model_.View();
  if (lesson.zoom_.StepIn(QSize(scene.widthPixels, scene.heightPixels), lesson.FrameExtra(), available)) {
    lesson.ApplyZoom();
  }
}

void SorvaneWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (QWindow* handle = windowHandle(); handle != nullptr && lesson_ == nullptr) {
    connect(handle, &QWindow::screenChanged, this, &SorvaneWindow::FitScreen, Qt::UniqueConnection);
  }
}

void SorvaneWindow::FitScreen() {
  const app::Scene scene = model_.View();
  const QScreen* display = screen();
  if (display != nullptr &&
      zoom_.Fit(QSize(scene.widthPixels, scene.heightPixels), FrameExtra(), display->availableGeometry().size())) {
    ApplyZoom();
  }
}

void SorvaneWindow::ZoomOut() {
  if (SorvaneWindow& lesson = Lesson(); lesson.zoom_.StepOut()) lesson.ApplyZoom();
}

void SorvaneWindow::ZoomReset() {
  if (SorvaneWindow& lesson = Lesson(); lesson.zoom_.Reset()) lesson.ApplyZoom();
}

void SorvaneWindow::ApplyZoom() {
  ScaleWidgets();
  Refresh();
  update();
  KeepOnScreen();
  for (const auto& [name, view] : views_) {
    view->zoom_ = zoom_;
    view->ScaleWidgets();
    view->ShowScene(view->SceneNow());
    view->update();
    if (view->isVisible()) view->PlaceBesideLesson();
    view->KeepOnScreen();
  }
}

// Every control, and the focus mark, is shown again at the new size at the
// next refresh.
void SorvaneWindow::ScaleWidgets() {
  const app::Scene scene = SceneNow();
  setFixedSize(zoom_.Size(QSize(scene.widthPixels, scene.heightPixels)));
  // At 100 % the controls go back to the application's own style, exactly as
  // they were.
  if (zoomStyle_ == nullptr && zoom_.Factor() != 1.0) {
    zoomStyle_ = new ZoomStyle(zoom_);
    zoomStyle_->setParent(this);
  }
  QStyle* style = zoom_.Factor() == 1.0 ? nullptr : zoomStyle_;
  for (const app::ControlItem& item : scene.controls) {
    QWidget* widget = widgets_.at(item.name);
    if (widget->style() != (style != nullptr ? style : QApplication::style())) widget->setStyle(style);
    widget->setFont(WidgetFont(item.font, zoom_.Factor()));
  }
  shown_.clear();
  shownControls_.clear();
}

// A window grown past the screen's edge comes back inside it.
void SorvaneWindow::KeepOnScreen() {
  const QScreen* display = screen();
  if (display == nullptr || !isVisible()) return;
  const QRect room = display->availableGeometry();
  const QRect frame = frameGeometry();
  const int x = std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width() + 1));
  const int y = std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height() + 1));
  if (x != frame.left() || y != frame.top()) move(x, y);
}

}  // namespace desktop
