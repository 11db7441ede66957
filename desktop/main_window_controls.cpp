// The windowed controls: each kind of control of a scene as its widget,
// what the user does to it as intents, and each item of the scene shown on
// its widget.
#include <QSignalBlocker>

#include "desktop/alpha_scroll_bar.h"
#include "desktop/announcer.h"
#include "desktop/command_widgets.h"
#include "desktop/main_window.h"
#include "desktop/picture_box_widget.h"
#include "desktop/point_button.h"
#include "desktop/qt_conversions.h"

namespace desktop {
namespace {

void SetGeometry(QWidget* widget, const QRect& rect) {
  if (widget->geometry() != rect) widget->setGeometry(rect);
}

void ShowScrollBar(AlphaScrollBar* bar, const app::ControlItem& item) {
  // A held thumb stays where it is dragged: its release reports the value.
  if (bar->isSliderDown()) return;
  const QSignalBlocker quiet(bar);
  bar->setRange(static_cast<int>(item.minimum), static_cast<int>(item.maximum));
  bar->setSingleStep(static_cast<int>(item.smallChange));
  bar->setPageStep(static_cast<int>(item.largeChange));
  bar->setValue(static_cast<int>(item.value));
}

void ShowCheckBox(CheckBoxWidget* box, const app::ControlItem& item, const QPalette& window) {
  box->setText(QString::fromStdString(item.caption));
  // A held check box keeps its state until the click completes.
  if (!box->isDown()) {
    const QSignalBlocker quiet(box);
    box->setChecked(item.value == 1);
  }
  const QColor caption = ToQColor(item.foreColor, window);
  if (box->palette().color(QPalette::WindowText) != caption) {
    QPalette captionPalette = box->palette();
    captionPalette.setColor(QPalette::WindowText, caption);
    captionPalette.setColor(QPalette::ButtonText, caption);
    box->setPalette(captionPalette);
  }
}

}  // namespace

// Each kind of control becomes its widget, and what the user does to it the
// intent of its kind, addressed by the control's name.
QWidget* SorvaneWindow::MakeWidget(const app::ControlItem& item) {
  const std::string name = item.name;
  switch (item.kind) {
    case app::ControlKind::kCommandButton: {
      auto* button = new CommandButtonWidget(zoom_, this);
      connect(button, &QPushButton::clicked, this, [this, name] { Apply(app::Click{name}); });
      return button;
    }
    case app::ControlKind::kControlPoint: {
      auto* point = new PointButton(item.index, zoom_, this);
      ConnectPoint(point, name);
      points_.push_back(point);
      return point;
    }
    case app::ControlKind::kScrollBar: {
      auto* bar = new AlphaScrollBar(zoom_, this);
      connect(bar, &QScrollBar::valueChanged, this,
              [this, name](int value) { Apply(app::SetValue{name, static_cast<double>(value)}); });
      return bar;
    }
    case app::ControlKind::kCheckBox: {
      auto* box = new CheckBoxWidget(zoom_, this);
      // Every way of ticking the box (a click, Space, assistive technology's
      // Toggle) changes its state once; the refresh's own changes are silent.
      connect(box, &QCheckBox::toggled, this,
              [this, name](bool checked) { Apply(app::SetValue{name, checked ? 1.0 : 0.0}); });
      return box;
    }
    case app::ControlKind::kPictureBox: {
      auto* picture = new PictureBoxWidget(
          [this, name](double xTwips) { return model_.ReadOutAt(name, xTwips); }, zoom_, this);
      connect(picture, &PictureBoxWidget::KeyPressed, this,
              [this, name](int keyCode, int shift) { Apply(app::Key{name, keyCode, shift}); });
      connect(picture, &PictureBoxWidget::ReadOutShown, announcer_, &Announcer::Say);
      return picture;
    }
  }
  return new QWidget(this);
}

void SorvaneWindow::ConnectPoint(PointButton* point, const std::string& name) {
  connect(point, &PointButton::Pressed, this,
          [this](int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
            // A press begins a drag at most: nothing else in the window
            // changes before the drop, so only the outline is shown (and a
            // tick shows all anyway).
            model_.Apply(app::Press{index, ButtonCode(button), ShiftState(modifiers), Twips(at.x(), zoom_),
                                    Twips(at.y(), zoom_)});
            ShowOutline(model_.DragOutline());
          });
  // A move while a point is dragged changes only where the outline is.
  connect(point, &PointButton::Moved, this, [this](QPointF at) {
    model_.Apply(app::Move{Twips(at.x(), zoom_), Twips(at.y(), zoom_)});
    ShowOutline(model_.DragOutline());
  });
  connect(point, &PointButton::Released, this, [this](Qt::MouseButton button, QPointF at) {
    Apply(app::Release{ButtonCode(button), Twips(at.x(), zoom_), Twips(at.y(), zoom_)});
  });
  connect(point, &PointButton::KeyPressed, this,
          [this, name](int /*index*/, int keyCode, int shift) { Apply(app::Key{name, keyCode, shift}); });
  connect(point, &PointButton::GainRequested, this,
          [this, name](int /*index*/, double gain) { Apply(app::SetValue{name, gain}); });
}

double SorvaneWindow::Twips(double pixels, const Zoom& zoom) { return pixels / zoom.Factor() * app::kTwipsPerPixel; }

// A control whose item is as last shown is left alone, unless the user's
// hand holds it, which may have put its widget out of step with the item.
void SorvaneWindow::ShowControl(const app::ControlItem& item) {
  QWidget* widget = widgets_.at(item.name);
  auto* bar = qobject_cast<AlphaScrollBar*>(widget);
  auto* check = qobject_cast<CheckBoxWidget*>(widget);
  auto* picture = qobject_cast<PictureBoxWidget*>(widget);
  const bool held = (bar != nullptr && bar->isSliderDown()) || (check != nullptr && check->isDown());
  auto [shown, first] = shown_.try_emplace(item.name, item);
  if (!first && !held && shown->second == item) {
    if (picture != nullptr) picture->Show(item);  // its strokes may have changed
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
  if (auto* command = qobject_cast<CommandButtonWidget*>(widget)) {
    const QString caption = QString::fromStdString(item.caption);
    if (command->text() != caption) command->setText(caption);
    command->ShowPressed(item.pressed);
  } else if (bar != nullptr) {
    ShowScrollBar(bar, item);
  } else if (check != nullptr) {
    ShowCheckBox(check, item, palette());
  } else if (picture != nullptr) {
    picture->Show(item);
  }
}

}  // namespace desktop
