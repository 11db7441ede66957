#include "tests/gui/window_fixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>

namespace gui_testing {

void WindowTest::SetUp() {
  model = std::make_unique<app::Window>();
  form = &model->form;
  window = std::make_unique<desktop::SorvaneWindow>(*model);
  model->platform.SetMessageHandler([this](std::string_view text) { messages.emplace_back(text); });
  // The clock is the test's: ticks come from Tick() alone, wherever the
  // test puts them, however long the machine takes over each step.
  for (QTimer* timer : window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) timer->stop();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  // The run at twice the density must really be at twice the density.
  if (const QByteArray scale = qgetenv("QT_SCALE_FACTOR"); !scale.isEmpty()) {
    ASSERT_EQ(window->devicePixelRatio(), scale.toDouble());
  }
}

void WindowTest::TearDown() {
  window.reset();
  EXPECT_TRUE(messages.empty()) << "unexpected message: " << (messages.empty() ? "" : messages[0]);
}

QPoint WindowTest::Pixel(double xTwips, double yTwips) {
  return QPoint(static_cast<int>(std::floor(xTwips / 15.0)), static_cast<int>(std::floor(yTwips / 15.0)));
}

QPoint WindowTest::CentreOf(const app::Rect& control) {
  return Pixel(control.Left + control.Width / 2.0, control.Top + control.Height / 2.0);
}

void WindowTest::Press(QPoint at, Qt::MouseButton button) {
  QTest::mousePress(window->windowHandle(), button, Qt::NoModifier, at);
}

void WindowTest::MoveTo(QPoint to) { QTest::mouseMove(window->windowHandle(), to); }

void WindowTest::Release(QPoint at, Qt::MouseButton button) {
  QTest::mouseRelease(window->windowHandle(), button, Qt::NoModifier, at);
}

void WindowTest::Drag(QPoint from, QPoint to, Qt::MouseButton button, int ticksHeld) {
  Press(from, button);
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step) {
    MoveTo(from + (to - from) * step / kSteps);
    Tick(ticksHeld / kSteps + (step <= ticksHeld % kSteps ? 1 : 0));
  }
  Release(to, button);
}

void WindowTest::Click(QPoint at) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at); }

void WindowTest::Tick(int n) {
  for (int i = 0; i < n; ++i) {
    window->Dispatch([this] { form->Timer1_Timer(); });
    if (onTick) onTick();
  }
}

void WindowTest::Key(Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : window.get(), key);
}

QWidget* WindowTest::Widget(const QString& name) const { return window->findChild<QWidget*>(name); }

QImage WindowTest::Grab() {
  QCoreApplication::processEvents();
  return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect WindowTest::ScrollBarPart(QStyle::SubControl part) const {
  auto* bar = window->findChild<QScrollBar*>("hscAlpha");
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.subControls = QStyle::SC_All;
  option.orientation = Qt::Horizontal;
  option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
  return rect.translated(bar->geometry().topLeft());
}

int WindowTest::PlotsSince(std::uint64_t revision) const {
  // A plot is one clearing of the box and its strokes.
  const std::uint64_t perPlot = form->picSpectrum.Strokes().size() + 1;
  return static_cast<int>((form->picSpectrum.Revision() - revision) / perPlot);
}

namespace {

QRect DeviceArea(const QImage& image, QRect area) {
  if (area.isNull()) return image.rect();
  const double ratio = image.devicePixelRatio();
  const QRect device(QPoint(std::floor(area.left() * ratio), std::floor(area.top() * ratio)),
                     QPoint(std::ceil((area.right() + 1) * ratio) - 1, std::ceil((area.bottom() + 1) * ratio) - 1));
  return device.intersected(image.rect());
}

}  // namespace

bool WindowTest::HasColour(const QImage& image, QColor colour, QRect area) {
  const QRect scan = DeviceArea(image, area);
  const QRgb wanted = colour.rgb();
  for (int y = scan.top(); y <= scan.bottom(); ++y) {
    for (int x = scan.left(); x <= scan.right(); ++x) {
      if (image.pixel(x, y) == wanted) return true;
    }
  }
  return false;
}

int WindowTest::ColourCount(const QImage& image, QColor colour, QRect area) {
  const QRect scan = DeviceArea(image, area);
  const QRgb wanted = colour.rgb();
  int count = 0;
  for (int y = scan.top(); y <= scan.bottom(); ++y) {
    for (int x = scan.left(); x <= scan.right(); ++x) count += image.pixel(x, y) == wanted ? 1 : 0;
  }
  return count;
}

QString WindowTest::FocusName() {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus->objectName() : QString();
}

}  // namespace gui_testing
