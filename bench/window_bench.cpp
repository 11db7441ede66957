// One edit to pixels: a point dragged and dropped on the real window
// (offscreen) with real mouse events, until the window, and with the eye
// diagram shown its window too, has been repainted into an image. Run with
// QT_SCALE_FACTOR=2 for a screen of twice the density.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWindow>
#include <memory>

#include "desktop/application_setup.h"
#include "desktop/program.h"

namespace bench {
namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "sorvane_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: tearing the toolkit down among the other static objects
  // at exit would outlive what it uses.
  static QApplication* application = [] {
    auto* created = new QApplication(argc, argv);
    desktop::ConfigureApplication();
    return created;
  }();
  return *application;
}

QPoint CentreOf(const app::Rect& control) {
  return QPoint(static_cast<int>((control.Left + control.Width / 2) / 15),
                static_cast<int>((control.Top + control.Height / 2) / 15));
}

QImage ImageOf(const QWidget& window) {
  QImage image(window.size() * window.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(window.devicePixelRatio());
  return image;
}

// The lesson alone (range 0), or with the eye shown beside it (range 1).
void BM_DropToRepaintedWindow(benchmark::State& state) {
  Application();
  desktop::Program program;
  app::Form1& form = program.form;
  desktop::SorvaneWindow& window = program.window;
  window.show();
  if (state.range(0) == 1) window.Apply(app::ShowView{"eye", true});
  desktop::SorvaneWindow* eye = window.ViewWindow("eye");
  if (!QTest::qWaitForWindowExposed(&window) || (eye != nullptr && !QTest::qWaitForWindowExposed(eye))) {
    state.SkipWithError("the window was never shown");
    return;
  }
  QImage image = ImageOf(window);
  QImage eyeImage = eye != nullptr ? ImageOf(*eye) : QImage();
  QWindow* handle = window.windowHandle();
  // Alternate between two heights over bare surface, so every drop moves the
  // point and changes the response.
  const int heights[] = {100, 160};
  int drop = 0;
  for (auto _ : state) {
    const QPoint from = CentreOf(form.cmdSource(3));
    const QPoint to(150, heights[drop++ % 2]);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, to);
    window.render(&image);
    benchmark::DoNotOptimize(image.constBits());
    if (eye != nullptr) {
      eye->render(&eyeImage);
      benchmark::DoNotOptimize(eyeImage.constBits());
    }
  }
  state.counters["drops"] = drop;
  state.counters["ratio"] = window.devicePixelRatio();
}

}  // namespace

BENCHMARK(BM_DropToRepaintedWindow)->ArgName("eye")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace bench
