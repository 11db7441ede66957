#include "desktop/command_widgets.h"

#include <QAccessible>
#include <QStyleOptionButton>

#include "desktop/focus_frame.h"
#include "desktop/zoom.h"

namespace desktop {
namespace {

// Inside the button's outline, clear of its caption.
constexpr int kButtonFocusInsetPixels = 3;
// Clear of the check box's last row, which overlaps the plot's edge below.
constexpr int kCheckBoxFocusInsetPixels = 1;

}  // namespace

CommandButtonWidget::CommandButtonWidget(const Zoom& zoom, QWidget* window)
    : QPushButton(window), zoom_(zoom) {
  setAutoDefault(false);
}

void CommandButtonWidget::ShowPressed(std::optional<bool> pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  if (QAccessible::isActive()) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void CommandButtonWidget::paintEvent(QPaintEvent* /*event*/) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintWithFocusFrame(*this, QStyle::CE_PushButton, option, zoom_.Pixels(kButtonFocusInsetPixels),
                      zoom_.Pixels(kFocusFramePixels));
}

CheckBoxWidget::CheckBoxWidget(const Zoom& zoom, QWidget* window) : QCheckBox(window), zoom_(zoom) {}

void CheckBoxWidget::paintEvent(QPaintEvent* /*event*/) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintWithFocusFrame(*this, QStyle::CE_CheckBox, option, zoom_.Pixels(kCheckBoxFocusInsetPixels),
                      zoom_.Pixels(kFocusFramePixels));
}

}  // namespace desktop
