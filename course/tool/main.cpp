#include "tool/coursecommands.h"
#include "tool/judgecommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

const char kUsage[] =
    "usage: kwcourse COMMAND\n"
    "  list                 the catalogue: subjects, topics and papers\n"
    "  paper SUBJECT PAPER  a paper's questions and, per slot, key, type and marks\n"
    "  validate             check the embedded course; one line per problem\n"
    "  page ID FILE         write question page ID to FILE (a .mht web archive)\n"
    "  judge                read TYPE<TAB>KEY<TAB>ANSWER[<TAB>UNIT] per slot from standard\n"
    "                       input and print RESULT<TAB>MODEL per slot, as marking would\n"
    "                       judge them (UNIT: a unit symbol such as cm² or £)\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    in.setEncoding(QStringConverter::Utf8);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const QString command = args.value(0);
    if (command == QLatin1String("judge") && args.size() == 1)
        return kw::runJudge(in, out, err);
    if (command == QLatin1String("list") && args.size() == 1)
        return kw::runList(out, err);
    if (command == QLatin1String("paper") && args.size() == 3)
        return kw::runPaper(args.at(1), args.at(2), out, err);
    if (command == QLatin1String("validate") && args.size() == 1)
        return kw::runValidate(kw::embeddedCourse(), out, err);
    if (command == QLatin1String("page") && args.size() == 3)
        return kw::runPage(args.at(1), args.at(2), err);

    err << kUsage;
    err.flush();
    return 2;
}
