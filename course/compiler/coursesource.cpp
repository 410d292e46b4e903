#include "compiler/coursesource.h"

#include "checking/answercheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kw {

namespace {

QStringList readTextLines(const QString &path, QStringList *problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems->append(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

bool isComment(const QString &line)
{
    return line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'));
}

void readCatalogue(CourseSource &course, QStringList *problems)
{
    const QString path = course.root + QStringLiteral("/catalogue.txt");
    static const QRegularExpression entry(QStringLiteral("^(title|code|subject|folder|topics)(?: ([1-3]))?:\\s*(.*)$"));
    const QStringList lines = readTextLines(path, problems);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (isComment(line))
            continue;
        const QRegularExpressionMatch m = entry.match(line);
        const QString what = m.captured(1);
        const bool perSubject = what == QLatin1String("subject") || what == QLatin1String("folder")
                                || what == QLatin1String("topics");
        if (!m.hasMatch() || perSubject == m.captured(2).isEmpty()) {
            problems->append(QStringLiteral("%1:%2: not a catalogue line: %3").arg(path).arg(i + 1).arg(line));
            continue;
        }
        const QString value = m.captured(3).trimmed();
        if (what == QLatin1String("title")) {
            course.title = value;
            continue;
        }
        if (what == QLatin1String("code")) {
            course.code = value;
            continue;
        }
        SourceSubject &subject = course.subjects[std::size_t(m.captured(2).toInt() - 1)];
        if (what == QLatin1String("subject"))
            subject.name = value;
        else if (what == QLatin1String("folder"))
            subject.folder = value;
        else
            subject.topics = value.split(QStringLiteral(" | "));
    }
}

SourcePaper readPaper(const QString &path, int number, QStringList *problems)
{
    static const QRegularExpression start(QStringLiteral("^==\\s*(\\S+)\\s*$"));
    static const QRegularExpression answer(QStringLiteral("^answer:\\s?(\\S*) (\\S*) (.*)$"));
    SourcePaper paper;
    paper.number = number;
    paper.file = path;
    const QStringList lines = readTextLines(path, problems);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const int lineNumber = i + 1;
        if (line.startsWith(QLatin1Char('#')) || (line.trimmed().isEmpty() && paper.questions.isEmpty()))
            continue;
        const QRegularExpressionMatch header = start.match(line);
        if (header.hasMatch()) {
            SourceQuestion question;
            question.id = header.captured(1);
            question.line = lineNumber;
            paper.questions.append(question);
            continue;
        }
        if (paper.questions.isEmpty()) {
            problems->append(QStringLiteral("%1:%2: text before the first question (\"== <id>\")").arg(path).arg(lineNumber));
            continue;
        }
        SourceQuestion &question = paper.questions.last();
        if (line.startsWith(QLatin1String("instruction:"))) {
            question.instruction = line.mid(12).trimmed();
        } else if (line.startsWith(QLatin1String("answer:"))) {
            const QRegularExpressionMatch m = answer.match(line);
            if (!m.hasMatch()) {
                problems->append(QStringLiteral("%1:%2: an answer line reads \"answer: <type> <marks> <key>\"").arg(path).arg(lineNumber));
                continue;
            }
            QString key = m.captured(3);
            QString unit;
            if (key == QLatin1String("[space]"))
                key = QStringLiteral(" ");
            if (m.captured(1) == QLatin1String("N")) {
                const QString written = key;
                const QString problem = splitNumberKey(written, &key, &unit);
                if (!problem.isEmpty())
                    problems->append(QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(problem));
            }
            question.answerSlots.append({m.captured(1), m.captured(2), key, unit, lineNumber});
        } else if (!line.trimmed().isEmpty()) {
            question.body.append(line);
        }
    }
    return paper;
}

} // namespace

QString splitNumberKey(const QString &written, QString *number, QString *unit)
{
    static const QRegularExpression form(QStringLiteral("^([^\\d\\s-]*) ?(-?\\d+(?:\\.\\d+)?) ?(\\S.*)?$"));
    *number = written;
    unit->clear();
    const QRegularExpressionMatch m = form.match(written);
    if (!m.hasMatch())
        return {};
    const QString before = m.captured(1);
    const QString after = m.captured(3);
    if (before.isEmpty() && after.isEmpty())
        return {};
    if (!before.isEmpty() && !after.isEmpty())
        return QStringLiteral("number key \"%1\" has a unit on both sides").arg(written);
    const QString symbol = before.isEmpty() ? after : before;
    const Unit *known = unitOf(symbol);
    if (!known) {
        QStringList symbols;
        for (const Unit &u : unitSpellings())
            symbols.append(u.symbol);
        return QStringLiteral("number key \"%1\": \"%2\" is not a unit the answer sheet knows (%3)")
            .arg(written, symbol, symbols.join(QLatin1Char(' ')));
    }
    if (known->before != !before.isEmpty())
        return QStringLiteral("number key \"%1\": %2 is written %3 the number")
            .arg(written, symbol, known->before ? QStringLiteral("before") : QStringLiteral("after"));
    *number = m.captured(2);
    *unit = symbol;
    return {};
}

CourseSource readCourseSource(const QString &root, QStringList *problems)
{
    CourseSource course;
    course.root = QDir(root).absolutePath();
    readCatalogue(course, problems);
    for (std::size_t s = 0; s < course.subjects.size(); ++s) {
        SourceSubject &subject = course.subjects[s];
        if (subject.name.isEmpty())
            continue;
        if (subject.folder.isEmpty()) {
            problems->append(QStringLiteral("catalogue.txt: subject %1 has no folder").arg(s + 1));
            continue;
        }
        const int paperCount = kPapersPerTopic * int(subject.topics.size());
        for (int index = 1; index <= paperCount; ++index) {
            const QString path = QStringLiteral("%1/%2/%3.txt").arg(course.root, subject.folder).arg(100 + index);
            subject.papers.append(readPaper(path, 100 + index, problems));
        }
    }
    return course;
}

QStringList courseSourceFiles(const CourseSource &course)
{
    static const QRegularExpression picture(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""));
    QStringList files{course.root + QStringLiteral("/catalogue.txt"), course.root + QStringLiteral("/style.css")};
    for (const SourceSubject &subject : course.subjects) {
        for (const SourcePaper &paper : subject.papers) {
            files.append(paper.file);
            const QString folder = QFileInfo(paper.file).absolutePath();
            for (const SourceQuestion &question : paper.questions) {
                for (const QString &line : question.body) {
                    for (const QRegularExpressionMatch &m : picture.globalMatch(line))
                        files.append(QDir::cleanPath(folder + QLatin1Char('/') + m.captured(1)));
                }
            }
        }
    }
    files.removeDuplicates();
    return files;
}

} // namespace kw
