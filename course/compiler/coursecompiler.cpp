#include "compiler/coursecompiler.h"

#include "compiler/mhtml.h"
#include "compiler/writeifchanged.h"
#include "data/catalogue.h"
#include "data/resources.h"
#include "data/progressfiles.h"
#include "data/recordfile.h"
#include "data/storabletext.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kw {

namespace {

const QByteArray kDots = "...";

// A shipped table: "..." first, records, and "..." last without a line end.
QByteArray shippedTable(const QStringList &records)
{
    QByteArray out = kDots + "\r\n";
    for (const QString &record : records)
        out += record.toUtf8() + "\r\n";
    return out + kDots;
}

QString record(const QString &key, const QStringList &fields)
{
    return RecordFile::recordLine(key, fields);
}

QByteArray contentType(const QString &file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return "image/svg+xml";
    if (suffix == QLatin1String("png"))
        return "image/png";
    if (suffix == QLatin1String("gif"))
        return "image/gif";
    return "image/jpeg";
}

QByteArray compilePage(const SourceQuestion &question, int number, const QString &paperFolder,
                       const QByteArray &stylesheet, const QString &where, QStringList *problems)
{
    static const QRegularExpression picture(QStringLiteral("(<img[^>]*\\ssrc=\")([^\"]+)(\")"));
    QList<MhtmlPart> pictures;
    QStringList body;
    for (const QString &line : question.body) {
        QString rewritten;
        qsizetype done = 0;
        for (const QRegularExpressionMatch &m : picture.globalMatch(line)) {
            const QString file = QDir::cleanPath(paperFolder + QLatin1Char('/') + m.captured(2));
            const QByteArray id = QFileInfo(file).fileName().toUtf8() + "@kestrelworks";
            bool known = false;
            for (const MhtmlPart &part : std::as_const(pictures))
                known = known || part.contentId == id;
            if (!known) {
                QFile f(file);
                if (f.open(QIODevice::ReadOnly))
                    pictures.append({contentType(file), id, QByteArray(), f.readAll()});
                else
                    problems->append(QStringLiteral("%1: picture %2 cannot be read").arg(where, m.captured(2)));
            }
            rewritten += line.mid(done, m.capturedStart(2) - done) + QStringLiteral("cid:") + QString::fromUtf8(id);
            done = m.capturedEnd(2);
        }
        rewritten += line.mid(done);
        body.append(rewritten);
    }

    int marks = 0;
    for (const SourceSlot &slot : question.answerSlots)
        marks += slot.marks.toInt();
    const QString marksText = marks == 1 ? QStringLiteral("[1 mark]") : QStringLiteral("[%1 marks]").arg(marks);

    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
    html += QStringLiteral("<title>Question %1</title>\n").arg(number);
    html += QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"cid:style.css@kestrelworks\">\n");
    html += QStringLiteral("</head>\n<body>\n<div class=\"page\">\n");
    html += QStringLiteral("<div class=\"qhead\"><span class=\"qno\">Question %1</span>"
                           "<span class=\"marks\">%2</span></div>\n")
                .arg(number)
                .arg(marksText);
    if (!question.instruction.isEmpty())
        html += QStringLiteral("<p class=\"instruction\">%1</p>\n").arg(question.instruction);
    html += QStringLiteral("<div class=\"question\">\n") + body.join(QLatin1Char('\n'))
            + QStringLiteral("\n</div>\n</div>\n</body>\n</html>\n");

    QList<MhtmlPart> parts;
    parts.append({"text/html; charset=utf-8", QByteArray(), "file:///question" + question.id.toUtf8() + ".htm",
                  html.toUtf8()});
    parts.append({"text/css; charset=utf-8", "style.css@kestrelworks", QByteArray(), stylesheet});
    parts += pictures;
    return buildMhtml("Question " + QByteArray::number(number), parts);
}

void requireStorable(const QString &text, const QString &where, QStringList *problems)
{
    if (!isStorableText(text))
        problems->append(QStringLiteral("%1: \"%2\" holds '>', '#' or a control character").arg(where, text));
}

} // namespace

QByteArray paperTemplate(const QList<int> &slotsPerPaper)
{
    QStringList records;
    for (int i = 0; i < slotsPerPaper.size(); ++i)
        records.append(QStringLiteral("#%1#").arg(101 + i) + QString(slotsPerPaper.at(i), QLatin1Char('>')));
    return shippedTable(records);
}

QByteArray summaryTemplate(int paperCount)
{
    QStringList records;
    for (SummaryField field : kSummaryFields) {
        if (isStateField(field))
            records.append(record(summaryKey(field), QStringList(paperCount, QStringLiteral("0"))));
        else
            records.append(QStringLiteral("#%1#").arg(summaryKey(field)) + QString(paperCount, QLatin1Char('>')));
    }
    return shippedTable(records);
}

CompiledCourse compileCourse(const CourseSource &course, QStringList *problems)
{
    CompiledCourse out;
    QByteArray stylesheet;
    {
        QFile css(course.root + QStringLiteral("/style.css"));
        if (css.open(QIODevice::ReadOnly))
            stylesheet = css.readAll();
        else
            problems->append(QStringLiteral("style.css cannot be read"));
    }

    QStringList catalogue{record(QStringLiteral("NME"), {course.title}), record(QStringLiteral("COD"), {course.code})};
    requireStorable(course.title, QStringLiteral("catalogue title"), problems);
    requireStorable(course.code, QStringLiteral("catalogue code"), problems);
    for (int s = 1; s <= 3; ++s)
        catalogue.append(record(QLatin1String(kSubjectNameKeys[std::size_t(s - 1)]), {course.subjects[std::size_t(s - 1)].name}));
    catalogue.append(QString(31, QLatin1Char('-')));

    for (int s = 1; s <= 3; ++s) {
        const SourceSubject &subject = course.subjects[std::size_t(s - 1)];
        if (subject.name.isEmpty())
            continue;
        const QString n = QString::number(s);
        catalogue.append(record(QStringLiteral("TT") + n, {QString::number(subject.topics.size())}));
        catalogue.append(record(QStringLiteral("TP") + n, {QString::number(subject.papers.size())}));
        catalogue.append(record(QStringLiteral("TN") + n, subject.topics));
        for (const QString &topic : subject.topics)
            requireStorable(topic, QStringLiteral("topic name"), problems);

        QStringList papers, keys, types, marks, units;
        QList<int> slotsPerPaper;
        for (const SourcePaper &paper : subject.papers) {
            QStringList ids;
            int paperSlots = 0;
            const QString folder = QFileInfo(paper.file).absolutePath();
            for (int q = 0; q < paper.questions.size(); ++q) {
                const SourceQuestion &question = paper.questions.at(q);
                const QString where = QStringLiteral("%1:%2").arg(paper.file).arg(question.line);
                ids.append(question.id);
                QStringList k, t, m, u;
                for (const SourceSlot &slot : question.answerSlots) {
                    const QString at = QStringLiteral("%1:%2").arg(paper.file).arg(slot.line);
                    requireStorable(slot.key, at, problems);
                    requireStorable(slot.type, at, problems);
                    requireStorable(slot.marks, at, problems);
                    k.append(slot.key);
                    t.append(slot.type);
                    m.append(slot.marks);
                    u.append(slot.unit);
                }
                paperSlots += int(question.answerSlots.size());
                keys.append(record(question.id, k));
                types.append(record(question.id, t));
                marks.append(record(question.id, m));
                units.append(record(question.id, u));
                bool numeric = false;
                const int id = question.id.toInt(&numeric);
                if (!numeric || question.id.size() != 5) {
                    problems->append(QStringLiteral("%1: question id \"%2\" is not five digits").arg(where, question.id));
                    continue;
                }
                // Its page would replace a table, template or skin graphic.
                if (isReservedResource(id)) {
                    problems->append(QStringLiteral("%1: question id \"%2\" is reserved for the course's own "
                                                    "resources (%3-%4 and %5-%6)")
                                         .arg(where, question.id)
                                         .arg(kFirstSkinResource)
                                         .arg(kLastSkinResource)
                                         .arg(kCatalogueResource)
                                         .arg(kLastTableResource));
                    continue;
                }
                out.insert(id, compilePage(question, q + 1, folder, stylesheet, where, problems));
            }
            papers.append(record(QString::number(paper.number), ids));
            slotsPerPaper.append(paperSlots);
        }
        out.insert(contentTableResource(s, 2), shippedTable(papers));
        out.insert(contentTableResource(s, 3), shippedTable(keys));
        out.insert(contentTableResource(s, 4), shippedTable(types));
        out.insert(contentTableResource(s, 5), shippedTable(marks));
        out.insert(contentTableResource(s, 6), shippedTable(units));

        const QByteArray perPaper = paperTemplate(slotsPerPaper);
        out.insert(progressTemplateResource(s, 1), summaryTemplate(int(subject.papers.size())));
        for (int file = 2; file <= 5; ++file)
            out.insert(progressTemplateResource(s, file), perPaper);
        out.insert(progressTemplateResource(s, 6), kTrendTemplate);
    }
    out.insert(kCatalogueResource, shippedTable(catalogue));
    return out;
}

bool writeCompiledCourse(const CompiledCourse &course, const QString &folder, const QString &qrcPath,
                         QStringList *problems)
{
    auto write = [&](const QString &path, const QByteArray &bytes) {
        const QString error = writeIfChanged(path, bytes);
        if (!error.isEmpty()) {
            problems->append(QStringLiteral("%1 cannot be written: %2").arg(path, error));
            return false;
        }
        return true;
    };

    if (!QDir().mkpath(folder)) {
        problems->append(QStringLiteral("%1 cannot be created").arg(folder));
        return false;
    }
    const QDir qrcFolder = QFileInfo(qrcPath).absoluteDir();
    // The digest changes the collection file whenever any content changes, so
    // the build re-embeds exactly when it must.
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (auto it = course.cbegin(); it != course.cend(); ++it) {
        digest.addData(QByteArray::number(it.key()) + ':' + QByteArray::number(it.value().size()) + ':');
        digest.addData(it.value());
    }
    QByteArray qrc = "<RCC>\n  <!-- content " + digest.result().toHex() + " -->\n  <qresource prefix=\"/Custom\">\n";
    bool ok = true;
    for (auto it = course.cbegin(); it != course.cend(); ++it) {
        const QString path = QDir(folder).absoluteFilePath(QString::number(it.key()));
        ok = write(path, it.value()) && ok;
        qrc += "    <file alias=\"" + QByteArray::number(it.key()) + "\">" + qrcFolder.relativeFilePath(path).toUtf8()
               + "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";
    return write(qrcPath, qrc) && ok;
}

} // namespace kw
