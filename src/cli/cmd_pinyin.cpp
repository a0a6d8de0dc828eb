// overprint-cli pinyin TEXT: the pinyin initials of the text, as stored in the PYM columns.
#include "cli/command.h"
#include "dictionary/pinyin.h"

namespace {

op::cli::CommandRegistration reg("pinyin", "pinyin TEXT...           拼音首字母",
                                 [](const op::cli::CommandContext &ctx) {
                                   if (ctx.args.isEmpty()) {
                                     op::cli::printError("用法: overprint-cli pinyin TEXT...");
                                     return 2;
                                   }
                                   // Several arguments are one text with blanks between them; blanks give nothing.
                                   op::cli::printLine(op::PinyinInitials(ctx.args.join(' ')));
                                   return 0;
                                 });

}  // namespace
