// The window's ways in besides the mouse: keyboard editing of the points,
// names and descriptions for assistive technology, tooltips, and the picture
// for the clipboard.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QShortcut>

#include "app/spoken_text.h"
#include "app/view/alpha_scroll_bar.h"
#include "app/view/main_window.h"
#include "app/view/picture_box_widget.h"
#include "app/view/point_button.h"

namespace view {
namespace {

QString FromStd(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

// Sets a description only when it changes: the widget announces every
// change it is given to assistive technology, once.
void Describe(QWidget* widget, const std::string& text) {
  const QString description = QString::fromStdString(text);
  if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

}  // namespace

// The command buttons and the check box are named by their captions.
void SorvaneWindow::NameWidgets() {
  for (PointButton* point : points_) {
    const app::CommandButton& model = form_.cmdSource(point->Index());
    point->setAccessibleName(QString::fromStdString(app::PointName(point->Index())));
    point->setToolTip(QString::fromStdString(model.ToolTipText));
  }
  const std::pair<QPushButton*, const app::CommandButton*> commands[] = {
      {cmdRC_, &form_.cmdRC}, {cmdRandom_, &form_.cmdRandom}, {cmdSorvane_, &form_.cmdSorvane},
      {cmdRotate_, &form_.cmdRotate}, {cmdShift_, &form_.cmdShift}};
  for (const auto& [widget, button] : commands) {
    widget->setToolTip(QString::fromStdString(button->ToolTipText));
  }
  hscAlpha_->setAccessibleName(FromStd(app::kAlphaName));
  hscAlpha_->setToolTip(QString::fromStdString(form_.hscAlpha.ToolTipText));
  chkMemory_->setToolTip(QString::fromStdString(form_.chkMemory.ToolTipText));
  picSpectrum_->setAccessibleName(FromStd(app::kImpulseName));

  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &SorvaneWindow::CopyPicture);
}

void SorvaneWindow::DescribeModel() {
  for (PointButton* point : points_) {
    Describe(point, app::PointDescription(point->Index(), form_.cmdSource(point->Index()).Top));
  }
  Describe(hscAlpha_, app::AlphaDescription(form_.hscAlpha.Value));
  if (form_.picSpectrum.Revision() != describedPlot_) {
    describedPlot_ = form_.picSpectrum.Revision();
    Describe(picSpectrum_, app::ImpulseDescription(form_.dImpulseResponse));
  }
}

// A point that is being dragged keeps to the mouse.
void SorvaneWindow::OnPointKey(int index, int keyCode, int shift) {
  if (dragIndex_ >= 0) return;
  Dispatch([&] {
    form_.cmdSource_KeyDown(static_cast<std::int16_t>(index), static_cast<std::int16_t>(keyCode),
                            static_cast<std::int16_t>(shift));
  });
}

void SorvaneWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(grab().toImage()); }

}  // namespace view
