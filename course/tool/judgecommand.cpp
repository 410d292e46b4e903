#include "tool/judgecommand.h"

#include "checking/answercheck.h"
#include "checking/slotjudging.h"
#include "data/runtimeerror.h"
#include "data/taggedrecords.h"

#include <QStringList>

namespace kw {

int RunJudge(QTextStream &in, QTextStream &out, QTextStream &err)
{
    QStringList types;
    QStringList keys;
    QStringList answers;
    QStringList problems; // per slot: why it cannot be judged, or empty

    for (const QString &line : SplitTextLines(in.readAll())) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() != 3) {
            types.append(QString());
            keys.append(QString());
            answers.append(QString());
            problems.append(QStringLiteral("expected TYPE<TAB>KEY<TAB>ANSWER, found %1 field(s)").arg(parts.size()));
            continue;
        }
        types.append(parts.at(0));
        keys.append(parts.at(1));
        answers.append(parts.at(2));
        problems.append(QString());
    }

    int status = 0;
    for (int slot = 1; slot <= types.size(); ++slot) {
        QString problem = problems.at(slot - 1);
        QString result;
        QString model;
        if (problem.isEmpty()) {
            try {
                result = JudgeSlot(answers, keys, types, slot);
                if (types.at(slot - 1) == QLatin1String("G"))
                    model = GroupModelAnswer(answers, keys, types, slot);
            } catch (const RuntimeError &error) {
                problem = QStringLiteral("%1 (error %2)").arg(error.detail()).arg(error.number());
            }
        }
        if (!problem.isEmpty()) {
            out << "ERROR\t\n";
            err << "slot " << slot << ": " << problem << '\n';
            status = 1;
            continue;
        }
        out << result << '\t' << model << '\n';
    }
    out.flush();
    err.flush();
    return status;
}

} // namespace kw
