// DbRestore_QEL: puts a backup file back in place of the program's database after confirmation.
#include "dbtool_main.h"

int main(int argc, char **argv) {
  return runDbTool(argc, argv, DbToolDialog::Mode::Restore);
}
