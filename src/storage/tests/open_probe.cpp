// Helper of the storage tests: opens the database file given as argument from a second process.
// Exit code 0 when it opened, 1 with the error message on stderr when it did not.

#include <cstdio>

#include "storage/database.h"

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  try {
    auto db = op::OpenDatabase(QString::fromLocal8Bit(argv[1]));
  } catch (const op::DbError &error) {
    std::fputs(error.message().toUtf8().constData(), stderr);
    return 1;
  }
  return 0;
}
