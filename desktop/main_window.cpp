#include "desktop/main_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "app/constants.h"
#include "desktop/accessibles.h"
#include "desktop/announcer.h"
#include "desktop/message_box.h"
#include "desktop/overlay_frame.h"
#include "desktop/point_button.h"
#include "desktop/qt_conversions.h"
#include "desktop/surface_painter.h"

namespace desktop {
namespace {

constexpr double kTwips = app::kTwipsPerPixel;

}  // namespace

SorvaneWindow::SorvaneWindow(app::Window& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  InstallAccessibles();
  const app::Scene scene = model_.View();
  setWindowTitle(QString::fromStdString(scene.caption));
  setFixedSize(scene.widthPixels, scene.heightPixels);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The focus is shown from the start, not only once the keyboard has moved
  // it, so that whoever presses a key sees where it goes.
  setAttribute(Qt::WA_KeyboardFocusChange);
  model_.platform.SetMessageHandler([this](std::string_view text) { ShowMessageBox(this, text); });
  announcer_ = new Announcer(this);
  BuildWidgets(scene);
  ConnectZoom();
  OfferViews(scene);

  Apply(app::Load{});
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, [this] { Apply(app::Tick{}); });
  if (scene.timerInterval > 0) {
    timer_->setInterval(scene.timerInterval);
    timer_->start();
  }
}

// A view's window belongs to the lesson's, which closes it, and keeps the
// lesson's keys; it opens without taking the keyboard from the lesson.
SorvaneWindow::SorvaneWindow(app::Window& model, std::string view, SorvaneWindow& lesson)
    : QWidget(&lesson, Qt::Window), model_(model), view_(std::move(view)), lesson_(&lesson) {
  const app::Scene scene = SceneNow();
  setWindowTitle(QString::fromStdString(scene.caption));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_KeyboardFocusChange);
  setAttribute(Qt::WA_ShowWithoutActivating);
  announcer_ = lesson.announcer_;
  zoom_ = lesson.zoom_;
  BuildWidgets(scene);
  ConnectZoom();
  OfferViews(model_.View());
  ScaleWidgets();
}

app::Scene SorvaneWindow::SceneNow() const { return view_.empty() ? model_.View() : model_.View(view_); }

// Qt stacks later siblings above earlier ones, so the windowed controls are
// created in the scene's order, from the bottom of the stack up.
void SorvaneWindow::BuildWidgets(const app::Scene& scene) {
  for (const app::ControlItem& item : scene.controls) {
    QWidget* widget = MakeWidget(item);
    widget->setObjectName(QString::fromStdString(item.name));
    widget->setFont(WidgetFont(item.font, zoom_.Factor()));
    widgets_.emplace(item.name, widget);
  }
  outline_ = new OverlayFrame(OverlayFrame::Look::kDragOutline, QStringLiteral("dragOutline"), zoom_, this);
  focusMark_ = new OverlayFrame(OverlayFrame::Look::kFocusMark, QStringLiteral("focusOverlay"), zoom_, this);
  SetTabOrder(scene);
  ConnectShortcuts();
}

void SorvaneWindow::SetTabOrder(const app::Scene& scene) {
  std::vector<const app::ControlItem*> order;
  for (const app::ControlItem& item : scene.controls) {
    if (item.tabIndex >= 0) order.push_back(&item);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
  tabOrder_.clear();
  for (const app::ControlItem* item : order) tabOrder_.push_back(widgets_.at(item->name));
  for (std::size_t i = 1; i < tabOrder_.size(); ++i) setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
  // The first in the Tab order has the focus when the window first shows.
  if (!tabOrder_.empty()) tabOrder_.front()->setFocus();
}

// An intent the model did not take (one that came while a message box of
// another event was open) may have left a widget out of step with the
// model: then every control is shown afresh.
void SorvaneWindow::Apply(const app::Intent& intent) {
  SorvaneWindow& lesson = Lesson();
  if (!model_.Apply(intent)) {
    lesson.shown_.clear();
    for (const auto& [name, view] : lesson.views_) view->shown_.clear();
  }
  lesson.Refresh();
}

void SorvaneWindow::Dispatch(const std::function<void()>& handler) {
  model_.Dispatch(handler);
  Lesson().Refresh();
}

void SorvaneWindow::ShowOutline(const std::optional<app::PixelBox>& outline) {
  if (outline) {
    outline_->ShowAt(zoom_.Box(*outline));
  } else {
    outline_->Hide();
  }
}

void SorvaneWindow::Refresh() {
  if (lesson_ != nullptr) {
    lesson_->Refresh();
    return;
  }
  app::Scene scene = model_.View();
  const std::vector<app::ViewItem> views = std::move(scene.views);
  const app::Announcement announcement = scene.announcement;
  ShowScene(std::move(scene));
  ShowViews(views);
  if (announcement.serial != announced_) {
    announced_ = announcement.serial;
    announcer_->Say(QString::fromStdString(announcement.text));
  }
}

void SorvaneWindow::ShowScene(app::Scene scene) {
  const bool changed = scene.controls != shownControls_;
  for (const app::ControlItem& item : scene.controls) ShowControl(item);
  ShowOutline(scene.dragOutline);
  if (changed) {
    ShowFocus(scene);
    shownControls_ = std::move(scene.controls);
  }
  if (scene.surface != painted_ || scene.back != back_) {
    back_ = scene.back;
    painted_ = std::move(scene.surface);
    update();
  }
}

void SorvaneWindow::keyPressEvent(QKeyEvent* event) {
  if (lesson_ != nullptr && event->key() == Qt::Key_Escape) {
    Apply(app::ShowView{view_, false});
    event->accept();
    return;
  }
  auto* button = qobject_cast<QAbstractButton*>(focusWidget());
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (button == nullptr || !enter || qobject_cast<PointButton*>(button) != nullptr) {
    QWidget::keyPressEvent(event);
    return;
  }
  // Held down, the key repeats; like Space it presses the button once.
  if (!event->isAutoRepeat() && !button->isDown()) button->click();
  event->accept();
}

void SorvaneWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(back_, palette()));
  painter.scale(zoom_.Factor() / kTwips, zoom_.Factor() / kTwips);
  PaintSurface(painter, painted_, pictures_, palette(), zoom_.Factor());
}

}  // namespace desktop
