#pragma once

class QCoreApplication;

namespace op::app {

// Holds back SIGTERM, SIGINT and SIGHUP in every thread. Call first thing in main(), before any thread
// exists, so that no thread of the embedded database engine is ever interrupted by them.
void blockTerminationSignals();

// Ends the event loop cleanly when one of those signals arrives (logout, `kill`, Ctrl+C), so the database
// is detached and nothing is left half written. Needs blockTerminationSignals() first.
void quitOnTerminationSignals(QCoreApplication &application);

}  // namespace op::app
