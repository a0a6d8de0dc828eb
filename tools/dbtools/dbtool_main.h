#pragma once

#include "dbtool_dialog.h"

// The shared entry of both tools: "--data-dir DIR" picks the data folder as for the program itself.
int runDbTool(int argc, char **argv, DbToolDialog::Mode mode);
