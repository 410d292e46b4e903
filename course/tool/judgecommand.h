#pragma once

#include <QTextStream>

namespace kw {

// `kwcourse judge`: reads one slot per line as TYPE<TAB>KEY<TAB>ANSWER (the
// slots of one paper, in order) and writes RESULT<TAB>MODEL per slot, judging
// exactly as marking does. Slots that cannot be judged print "ERROR<TAB>" and
// a line on err. Returns the exit status: 0, or 1 when any slot failed.
int runJudge(QTextStream &in, QTextStream &out, QTextStream &err);

} // namespace kw
