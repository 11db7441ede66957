#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/scene.h"
#include "app/window.h"
#include "desktop/pictures.h"
#include "desktop/zoom.h"

class QCheckBox;
class QPushButton;
class QTimer;

namespace desktop {

class AlphaScrollBar;
class Announcer;
class OverlayFrame;
class PictureBoxWidget;
class PointButton;
class ZoomStyle;

/// The Qt window over the window model: the windowed controls of its scene
/// as real widgets, stacked as the scene lists them, and the scene's surface
/// painted beneath them in twips. What the user does goes to the model as
/// intents; after each one the window shows the model's scene again and
/// says its announcement through assistive technology. It decides nothing
/// itself. Ctrl+Plus, Ctrl+Minus and Ctrl+0 zoom the whole window for a
/// projector; the model sees the same twips for the same place on the
/// picture at every zoom.
class SorvaneWindow : public QWidget {
  Q_OBJECT

 public:
  /// Builds the widgets, loads the model and starts the timer.
  explicit SorvaneWindow(app::Window& model, QWidget* parent = nullptr);
  ~SorvaneWindow() override;

  /// Hands `intent` to the model and shows the result.
  void Apply(const app::Intent& intent);

  /// Runs `handler` as one event of the model's window (a run-time error is
  /// shown in a message box), then shows the result.
  void Dispatch(const std::function<void()>& handler);

  /// Shows the model's scene: widget geometry, captions, values and texts,
  /// and a repaint of whatever drawing changed.
  void Refresh();

  /// Puts an image of the whole client area on the clipboard, at the
  /// screen's resolution: the shortcut of the platform's Copy key (Ctrl+C).
  void CopyPicture();

  /// One zoom step up, as far as the screen's available area allows (or
  /// `available`, window-system pixels); one step down; back to 100 %.
  void ZoomIn();
  void ZoomIn(QSize available);
  void ZoomOut();
  void ZoomReset();
  const Zoom& WindowZoom() const { return zoom_; }

  /// The windowed controls as assistive technology lists them: in the Tab
  /// order, then any others.
  std::vector<QWidget*> AccessibleChildren() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  /// Follows the window to another screen, where a zoom that no longer fits
  /// steps back.
  void showEvent(QShowEvent* event) override;
  /// Enter and Return press the focused button or check box, as Space does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWidgets(const app::Scene& scene);
  void SetTabOrder(const app::Scene& scene);
  void ConnectEvents();
  void OnPointPressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      QPointF inWindow);
  void ShowControl(const app::ControlItem& item);
  void ShowOutline(const std::optional<app::PixelBox>& outline);
  /// A pointer position of the zoomed window in the model's window twips.
  static double Twips(double pixels, const Zoom& zoom);
  // Zoom (main_window_zoom.cpp): the window's size and every control's
  // geometry and font at the new factor, and a full repaint.
  void ConnectZoom();
  void ApplyZoom();
  void FitScreen();
  QSize FrameExtra() const;
  // Names, descriptions and tooltips for assistive technology, the keys of
  // the points and the clipboard (main_window_access.cpp).
  void ShowTexts(QWidget* widget, const app::ControlItem& item);
  void ConnectShortcuts();
  // The focus mark of a control that cannot show its own, and what
  // assistive technology is told of the points' visibility.
  void ShowFocus(const app::Scene& scene);

  app::Window& model_;
  Pictures pictures_;
  std::map<std::string, QWidget*, std::less<>> widgets_;  // by the model's names
  // What each widget and the focus mark last showed, to touch only what changes.
  std::map<std::string, app::ControlItem, std::less<>> shown_;
  std::vector<app::ControlItem> shownControls_;
  std::array<PointButton*, 9> points_{};
  AlphaScrollBar* hscAlpha_ = nullptr;
  QCheckBox* chkMemory_ = nullptr;
  PictureBoxWidget* picSpectrum_ = nullptr;
  OverlayFrame* outline_ = nullptr;
  OverlayFrame* focusMark_ = nullptr;
  Announcer* announcer_ = nullptr;
  int announced_ = 0;  // the serial of the scene's announcement last said
  std::vector<QWidget*> tabOrder_;
  QMetaObject::Connection focusFollower_;
  Zoom zoom_;
  ZoomStyle* zoomStyle_ = nullptr;  // made at the first zoom
  QTimer* timer_ = nullptr;
  std::vector<app::SurfaceItem> painted_;  // the surface as last painted
  app::Colour back_ = app::kDialogFace;
};

}  // namespace desktop
