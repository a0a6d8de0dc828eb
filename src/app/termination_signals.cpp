#include "app/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace op::app {
namespace {

sigset_t terminationSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  return set;
}

}  // namespace

void blockTerminationSignals() {
  const sigset_t set = terminationSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void quitOnTerminationSignals(QCoreApplication &application) {
  const sigset_t set = terminationSignals();
  const int fd = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
  if (fd < 0) return;
  auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &application);
  QObject::connect(notifier, &QSocketNotifier::activated, &application, [&application, fd] {
    signalfd_siginfo info;
    while (::read(fd, &info, sizeof info) == sizeof info) {
    }
    application.quit();
  });
}

}  // namespace op::app
