// DbBackupAdmin: copies the program's database to a backup file while the program is closed.
#include "dbtool_main.h"

int main(int argc, char **argv) {
  return runDbTool(argc, argv, DbToolDialog::Mode::Backup);
}
