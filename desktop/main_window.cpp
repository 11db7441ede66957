#include "desktop/main_window.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "app/constants.h"
#include "desktop/accessibles.h"
#include "desktop/alpha_scroll_bar.h"
#include "desktop/announcer.h"
#include "desktop/command_widgets.h"
#include "desktop/overlay_frame.h"
#include "desktop/message_box.h"
#include "desktop/picture_box_widget.h"
#include "desktop/point_button.h"
#include "desktop/qt_conversions.h"
#include "desktop/surface_painter.h"

namespace desktop {
namespace {

constexpr double kTwips = app::kTwipsPerPixel;

void SetGeometry(QWidget* widget, const QRect& rect) {
  if (widget->geometry() != rect) widget->setGeometry(rect);
}

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
  BuildWidgets(scene);
  ConnectEvents();
  ConnectZoom();

  Apply(app::Load{});
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, [this] { Apply(app::Tick{}); });
  if (scene.timerInterval > 0) {
    timer_->setInterval(scene.timerInterval);
    timer_->start();
  }
}

// Qt stacks later siblings above earlier ones, so the windowed controls are
// created in the scene's order, from the bottom of the stack up.
void SorvaneWindow::BuildWidgets(const app::Scene& scene) {
  for (const app::ControlItem& item : scene.controls) {
    QWidget* widget = nullptr;
    switch (item.kind) {
      case app::ControlKind::kCommandButton: widget = new CommandButtonWidget(zoom_, this); break;
      case app::ControlKind::kControlPoint:
        points_[item.index] = new PointButton(item.index, zoom_, this);
        widget = points_[item.index];
        break;
      case app::ControlKind::kScrollBar: widget = hscAlpha_ = new AlphaScrollBar(zoom_, this); break;
      case app::ControlKind::kCheckBox: widget = chkMemory_ = new CheckBoxWidget(zoom_, this); break;
      case app::ControlKind::kPictureBox:
        widget = picSpectrum_ = new PictureBoxWidget(
            [this](double xTwips) { return model_.form.ImpulseReadOut(model_.form.PlotSampleAt(xTwips)); },
            zoom_, this);
        break;
    }
    widget->setObjectName(QString::fromStdString(item.name));
    widget->setFont(WidgetFont(item.font, zoom_.Factor()));
    widgets_.emplace(item.name, widget);
  }
  outline_ = new OverlayFrame(OverlayFrame::Look::kDragOutline, QStringLiteral("dragOutline"), zoom_, this);
  focusMark_ = new OverlayFrame(OverlayFrame::Look::kFocusMark, QStringLiteral("focusOverlay"), zoom_, this);
  announcer_ = new Announcer(this);
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

double SorvaneWindow::Twips(double pixels, const Zoom& zoom) { return pixels / zoom.Factor() * kTwips; }

void SorvaneWindow::ConnectEvents() {
  for (const char* name : {"cmdRC", "cmdRandom", "cmdSorvane", "cmdRotate", "cmdShift"}) {
    auto* button = static_cast<QPushButton*>(widgets_.at(name));
    connect(button, &QPushButton::clicked, this,
            [this, control = std::string(name)] { Apply(app::Click{control}); });
  }
  connect(hscAlpha_, &QScrollBar::valueChanged, this,
          [this](int value) { Apply(app::SetValue{"hscAlpha", static_cast<double>(value)}); });
  // Every way of ticking the box (a click, Space, assistive technology's
  // Toggle) changes its state once; the refresh's own changes are silent.
  connect(chkMemory_, &QCheckBox::toggled, this,
          [this](bool checked) { Apply(app::SetValue{"chkMemory", checked ? 1.0 : 0.0}); });
  connect(picSpectrum_, &PictureBoxWidget::KeyPressed, this,
          [this](int keyCode, int shift) { Apply(app::Key{"picSpectrum", keyCode, shift}); });
  connect(picSpectrum_, &PictureBoxWidget::ReadOutShown, announcer_, &Announcer::Say);
  for (PointButton* point : points_) {
    connect(point, &PointButton::Pressed, this, &SorvaneWindow::OnPointPressed);
    // A move while a point is dragged changes only where the outline is.
    connect(point, &PointButton::Moved, this, [this](QPointF at) {
      model_.Apply(app::Move{Twips(at.x(), zoom_), Twips(at.y(), zoom_)});
      ShowOutline(model_.DragOutline());
    });
    connect(point, &PointButton::Released, this, [this](Qt::MouseButton button, QPointF at) {
      Apply(app::Release{ButtonCode(button), Twips(at.x(), zoom_), Twips(at.y(), zoom_)});
    });
    connect(point, &PointButton::KeyPressed, this, [this](int index, int keyCode, int shift) {
      Apply(app::Key{"cmdSource" + std::to_string(index), keyCode, shift});
    });
    connect(point, &PointButton::GainRequested, this, [this](int index, double gain) {
      Apply(app::SetValue{"cmdSource" + std::to_string(index), gain});
    });
  }
}

// An intent the model did not take (one that came while a message box of
// another event was open) may have left a widget out of step with the
// model: then every control is shown afresh.
void SorvaneWindow::Apply(const app::Intent& intent) {
  if (!model_.Apply(intent)) shown_.clear();
  Refresh();
}

void SorvaneWindow::Dispatch(const std::function<void()>& handler) {
  model_.Dispatch(handler);
  Refresh();
}

// A press begins a drag at most: nothing else in the window changes before
// the drop, so only the outline is shown (and a tick shows all anyway).
void SorvaneWindow::OnPointPressed(int index, Qt::MouseButton button,
                                   Qt::KeyboardModifiers modifiers, QPointF inWindow) {
  model_.Apply(app::Press{index, ButtonCode(button), ShiftState(modifiers),
                          Twips(inWindow.x(), zoom_), Twips(inWindow.y(), zoom_)});
  ShowOutline(model_.DragOutline());
}

void SorvaneWindow::ShowOutline(const std::optional<app::PixelBox>& outline) {
  if (outline) {
    outline_->ShowAt(zoom_.Box(*outline));
  } else {
    outline_->Hide();
  }
}

// A control whose item is as last shown is left alone, unless the user's
// hand holds it, which may have put its widget out of step with the item.
void SorvaneWindow::ShowControl(const app::ControlItem& item) {
  QWidget* widget = widgets_.at(item.name);
  const bool held = (widget == hscAlpha_ && hscAlpha_->isSliderDown()) ||
                    (widget == chkMemory_ && chkMemory_->isDown());
  auto [shown, first] = shown_.try_emplace(item.name, item);
  if (!first && !held && shown->second == item) {
    if (widget == picSpectrum_) picSpectrum_->Show(item);  // its strokes may have changed
    return;
  }
  if (held) {
    shown_.erase(shown);
  } else {
    shown->second = item;
  }
  SetGeometry(widget, zoom_.Box(item.box));
  if (widget->isVisibleTo(this) != item.visible) widget->setVisible(item.visible);
  ShowTexts(widget, item);
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    const QString caption = QString::fromStdString(item.caption);
    if (button->text() != caption) button->setText(caption);
    if (auto* command = qobject_cast<CommandButtonWidget*>(button)) command->ShowPressed(item.pressed);
  } else if (widget == hscAlpha_) {
    // A held thumb stays where it is dragged: its release reports the value.
    if (hscAlpha_->isSliderDown()) return;
    const QSignalBlocker quiet(hscAlpha_);
    hscAlpha_->setRange(static_cast<int>(item.minimum), static_cast<int>(item.maximum));
    hscAlpha_->setSingleStep(static_cast<int>(item.smallChange));
    hscAlpha_->setPageStep(static_cast<int>(item.largeChange));
    hscAlpha_->setValue(static_cast<int>(item.value));
  } else if (widget == chkMemory_) {
    chkMemory_->setText(QString::fromStdString(item.caption));
    // A held check box keeps its state until the click completes.
    if (!chkMemory_->isDown()) {
      const QSignalBlocker quiet(chkMemory_);
      chkMemory_->setChecked(item.value == 1);
    }
    const QColor caption = ToQColor(item.foreColor, palette());
    if (chkMemory_->palette().color(QPalette::WindowText) != caption) {
      QPalette captionPalette = chkMemory_->palette();
      captionPalette.setColor(QPalette::WindowText, caption);
      captionPalette.setColor(QPalette::ButtonText, caption);
      chkMemory_->setPalette(captionPalette);
    }
  } else if (widget == picSpectrum_) {
    picSpectrum_->Show(item);
  }
}

void SorvaneWindow::Refresh() {
  app::Scene scene = model_.View();
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
  if (scene.announcement.serial != announced_) {
    announced_ = scene.announcement.serial;
    announcer_->Say(QString::fromStdString(scene.announcement.text));
  }
}

void SorvaneWindow::keyPressEvent(QKeyEvent* event) {
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
