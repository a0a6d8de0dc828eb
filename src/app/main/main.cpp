#include <QApplication>

#include "app/startup.h"

int main(int argc, char **argv) {
  op::app::OverprintApplication application(argc, argv);
  return op::app::runProgram(application);
}
