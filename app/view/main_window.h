#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <array>
#include <functional>

#include "app/form1.h"
#include "app/view/logo.h"
#include "app/view/view_platform.h"

class QCheckBox;
class QPushButton;
class QTimer;

namespace view {

class AlphaScrollBar;
class DragOutline;
class PictureBoxWidget;
class PointButton;

/// The Qt window over a Form1: windowed controls as real widgets in the
/// model's stacking order, everything else painted on the window's surface in
/// twips. Events go to the model's handlers; after each one the window
/// re-reads the model. It decides nothing itself.
class SorvaneWindow : public QWidget {
  Q_OBJECT

 public:
  /// Builds the widgets, runs the model's load handler and starts the timer.
  SorvaneWindow(app::Form1& form, ViewPlatform& platform, QWidget* parent = nullptr);

  /// Runs `handler` as one event of the window: anything it raises is shown
  /// in a message box and the program carries on; then the view re-reads the
  /// model. An event that arrives while another is running is dropped, so
  /// handlers never interleave.
  void Dispatch(const std::function<void()>& handler);

  /// Re-reads the model: widget geometry, captions, values, and a repaint of
  /// whatever drawing changed.
  void Refresh();

  /// Puts an image of the whole client area on the clipboard, at the
  /// screen's resolution: the shortcut of the platform's Copy key (Ctrl+C).
  void CopyPicture();

 protected:
  void paintEvent(QPaintEvent* event) override;
  /// Enter and Return press the focused button or check box, as Space does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWidgets();
  QPushButton* MakeCommandButton(const char* name);
  void SetTabOrder();
  void ConnectEvents();
  void OnPointPressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      QPointF local, QPointF inWindow);
  void BeginDrag(int index);
  void OnDragMoved(QPointF inWindow);
  void OnDragReleased(Qt::MouseButton button, QPointF inWindow);
  bool TakesDrop(QPointF inWindow) const;
  void SyncButton(QPushButton* widget, const app::CommandButton& button);
  // Keyboard editing, assistive technology and the clipboard
  // (main_window_access.cpp).
  void NameWidgets();
  void DescribeModel();
  void OnPointKey(int index, int keyCode, int shift);

  app::Form1& form_;
  ViewPlatform& platform_;
  Logo logo_;
  std::array<PointButton*, 9> points_{};
  QPushButton* cmdRC_ = nullptr;
  QPushButton* cmdRandom_ = nullptr;
  QPushButton* cmdSorvane_ = nullptr;
  QPushButton* cmdRotate_ = nullptr;
  QPushButton* cmdShift_ = nullptr;
  AlphaScrollBar* hscAlpha_ = nullptr;
  QCheckBox* chkMemory_ = nullptr;
  PictureBoxWidget* picSpectrum_ = nullptr;
  DragOutline* outline_ = nullptr;
  QTimer* timer_ = nullptr;

  bool inHandler_ = false;
  int dragIndex_ = -1;  // the point being dragged, or -1
  QPointF pressInWindow_;
  QPointF dragAnchor_;  // where the drag's press was, window pixels
  QByteArray paintedSurface_;
  std::uint64_t describedPlot_ = ~std::uint64_t{0};  // picture revision last described
};

}  // namespace view
