// Renders the window offscreen after a named sequence of actions and saves
// it as a PNG: the README's screenshots are made with it. "eye" shows the
// eye diagram's window beside the lesson's, both in one picture.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "desktop/application_setup.h"
#include "desktop/program.h"

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: sorvane-screenshot OUT.png [start|rc|shift|rotate|memory|eye]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  desktop::ConfigureApplication();
  desktop::Program program;
  app::Form1& form = program.form;
  desktop::SorvaneWindow& window = program.window;
  window.show();
  const QString scene = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("start");
  auto tick = [&](int n) {
    for (int i = 0; i < n; ++i) window.Dispatch([&] { form.Timer1_Timer(); });
  };
  if (scene == "rc") {
    window.Dispatch([&] { form.hscAlpha.Value = 50; form.hscAlpha_Change(); });
  } else if (scene == "shift") {
    window.Dispatch([&] { form.hscAlpha.Value = 50; form.hscAlpha_Change(); });
    window.Dispatch([&] { form.cmdShift_Click(); });
    tick(70);
  } else if (scene == "rotate") {
    window.Dispatch([&] { form.cmdRotate_Click(); });
    tick(18);
  } else if (scene == "memory") {
    window.Dispatch([&] { form.chkMemory.Value = 1; form.chkMemory_Click(); });
    window.Dispatch([&] { form.cmdRC_Click(); });
    window.Dispatch([&] { form.Form_DragDrop(form.cmdSource(2), 0, 3300); });
  } else if (scene == "eye") {
    window.Dispatch([&] { form.hscAlpha.Value = 35; form.hscAlpha_Change(); });
    window.Apply(app::ShowView{"eye", true});
  }
  QTest::qWait(50);
  // The pictures show what the window teaches, not where the keyboard's
  // focus happens to stand.
  if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
  QTest::qWait(50);
  QImage image = window.grab().toImage();
  if (QWidget* eye = window.ViewWindow("eye"); eye != nullptr && eye->isVisible()) {
    // The two windows side by side, a gap between them, on no background.
    constexpr int kGapPixels = 16;
    const QImage lesson = image;
    const QImage diagram = eye->grab().toImage();
    const double ratio = lesson.devicePixelRatio();
    image = QImage(QSize(lesson.width() + static_cast<int>(kGapPixels * ratio) + diagram.width(),
                         std::max(lesson.height(), diagram.height())),
                   QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(0, 0, lesson);
    painter.drawImage(window.width() + kGapPixels, 0, diagram);
  }
  if (!image.save(QString::fromLocal8Bit(argv[1]))) return 1;
  return 0;
}
