#include "tool/judgecommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: kwcourse judge   < slots.tsv\n"
    "  judge   read TYPE<TAB>KEY<TAB>ANSWER per slot from standard input and\n"
    "          print RESULT<TAB>MODEL per slot, as marking would judge them\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    in.setEncoding(QStringConverter::Utf8);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    if (args.size() == 2 && args.at(1) == QLatin1String("judge"))
        return kw::RunJudge(in, out, err);

    err << kUsage;
    err.flush();
    return 2;
}
