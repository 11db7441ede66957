#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <optional>

namespace desktop {

class Zoom;

/// A command button ("RC Filter", "Random", ...) that shows the focus with
/// the window's one focus mark, a frame inside its face, rather than the
/// style's faint outline. Enter and Return press it (the window's key
/// handler); it never becomes a default button. Shift and Rotate are toggle
/// buttons to assistive technology (desktop/accessibles.h), pressed while
/// their copies show; their face stays that of a plain button.
class CommandButtonWidget : public QPushButton {
  Q_OBJECT

 public:
  CommandButtonWidget(const Zoom& zoom, QWidget* window);

  /// Whether a toggle button stands pressed (none: a plain button); a
  /// change is told to assistive technology.
  void ShowPressed(std::optional<bool> pressed);
  std::optional<bool> Pressed() const { return pressed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Zoom& zoom_;
  std::optional<bool> pressed_;
};

/// The Memory check box, with the window's focus mark around it rather
/// than the style's outline of the caption.
class CheckBoxWidget : public QCheckBox {
  Q_OBJECT

 public:
  CheckBoxWidget(const Zoom& zoom, QWidget* window);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Zoom& zoom_;
};

}  // namespace desktop
