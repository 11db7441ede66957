#include "app/view/main_window.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "app/constants.h"
#include "app/hit_test.h"
#include "app/spoken_text.h"
#include "app/view/alpha_scroll_bar.h"
#include "app/view/drag_outline.h"
#include "app/view/picture_box_widget.h"
#include "app/view/point_button.h"
#include "app/view/qt_conversions.h"
#include "app/view/surface_painter.h"

namespace view {
namespace {

constexpr double kTwips = app::kTwipsPerPixel;

void SetPixelGeometry(QWidget* widget, const app::Rect& rect) {
  const QRect box = ToPixels(rect);
  if (widget->geometry() != box) widget->setGeometry(box);
}

}  // namespace

SorvaneWindow::SorvaneWindow(app::Form1& form, ViewPlatform& platform, QWidget* parent)
    : QWidget(parent), form_(form), platform_(platform) {
  setWindowTitle(QString::fromStdString(form_.Caption));
  setFixedSize(app::kClientWidthPixels, app::kClientHeightPixels);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The focus is shown from the start, not only once the keyboard has moved
  // it, so that whoever presses a key sees where it goes.
  setAttribute(Qt::WA_KeyboardFocusChange);
  platform_.SetDialogParent(this);
  platform_.SetDragHandler([this](app::CommandButton& source) { BeginDrag(source.Index); });
  BuildWidgets();
  ConnectEvents();

  Dispatch([this] { form_.Form_Load(); });
  timer_ = new QTimer(this);
  timer_->setInterval(form_.Timer1.Interval);
  connect(timer_, &QTimer::timeout, this, [this] { Dispatch([this] { form_.Timer1_Timer(); }); });
  if (form_.Timer1.Enabled) timer_->start();
}

QPushButton* SorvaneWindow::MakeCommandButton(const char* name) {
  auto* button = new QPushButton(this);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// Qt stacks later siblings above earlier ones, so the windowed controls are
// created from the bottom of the stack up.
void SorvaneWindow::BuildWidgets() {
  for (int i = 0; i <= 7; ++i) points_[i] = new PointButton(i, this);
  picSpectrum_ = new PictureBoxWidget(
      form_.picSpectrum,
      [this](double xTwips) {
        return app::ImpulseReadOut(form_.dImpulseResponse, xTwips, form_.picSpectrum.ScaleWidth());
      },
      this);
  picSpectrum_->setObjectName(QStringLiteral("picSpectrum"));
  chkMemory_ = new QCheckBox(this);
  chkMemory_->setObjectName(QStringLiteral("chkMemory"));
  cmdSorvane_ = MakeCommandButton("cmdSorvane");
  points_[8] = new PointButton(8, this);
  cmdRandom_ = MakeCommandButton("cmdRandom");
  cmdRotate_ = MakeCommandButton("cmdRotate");
  cmdShift_ = MakeCommandButton("cmdShift");
  cmdRC_ = MakeCommandButton("cmdRC");
  hscAlpha_ = new AlphaScrollBar(this);
  outline_ = new DragOutline(this);

  for (PointButton* point : points_) point->setFont(WidgetFont(form_.cmdSource(point->Index()).FontSpec));
  const std::pair<QPushButton*, const app::CommandButton*> commands[] = {
      {cmdRC_, &form_.cmdRC}, {cmdRandom_, &form_.cmdRandom}, {cmdSorvane_, &form_.cmdSorvane},
      {cmdRotate_, &form_.cmdRotate}, {cmdShift_, &form_.cmdShift}};
  for (const auto& [widget, button] : commands) {
    widget->setFont(WidgetFont(button->FontSpec));
    widget->setAutoDefault(false);
  }
  chkMemory_->setFont(WidgetFont(form_.chkMemory.FontSpec));
  SetTabOrder();
  NameWidgets();
}

void SorvaneWindow::SetTabOrder() {
  std::vector<std::pair<int, QWidget*>> order = {
      {form_.cmdRC.TabIndex, cmdRC_},           {form_.hscAlpha.TabIndex, hscAlpha_},
      {form_.cmdRandom.TabIndex, cmdRandom_},   {form_.cmdSorvane.TabIndex, cmdSorvane_},
      {form_.cmdRotate.TabIndex, cmdRotate_},   {form_.cmdShift.TabIndex, cmdShift_},
      {form_.chkMemory.TabIndex, chkMemory_}};
  for (PointButton* point : points_) order.emplace_back(form_.cmdSource(point->Index()).TabIndex, point);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1].second, order[i].second);
}

void SorvaneWindow::ConnectEvents() {
  // The inner lambda captures the model itself rather than `this`: GCC 12
  // builds a nested capture of `this` beside a member pointer wrongly when
  // the vptr sanitizer is on.
  app::Form1* form = &form_;
  auto on = [this, form](QPushButton* button, void (app::Form1::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, form, handler] { Dispatch([form, handler] { (form->*handler)(); }); });
  };
  on(cmdRC_, &app::Form1::cmdRC_Click);
  on(cmdRandom_, &app::Form1::cmdRandom_Click);
  on(cmdSorvane_, &app::Form1::cmdSorvane_Click);
  on(cmdRotate_, &app::Form1::cmdRotate_Click);
  on(cmdShift_, &app::Form1::cmdShift_Click);
  connect(hscAlpha_, &QScrollBar::valueChanged, this, [this](int value) {
    Dispatch([this, value] {
      form_.hscAlpha.Value = value;
      form_.hscAlpha_Change();
    });
  });
  connect(chkMemory_, &QCheckBox::clicked, this, [this](bool checked) {
    Dispatch([this, checked] {
      form_.chkMemory.Value = checked ? 1 : 0;
      form_.chkMemory_Click();
    });
  });
  for (PointButton* point : points_) {
    connect(point, &PointButton::Pressed, this, &SorvaneWindow::OnPointPressed);
    connect(point, &PointButton::Moved, this, &SorvaneWindow::OnDragMoved);
    connect(point, &PointButton::Released, this, &SorvaneWindow::OnDragReleased);
    connect(point, &PointButton::KeyPressed, this, &SorvaneWindow::OnPointKey);
  }
}

void SorvaneWindow::Dispatch(const std::function<void()>& handler) {
  if (inHandler_) return;
  inHandler_ = true;
  std::string failure;
  try {
    handler();
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure = "Unexpected error";
  }
  inHandler_ = false;
  if (!failure.empty()) platform_.MsgBox("Run-time error: " + failure);
  Refresh();
}

void SorvaneWindow::OnPointPressed(int index, Qt::MouseButton button,
                                   Qt::KeyboardModifiers modifiers, QPointF local,
                                   QPointF inWindow) {
  if (dragIndex_ >= 0) return;
  pressInWindow_ = inWindow;
  Dispatch([&] {
    form_.cmdSource_MouseDown(static_cast<std::int16_t>(index),
                              static_cast<std::int16_t>(ButtonCode(button)),
                              static_cast<std::int16_t>(ShiftState(modifiers)),
                              static_cast<float>(local.x() * kTwips),
                              static_cast<float>(local.y() * kTwips));
  });
}

void SorvaneWindow::BeginDrag(int index) {
  dragIndex_ = index;
  dragAnchor_ = pressInWindow_;
  outline_->ShowAt(points_[index]->geometry());
}

void SorvaneWindow::OnDragMoved(QPointF inWindow) {
  if (dragIndex_ < 0) return;
  const QPoint offset = (inWindow - dragAnchor_).toPoint();
  outline_->ShowAt(points_[dragIndex_]->geometry().translated(offset));
}

void SorvaneWindow::OnDragReleased(Qt::MouseButton button, QPointF inWindow) {
  if (dragIndex_ < 0 || button != Qt::LeftButton) return;
  const int index = dragIndex_;
  dragIndex_ = -1;
  outline_->Hide();
  if (!TakesDrop(inWindow)) return;
  Dispatch([&] {
    form_.Form_DragDrop(form_.cmdSource(index), static_cast<float>(inWindow.x() * kTwips),
                        static_cast<float>(inWindow.y() * kTwips));
  });
}

// Only the bare surface and the lines and shapes drawn on it take a drop:
// not a windowed control (the dragged point included), a label or the logo,
// and nothing outside the window.
bool SorvaneWindow::TakesDrop(QPointF inWindow) const {
  // Half-open: the pixel just past the right or bottom edge is outside.
  const bool inside = inWindow.x() >= 0 && inWindow.x() < width() && inWindow.y() >= 0 &&
                      inWindow.y() < height();
  if (!inside) return false;
  if (childAt(inWindow.toPoint()) != nullptr) return false;
  return !app::OverLabelOrImage(form_, static_cast<float>(inWindow.x() * kTwips),
                                static_cast<float>(inWindow.y() * kTwips));
}

void SorvaneWindow::SyncButton(QPushButton* widget, const app::CommandButton& button) {
  SetPixelGeometry(widget, button);
  const QString caption = QString::fromStdString(button.Caption);
  if (widget->text() != caption) widget->setText(caption);
  if (widget->isVisibleTo(this) != button.Visible) widget->setVisible(button.Visible);
}

void SorvaneWindow::Refresh() {
  for (PointButton* point : points_) SyncButton(point, form_.cmdSource(point->Index()));
  SyncButton(cmdRC_, form_.cmdRC);
  SyncButton(cmdRandom_, form_.cmdRandom);
  SyncButton(cmdSorvane_, form_.cmdSorvane);
  SyncButton(cmdRotate_, form_.cmdRotate);
  SyncButton(cmdShift_, form_.cmdShift);

  SetPixelGeometry(hscAlpha_, form_.hscAlpha);
  // A control under the user's hand keeps what the hand is doing to it: a
  // held thumb stays where it is dragged (its release reports the value),
  // and a held check box keeps its state until the click completes.
  if (!hscAlpha_->isSliderDown()) {
    const QSignalBlocker quiet(hscAlpha_);
    hscAlpha_->setRange(form_.hscAlpha.Min, form_.hscAlpha.Max);
    hscAlpha_->setSingleStep(form_.hscAlpha.SmallChange);
    hscAlpha_->setPageStep(form_.hscAlpha.LargeChange);
    hscAlpha_->setValue(form_.hscAlpha.Value);
  }

  SetPixelGeometry(chkMemory_, form_.chkMemory);
  chkMemory_->setText(QString::fromStdString(form_.chkMemory.Caption));
  if (!chkMemory_->isDown()) {
    const QSignalBlocker quiet(chkMemory_);
    chkMemory_->setChecked(form_.chkMemory.Value == 1);
  }
  const QColor caption = ToQColor(form_.chkMemory.ForeColor, palette());
  if (chkMemory_->palette().color(QPalette::WindowText) != caption) {
    QPalette captionPalette = chkMemory_->palette();
    captionPalette.setColor(QPalette::WindowText, caption);
    captionPalette.setColor(QPalette::ButtonText, caption);
    chkMemory_->setPalette(captionPalette);
  }

  SetPixelGeometry(picSpectrum_, form_.picSpectrum);
  picSpectrum_->Refresh();
  DescribeModel();

  QByteArray surface = SurfaceDigest(form_);
  if (surface != paintedSurface_) {
    paintedSurface_ = std::move(surface);
    update();
  }
}

void SorvaneWindow::keyPressEvent(QKeyEvent* event) {
  auto* button = qobject_cast<QAbstractButton*>(focusWidget());
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (button == nullptr || !enter || qobject_cast<PointButton*>(button) != nullptr) {
    QWidget::keyPressEvent(event);
    return;
  }
  // Held down, the key repeats; like Space it presses the button once.
  if (!event->isAutoRepeat() && !button->isDown()) button->click();
  event->accept();
}

void SorvaneWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(form_.BackColor, palette()));
  painter.scale(1.0 / kTwips, 1.0 / kTwips);
  PaintSurface(painter, form_, logo_.For(painter.device()->devicePixelRatio()), palette());
}

}  // namespace view
