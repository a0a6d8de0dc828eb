#pragma once

#include <QString>

#include <functional>

namespace op::app {

// Access methods for Excel workbooks, as stored in Config.ini [db] exceltype.
enum ExcelType {
  kExcelTypeUnknown = -1,
  kExcelTypeBiff5 = 1,  // our own reader, workbook in the Excel 5.0 format
  kExcelTypeBiff8 = 2,  // our own reader, workbook in the Excel 97-2003 format
  kExcelTypeOdbc = 3,   // an ODBC driver for Excel files through Qt's ODBC driver
};

// Probes which access method can read the sample workbook at `path`: a try succeeds when the workbook
// opens, its sheet list is not empty and its first sheet can be read. The ODBC driver is tried first,
// then our own reader. Returns -1 when the file is absent or nothing reads it.
int probeExcelAccess(const QString &path);

using ExcelProbe = std::function<int(const QString &path)>;

// Start-up step for Config.ini: reads [db] exceltype; when it is 0 or less runs `probe` on the sample
// workbook of `dataDir`, falling back to 3; writes the result back. Failures are ignored.
int resolveExcelType(const QString &dataDir, const ExcelProbe &probe = probeExcelAccess);

}  // namespace op::app
