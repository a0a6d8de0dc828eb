// overprint-cli money AMOUNT [--end]: the amount in capital numerals, with --end followed by 整.
#include "cli/command.h"
#include "controls/money_capitals.h"
#include "core/currency.h"

namespace {

int runMoney(const op::cli::CommandContext &ctx) {
  QStringList amounts;
  bool endText = false;
  bool optionsEnded = false;  // after "--" every argument is an amount
  for (const QString &arg : ctx.args) {
    if (!optionsEnded && arg == "--end")
      endText = true;
    else if (!optionsEnded && arg == "--")
      optionsEnded = true;
    else
      amounts << arg;
  }
  if (amounts.size() != 1) {
    op::cli::printError("用法: overprint-cli money AMOUNT [--end]");
    return 2;
  }
  const std::optional<op::Currency> amount = op::parseCurrency(amounts.first());
  if (!amount) {
    op::cli::printError("无效的金额: " + amounts.first() +
                        "（应为十进制数，最多四位小数，绝对值不超过 922337203685477.5807）");
    return 1;
  }
  op::cli::printLine(op::currencyToCapitals(*amount, endText));
  return 0;
}

op::cli::CommandRegistration reg("money", "money AMOUNT [--end]      金额大写（--end 加“整”）", runMoney);

}  // namespace
