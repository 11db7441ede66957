// The window's ways in besides the mouse: names, descriptions and tooltips
// for assistive technology and the pointer, and the picture for the
// clipboard.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QShortcut>
#include <algorithm>

#include "app/focus_mark.h"
#include "desktop/announcer.h"
#include "desktop/overlay_frame.h"
#include "desktop/main_window.h"
#include "desktop/point_button.h"

namespace desktop {
namespace {

// Each text is set only when it changes: the widget announces every change
// it is given to assistive technology, once.
void SetName(QWidget* widget, const std::string& text) {
  const QString name = QString::fromStdString(text);
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

// Returns whether the description changed.
bool SetDescription(QWidget* widget, const std::string& text) {
  const QString description = QString::fromStdString(text);
  if (widget->accessibleDescription() == description) return false;
  widget->setAccessibleDescription(description);
  return true;
}

void SetToolTip(QWidget* widget, const std::string& text) {
  const QString tip = QString::fromStdString(text);
  if (widget->toolTip() != tip) widget->setToolTip(tip);
}

}  // namespace

// A command button or check box is named by its caption, which its widget
// already gives; the name is set where the caption says nothing (a point,
// the scroll bar, the plot). A screen reader speaks the new description of
// the focused control, but Qt 6.4 hands it the object rather than the words,
// and Orca says nothing: a focused toggle button's new description, its new
// state in words, is said through the announcer.
void SorvaneWindow::ShowTexts(QWidget* widget, const app::ControlItem& item) {
  if (item.accessibleName != item.caption) SetName(widget, item.accessibleName);
  if (SetDescription(widget, item.accessibleDescription) && item.pressed && widget->hasFocus()) {
    announcer_->Say(widget->accessibleDescription());
  }
  SetToolTip(widget, item.toolTip);
}

std::vector<QWidget*> SorvaneWindow::AccessibleChildren() const {
  std::vector<QWidget*> children = tabOrder_;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    // The drag outline and the focus mark are decoration, not controls.
    if (child->testAttribute(Qt::WA_TransparentForMouseEvents) || child->isWindow()) continue;
    if (std::find(children.begin(), children.end(), child) == children.end()) children.push_back(child);
  }
  return children;
}

// A focused control that is covered or outside the window gets its mark in
// the overlay above everything; one in full view draws its own.
void SorvaneWindow::ShowFocus(const app::Scene& scene) {
  for (PointButton* point : points_) {
    const std::string name = point->objectName().toStdString();
    const app::ControlItem* item = scene.Find(name);
    const std::optional<app::FocusMark> mark = app::FocusMarkOf(scene, name);
    if (item != nullptr && mark) point->Show(*item, *mark);
  }
  QWidget* focus = focusWidget();
  const std::optional<app::FocusMark> mark =
      focus != nullptr && focus->hasFocus() ? app::FocusMarkOf(scene, focus->objectName().toStdString())
                                            : std::nullopt;
  if (mark && !mark->inView) {
    focusMark_->ShowAt(zoom_.Box(mark->box));
  } else {
    focusMark_->Hide();
  }
}

void SorvaneWindow::ConnectShortcuts() {
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &SorvaneWindow::CopyPicture);
  // The mark follows the focus, whatever moved it.
  focusFollower_ = connect(qApp, &QApplication::focusChanged, this, [this] { ShowFocus(model_.View()); });
}

// The controls go after this destructor, and the focus with them; the mark
// must not follow it then.
SorvaneWindow::~SorvaneWindow() { disconnect(focusFollower_); }

void SorvaneWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(grab().toImage()); }

}  // namespace desktop
