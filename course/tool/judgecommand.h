#pragma once

#include <QTextStream>

namespace kw {

// `kwcourse judge`: reads one slot per line as TYPE<TAB>KEY<TAB>ANSWER, or
// TYPE<TAB>KEY<TAB>ANSWER<TAB>UNIT for a slot with a unit symbol (the slots of
// one paper, in order) and writes RESULT<TAB>MODEL per slot, judging exactly
// as marking does, numbers in the system's locale. Slots that cannot be judged print "ERROR<TAB>" and
// a line on err. Returns the exit status: 0, or 1 when any slot failed.
int runJudge(QTextStream &in, QTextStream &out, QTextStream &err);

} // namespace kw
