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

class QCheckBox;
class QPushButton;
class QTimer;

namespace desktop {

class AlphaScrollBar;
class DragOutline;
class PictureBoxWidget;
class PointButton;

/// The Qt window over the window model: the windowed controls of its scene
/// as real widgets, stacked as the scene lists them, and the scene's surface
/// painted beneath them in twips. What the user does goes to the model as
/// intents; after each one the window shows the model's scene again. It
/// decides nothing itself.
class SorvaneWindow : public QWidget {
  Q_OBJECT

 public:
  /// Builds the widgets, loads the model and starts the timer.
  explicit SorvaneWindow(app::Window& model, QWidget* parent = nullptr);

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

 protected:
  void paintEvent(QPaintEvent* event) override;
  /// Enter and Return press the focused button or check box, as Space does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWidgets(const app::Scene& scene);
  QPushButton* MakeCommandButton();
  void SetTabOrder(const app::Scene& scene);
  void ConnectEvents();
  void OnPointPressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      QPointF inWindow);
  void ShowControl(const app::ControlItem& item);
  void ShowOutline(const std::optional<app::PixelBox>& outline);
  // Names, descriptions and tooltips for assistive technology, the keys of
  // the points and the clipboard (main_window_access.cpp).
  void ShowTexts(QWidget* widget, const app::ControlItem& item);
  void ConnectShortcuts();

  app::Window& model_;
  Pictures pictures_;
  std::map<std::string, QWidget*, std::less<>> widgets_;  // by the model's names
  std::array<PointButton*, 9> points_{};
  AlphaScrollBar* hscAlpha_ = nullptr;
  QCheckBox* chkMemory_ = nullptr;
  PictureBoxWidget* picSpectrum_ = nullptr;
  DragOutline* outline_ = nullptr;
  QTimer* timer_ = nullptr;
  std::vector<app::SurfaceItem> painted_;  // the surface as last painted
  app::Colour back_ = app::kDialogFace;
};

}  // namespace desktop
