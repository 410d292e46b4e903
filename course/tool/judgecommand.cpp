#include "tool/judgecommand.h"

#include "checking/answercheck.h"
#include "checking/slotjudging.h"
#include "data/recordfile.h"
#include "data/runtimeerror.h"

#include <QStringList>

#include <optional>

namespace kw {

namespace {

std::optional<SlotType> typeOf(const QString &letter)
{
    return letter.size() == 1 ? slotTypeFromLetter(letter.at(0)) : std::nullopt;
}

} // namespace

int runJudge(QTextStream &in, QTextStream &out, QTextStream &err)
{
    QList<std::optional<SlotType>> types;
    QStringList keys;
    QStringList answers;
    QStringList units;
    QStringList problems; // per slot: why it cannot be judged, or empty

    for (const QString &line : RecordFile::splitLines(in.readAll())) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() != 3 && parts.size() != 4) {
            types.append(std::nullopt);
            keys.append(QString());
            answers.append(QString());
            units.append(QString());
            problems.append(QStringLiteral("expected TYPE<TAB>KEY<TAB>ANSWER[<TAB>UNIT], found %1 field(s)").arg(parts.size()));
            continue;
        }
        types.append(typeOf(parts.at(0)));
        keys.append(parts.at(1));
        answers.append(parts.at(2));
        units.append(parts.value(3));
        if (!units.last().isEmpty() && !unitOf(units.last()))
            problems.append(QStringLiteral("\"%1\" is not a unit the answer sheet knows").arg(units.last()));
        else
            problems.append(QString());
    }

    // judgeSlot reads only the judged slot's own type, and a slot of a type
    // no rule knows is never judged, so any type can stand in for it here.
    QList<SlotType> knownTypes;
    for (const std::optional<SlotType> &type : std::as_const(types))
        knownTypes.append(type.value_or(SlotType::Word));

    int status = 0;
    for (int slot = 1; slot <= types.size(); ++slot) {
        QString problem = problems.at(slot - 1);
        const std::optional<SlotType> type = types.at(slot - 1);
        Verdict result = Verdict::Unmarked;
        QString model;
        if (problem.isEmpty() && type) {
            try {
                result = judgeSlot(answers, keys, knownTypes, slot, QLocale::system(), units);
                if (*type == SlotType::Group)
                    model = groupModelAnswer(answers, keys, slot);
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
        out << verdictText(result) << '\t' << model << '\n';
    }
    out.flush();
    err.flush();
    return status;
}

} // namespace kw
