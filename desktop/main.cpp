#include <QApplication>

#include "desktop/application_setup.h"
#include "desktop/program.h"
#include "desktop/termination.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  desktop::ConfigureApplication();
  desktop::Program program;
  program.window.show();
  desktop::CloseOnTermination(program.window);
  return QApplication::exec();
}
