#include <QApplication>

#include "app/view/application_setup.h"
#include "app/view/program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  view::ConfigureApplication();
  view::Program program;
  program.window.show();
  return QApplication::exec();
}
