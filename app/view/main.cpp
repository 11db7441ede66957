#include <QApplication>

#include "app/view/application_setup.h"
#include "app/view/program.h"
#include "app/view/termination.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  view::ConfigureApplication();
  view::Program program;
  program.window.show();
  view::CloseOnTermination(program.window);
  return QApplication::exec();
}
