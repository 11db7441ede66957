// Start-up: the time from process start to the first painted frame of the
// window, and the resident memory then, as the median of repeated runs.
//
// Without arguments it starts itself again and again; each child builds the
// window exactly as the program does and reports when its first frame has
// been painted. The clock starts in the parent just before the child is
// spawned, so dynamic loading and the toolkit's start-up count too.
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop/application_setup.h"
#include "desktop/program.h"
#include "bench/resident_memory.h"

extern char** environ;

namespace {

constexpr int kDefaultRuns = 21;
constexpr const char* kStartVariable = "SORVANE_STARTUP_T0";

long long NowNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Reports once the window's first paint has finished, then quits.
class FirstFrame : public QObject {
 public:
  explicit FirstFrame(long long start) : start_(start) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued: runs after the paint in progress has completed.
      QMetaObject::invokeMethod(this, [this] { Report(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Report() {
    const double ms = (NowNanoseconds() - start_) / 1e6;
    std::printf("%.3f %zu\n", ms, bench::ResidentKiB());
    std::fflush(stdout);
    QCoreApplication::quit();
  }

  long long start_;
  bool seen_ = false;
};

int RunChild(int argc, char* argv[], long long start) {
  QApplication application(argc, argv);
  desktop::ConfigureApplication();
  desktop::Program program;
  desktop::SorvaneWindow& window = program.window;
  FirstFrame probe(start);
  window.installEventFilter(&probe);
  window.show();
  return QApplication::exec();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const char* start = std::getenv(kStartVariable)) return RunChild(argc, argv, std::atoll(start));

  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
  if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::vector<double> times;
  std::vector<double> residents;
  for (int run = 0; run < runs; ++run) {
    int channel[2];
    if (pipe(channel) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    const std::string stamp = std::to_string(NowNanoseconds());
    setenv(kStartVariable, stamp.c_str(), 1);
    pid_t child = 0;
    char* childArgs[] = {argv[0], nullptr};
    const int spawned = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, childArgs, environ);
    unsetenv(kStartVariable);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawned != 0) return 1;
    char line[128] = {};
    const ssize_t got = read(channel[0], line, sizeof line - 1);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    double ms = 0;
    double kib = 0;
    if (got <= 0 || std::sscanf(line, "%lf %lf", &ms, &kib) != 2) {
      std::fprintf(stderr, "run %d reported nothing\n", run);
      return 1;
    }
    times.push_back(ms);
    residents.push_back(kib);
  }
  std::printf("start-up over %d runs (%s): first frame median %.1f ms (min %.1f, max %.1f); "
              "resident memory then median %.1f MiB\n",
              runs, getenv("QT_QPA_PLATFORM"), Median(times),
              *std::min_element(times.begin(), times.end()),
              *std::max_element(times.begin(), times.end()), Median(residents) / 1024.0);
  return 0;
}
