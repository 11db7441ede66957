// An hour in front of a class: 36,000 timer ticks through the real window
// (offscreen), with both demonstrations re-armed over and over and an edit
// now and then, every tick painted. Prints the resident memory before and
// after, to show that it stays flat.
#include <QApplication>
#include <cstdio>

#include "desktop/application_setup.h"
#include "desktop/program.h"
#include "bench/resident_memory.h"

namespace {

constexpr int kTicksPerHour = 36000;
constexpr int kWarmUpTicks = 600;  // one minute, so caches and pools are filled before "before"

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  desktop::ConfigureApplication();
  desktop::Program program;
  app::Form1& form = program.form;
  desktop::SorvaneWindow& window = program.window;
  window.show();

  int tick = 0;
  auto run = [&](int ticks) {
    for (int end = tick + ticks; tick < end; ++tick) {
      // Shift re-armed every 80 ticks (a full slide), Rotate every 20 (a full
      // turn), pressed twice when shown (hide, then fresh copies).
      if (tick % 80 == 0) {
        window.Dispatch([&] { form.cmdShift_Click(); });
        if (!form.lneShift(0).Visible) window.Dispatch([&] { form.cmdShift_Click(); });
      }
      if (tick % 20 == 0) {
        window.Dispatch([&] { form.cmdRotate_Click(); });
        if (!form.lneRotate(9).Visible) window.Dispatch([&] { form.cmdRotate_Click(); });
      }
      if (tick % 300 == 0) window.Dispatch([&] { form.cmdRandom_Click(); });
      if (tick % 300 == 150) {
        window.Dispatch([&] {
          form.chkMemory.Value = 1 - form.chkMemory.Value;
          form.chkMemory_Click();
        });
        window.Dispatch([&] { form.cmdRC_Click(); });
      }
      window.Dispatch([&] { form.Timer1_Timer(); });
      QCoreApplication::processEvents();
      window.repaint();
    }
  };

  run(kWarmUpTicks);
  const std::size_t before = bench::ResidentKiB();
  run(kTicksPerHour);
  const std::size_t after = bench::ResidentKiB();
  std::printf("hour of ticks: %d ticks after a %d-tick warm-up; resident %zu KiB before, %zu KiB "
              "after (%+ld KiB)\n",
              kTicksPerHour, kWarmUpTicks, before, after,
              static_cast<long>(after) - static_cast<long>(before));
  return after <= before + 1024 ? 0 : 1;
}
