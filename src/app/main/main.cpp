#include <QApplication>

#include "app/startup.h"
#include "app/termination_signals.h"

int main(int argc, char **argv) {
  op::app::blockTerminationSignals();
  op::app::OverprintApplication application(argc, argv);
  return op::app::runProgram(application);
}
