#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "app/picture_box.h"
#include "app/scene.h"

namespace desktop {

class Zoom;

/// Shows a model picture box: a sunken edge and, inside it, the box's
/// strokes replayed in twips and clipped to the inner area. Assistive
/// technology sees it as a chart (desktop/accessibles.h). With the pointer
/// over it, a tooltip shows the read-out for the pointer's x and follows the
/// pointer. It is last in the Tab order; while it has the focus, Left and
/// Right (with Shift or without) step the model's read-out, which shows as
/// the same tooltip at its sample and is spoken.
class PictureBoxWidget : public QWidget {
  Q_OBJECT

 public:
  /// The read-out's text for a pointer at x twips from the inner area's left.
  using ReadOut = std::function<std::string(double xTwips)>;

  PictureBoxWidget(ReadOut readOut, const Zoom& zoom, QWidget* parent);

  /// Shows the scene's item of the box, whose picture must outlive the
  /// widget or the next Show; repaints if the picture changed since the last
  /// paint, and shows and announces a read-out that a key moved while the
  /// box has the focus (or that changed while it shows).
  void Show(const app::ControlItem& item);
  const app::ControlItem& Item() const { return item_; }

 signals:
  /// Left or Right pressed while the box has the focus, in the model's key
  /// code and shift state.
  void KeyPressed(int keyCode, int shift);
  /// The read-out was shown as Show says: its words, to be spoken. (Qt 6.4
  /// gives assistive technology a value's number, not its words.)
  void ReadOutShown(const QString& text);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowReadOut(QPoint local, QPoint global);
  void ShowKeyReadOut();
  double BorderPixels() const;

  const app::PictureBox* box_ = nullptr;
  app::ControlItem item_;
  ReadOut readOut_;
  const Zoom& zoom_;
  std::uint64_t paintedRevision_ = ~std::uint64_t{0};
};

}  // namespace desktop
