#include <QApplication>

#include "app/form1.h"
#include "app/view/application_setup.h"
#include "app/view/main_window.h"
#include "app/view/view_platform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  view::ConfigureApplication();
  view::ViewPlatform platform;
  app::Form1 form(platform);
  view::SorvaneWindow window(form, platform);
  window.show();
  return QApplication::exec();
}
