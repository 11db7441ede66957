// The window's ways in besides the mouse: names, descriptions and tooltips
// for assistive technology and the pointer, and the picture for the
// clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QShortcut>

#include "desktop/main_window.h"

namespace desktop {
namespace {

// Each text is set only when it changes: the widget announces every change
// it is given to assistive technology, once.
void SetName(QWidget* widget, const std::string& text) {
  const QString name = QString::fromStdString(text);
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void SetDescription(QWidget* widget, const std::string& text) {
  const QString description = QString::fromStdString(text);
  if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

void SetToolTip(QWidget* widget, const std::string& text) {
  const QString tip = QString::fromStdString(text);
  if (widget->toolTip() != tip) widget->setToolTip(tip);
}

}  // namespace

// A command button or check box is named by its caption, which its widget
// already gives; the name is set where the caption says nothing (a point,
// the scroll bar, the plot).
void SorvaneWindow::ShowTexts(QWidget* widget, const app::ControlItem& item) {
  if (item.accessibleName != item.caption) SetName(widget, item.accessibleName);
  SetDescription(widget, item.accessibleDescription);
  SetToolTip(widget, item.toolTip);
}

void SorvaneWindow::ConnectShortcuts() {
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &SorvaneWindow::CopyPicture);
}

void SorvaneWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(grab().toImage()); }

}  // namespace desktop
