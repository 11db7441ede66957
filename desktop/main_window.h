#pragma once

#include <QPointF>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/scene.h"
#include "app/window.h"
#include "desktop/pictures.h"
#include "desktop/zoom.h"

class QTimer;

namespace desktop {

class Announcer;
class OverlayFrame;
class PointButton;
class ZoomStyle;

/// A Qt window over one scene of the window model: the lesson's, or that of
/// a view beside it (the eye diagram), in a window of its own. The windowed
/// controls of the scene are real widgets, made by their kind, stacked as
/// the scene lists them; the scene's surface is painted beneath them in
/// twips. What the user does goes to the model as intents; after each one
/// every window shows the model's scenes again and the lesson's says its
/// announcement through assistive technology. It decides nothing itself
/// and names no control. Ctrl+Plus, Ctrl+Minus and Ctrl+0 zoom the lesson
/// and its views for a projector; the model sees the same twips for the
/// same place on the picture at every zoom. Each view the lesson offers is
/// shown and hidden with Ctrl and its key and from its control's context
/// menu; it opens beside the lesson where the screen has room, and Esc or
/// closing it hides it.
class SorvaneWindow : public QWidget {
  Q_OBJECT

 public:
  /// The lesson's window: builds the widgets, loads the model and starts
  /// the timer.
  explicit SorvaneWindow(app::Window& model, QWidget* parent = nullptr);
  ~SorvaneWindow() override;

  /// Hands `intent` to the model and shows the result.
  void Apply(const app::Intent& intent);

  /// Runs `handler` as one event of the model's window (a run-time error is
  /// shown in a message box), then shows the result.
  void Dispatch(const std::function<void()>& handler);

  /// Shows the model's scenes in the lesson's window and its views':
  /// widget geometry, captions, values and texts, a repaint of whatever
  /// drawing changed, and which views show.
  void Refresh();

  /// Puts an image of the whole client area on the clipboard, at the
  /// screen's resolution: the shortcut of the platform's Copy key (Ctrl+C).
  void CopyPicture();

  /// One zoom step up, as far as the screen's available area allows (or
  /// `available`, window-system pixels); one step down; back to 100 %. In
  /// a view's window they zoom the lesson, which its views follow.
  void ZoomIn();
  void ZoomIn(QSize available);
  void ZoomOut();
  void ZoomReset();
  const Zoom& WindowZoom() const { return zoom_; }

  /// The windowed controls as assistive technology lists them: in the Tab
  /// order, then any others.
  std::vector<QWidget*> AccessibleChildren() const;

  /// The window of the view of that name ("eye") once it has been shown,
  /// or null.
  SorvaneWindow* ViewWindow(std::string_view view) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  /// Follows the window to another screen, where a zoom that no longer fits
  /// steps back.
  void showEvent(QShowEvent* event) override;
  /// Enter and Return press the focused button or check box, as Space does;
  /// Esc hides a view's window.
  void keyPressEvent(QKeyEvent* event) override;
  /// Closing a view's window hides the view.
  void closeEvent(QCloseEvent* event) override;

 private:
  /// The window of the view `view` beside the lesson's window `lesson`.
  SorvaneWindow(app::Window& model, std::string view, SorvaneWindow& lesson);

  /// The scene this window shows now.
  app::Scene SceneNow() const;
  SorvaneWindow& Lesson() { return lesson_ != nullptr ? *lesson_ : *this; }
  void BuildWidgets(const app::Scene& scene);
  QWidget* MakeWidget(const app::ControlItem& item);
  void ConnectPoint(PointButton* point, const std::string& name);
  void SetTabOrder(const app::Scene& scene);
  void ShowScene(app::Scene scene);
  void ShowControl(const app::ControlItem& item);
  void ShowOutline(const std::optional<app::PixelBox>& outline);
  /// A pointer position of the zoomed window in the model's window twips.
  static double Twips(double pixels, const Zoom& zoom);
  // Zoom (main_window_zoom.cpp): the window's size and every control's
  // geometry and font at the new factor, and a full repaint.
  void ConnectZoom();
  void ApplyZoom();
  void ScaleWidgets();
  void KeepOnScreen();
  void FitScreen();
  QSize FrameExtra() const;
  // Names, descriptions and tooltips for assistive technology, the keys of
  // the points and the clipboard (main_window_access.cpp).
  void ShowTexts(QWidget* widget, const app::ControlItem& item);
  void ConnectShortcuts();
  // The focus mark of a control that cannot show its own, and what
  // assistive technology is told of the points' visibility.
  void ShowFocus(const app::Scene& scene);
  // The views beside the lesson (main_window_views.cpp): their keys and
  // menu entries, and their windows shown, placed and hidden as the
  // lesson's scene says.
  void OfferViews(const app::Scene& scene);
  void ShowViews(const std::vector<app::ViewItem>& views);
  void ToggleView(const std::string& view);
  void PlaceBesideLesson();

  app::Window& model_;
  std::string view_;                // the view this window shows; empty: the lesson
  SorvaneWindow* lesson_ = nullptr;  // a view's window: the lesson's
  Pictures pictures_;
  std::map<std::string, QWidget*, std::less<>> widgets_;  // by the model's names
  // What each widget and the focus mark last showed, to touch only what changes.
  std::map<std::string, app::ControlItem, std::less<>> shown_;
  std::vector<app::ControlItem> shownControls_;
  std::vector<PointButton*> points_;
  OverlayFrame* outline_ = nullptr;
  OverlayFrame* focusMark_ = nullptr;
  Announcer* announcer_ = nullptr;  // the lesson's, in every window
  int announced_ = 0;  // the serial of the scene's announcement last said
  std::vector<QWidget*> tabOrder_;
  QMetaObject::Connection focusFollower_;
  Zoom zoom_;
  ZoomStyle* zoomStyle_ = nullptr;  // made at the first zoom
  QTimer* timer_ = nullptr;
  std::vector<app::SurfaceItem> painted_;  // the surface as last painted
  app::Colour back_ = app::kDialogFace;
  std::map<std::string, SorvaneWindow*, std::less<>> views_;  // the views' windows, once shown
  std::map<std::string, QAction*, std::less<>> viewActions_;  // their menu entries
};

}  // namespace desktop
