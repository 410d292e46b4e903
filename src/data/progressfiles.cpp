#include "data/progressfiles.h"

#include "data/atomicwrite.h"
#include "data/percent.h"
#include "data/recordfile.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "data/storabletext.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace kw {

namespace {

std::size_t stateSlot(SummaryField state)
{
    if (!isStateField(state))
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("%1 is not a state").arg(summaryKey(state)));
    return state == SummaryField::FirstState ? 0 : 1;
}

void requirePosition(int position)
{
    if (position < 0 || position >= kProgressCapacity)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no paper at position %1").arg(position));
}

// Text the program wrote is UTF-8 whose fields are storable text; anything
// else means the file was damaged outside the program.
QString notTextProblem(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read").arg(QFileInfo(path).fileName());
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return QStringLiteral("%1 holds bytes that are not text").arg(QFileInfo(path).fileName());
    for (QString line : RecordFile::splitLines(text)) {
        // Separators aside, what is left of a line is its fields' text.
        line.remove(QLatin1Char('#')).remove(QLatin1Char('>'));
        if (!isStorableText(line))
            return QStringLiteral("%1 holds bytes that are not text").arg(QFileInfo(path).fileName());
    }
    return {};
}

bool isScore(const QString &text)
{
    qint64 tenths = 0;
    return text.isEmpty() || (parseTenths(text, &tenths) && tenths >= 0 && tenths <= 1000);
}

bool isState(const QString &text)
{
    return text == QLatin1String("0") || text == QLatin1String("1");
}

// The six summary records as stored, kProgressCapacity entries each.
std::array<QStringList, 6> readSummaryRecords(const QString &path, int paperCount)
{
    const RecordFile file = RecordFile::fromFile(path);
    std::array<QStringList, 6> records;
    for (SummaryField field : kSummaryFields)
        records[std::size_t(field)] = file.fields(summaryKey(field), paperCount, kProgressCapacity);
    return records;
}

// Writes the subject's templates, all of them or only where a file is missing.
void writeTemplates(const QString &folder, int subject, const QString &code, bool onlyMissing, QStringList *failed)
{
    for (ProgressFile file : kProgressFiles) {
        const QString path = progressFilePath(folder, file, subject, code);
        if (onlyMissing && QFileInfo::exists(path))
            continue;
        if (extractResourceToFile(progressTemplateResource(subject, int(file)), QStringLiteral("Custom"), path) != 0)
            failed->append(path);
    }
}

} // namespace

SubjectProgress::SubjectProgress()
{
    m_texts.fill(QStringList(kProgressCapacity));
    m_marked.fill(QList<bool>(kProgressCapacity, false));
}

const QStringList &SubjectProgress::texts(SummaryField field) const
{
    return m_texts[std::size_t(field)];
}

bool SubjectProgress::isMarked(SummaryField state, int position) const
{
    return m_marked[stateSlot(state)].value(position, false);
}

void SubjectProgress::setText(SummaryField field, int position, const QString &text)
{
    if (isStateField(field))
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("%1 holds a state").arg(summaryKey(field)));
    requirePosition(position);
    m_texts[std::size_t(field)][position] = text;
}

void SubjectProgress::setMarked(SummaryField state, int position, bool marked)
{
    requirePosition(position);
    m_marked[stateSlot(state)][position] = marked;
}

QStringList SubjectProgress::recordFields(SummaryField field, int paperCount) const
{
    if (paperCount < 0 || paperCount > kProgressCapacity)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("%1 papers").arg(paperCount));
    if (!isStateField(field))
        return m_texts[std::size_t(field)].mid(0, paperCount);
    QStringList fields;
    for (int i = 0; i < paperCount; ++i)
        fields.append(m_marked[stateSlot(field)].at(i) ? QStringLiteral("1") : QStringLiteral("0"));
    return fields;
}

QString progressFileStem(ProgressFile file)
{
    switch (file) {
    case ProgressFile::Marks: return QStringLiteral("marks");
    case ProgressFile::First: return QStringLiteral("first");
    case ProgressFile::Second: return QStringLiteral("second");
    case ProgressFile::FirstResults: return QStringLiteral("fresults");
    case ProgressFile::SecondResults: return QStringLiteral("sresults");
    case ProgressFile::Trend: return QStringLiteral("trend");
    }
    return {};
}

QString progressFilePath(const QString &folder, ProgressFile file, int subject, const QString &code)
{
    return QStringLiteral("%1/%2%3%4.txt").arg(folder, progressFileStem(file)).arg(subject).arg(code);
}

QStringList createMissingProgressFiles(const QString &folder, int subject, const QString &code)
{
    QStringList failed;
    writeTemplates(folder, subject, code, true, &failed);
    return failed;
}

QStringList createProgressFiles(const QString &folder, const Catalogue &catalogue)
{
    QStringList failed;
    for (int subject = 1; subject <= 3; ++subject) {
        if (catalogue.hasSubject(subject))
            writeTemplates(folder, subject, catalogue.code, false, &failed);
    }
    return failed;
}

SubjectProgress readSubjectProgress(const QString &folder, int subject, const QString &code, int paperCount)
{
    const std::array<QStringList, 6> records =
        readSummaryRecords(progressFilePath(folder, ProgressFile::Marks, subject, code), paperCount);
    SubjectProgress progress;
    for (SummaryField field : kSummaryFields) {
        const QStringList &record = records[std::size_t(field)];
        for (int i = 0; i < paperCount; ++i) {
            if (!isStateField(field)) {
                progress.setText(field, i, record.at(i));
            } else if (isState(record.at(i))) {
                progress.setMarked(field, i, record.at(i) == QLatin1String("1"));
            } else {
                throw RuntimeError(ErrorKind::InvalidArgument,
                                   QStringLiteral("paper %1 has a state that is not 0 or 1").arg(101 + i));
            }
        }
    }
    return progress;
}

QString progressFilesProblem(const QString &folder, int subject, const QString &code, int paperCount)
{
    for (ProgressFile file : kProgressFiles) {
        const QString problem = notTextProblem(progressFilePath(folder, file, subject, code));
        if (!problem.isEmpty())
            return problem;
    }
    const QString marksPath = progressFilePath(folder, ProgressFile::Marks, subject, code);
    const QString marksName = QFileInfo(marksPath).fileName();
    std::array<QStringList, 6> records;
    try {
        records = readSummaryRecords(marksPath, paperCount);
    } catch (const RuntimeError &error) {
        return QStringLiteral("%1: %2").arg(marksName, error.detail());
    }
    const auto at = [&records](SummaryField field, int i) { return records[std::size_t(field)].at(i); };
    for (int i = 0; i < paperCount; ++i) {
        // A field reader hands the rest of the line to the last field, so a
        // record with too many fields shows up as a '>' there.
        for (const QStringList &record : records) {
            if (record.at(i).contains(QLatin1Char('>')))
                return QStringLiteral("%1: a record has more fields than the subject has papers").arg(marksName);
        }
        if (!isScore(at(SummaryField::FirstScore, i)) || !isScore(at(SummaryField::SecondScore, i)))
            return QStringLiteral("%1: paper %2 has a score that is not a percentage").arg(marksName).arg(101 + i);
        if (!isState(at(SummaryField::FirstState, i)) || !isState(at(SummaryField::SecondState, i)))
            return QStringLiteral("%1: paper %2 has a state that is not 0 or 1").arg(marksName).arg(101 + i);
    }

    for (ProgressFile file : {ProgressFile::First, ProgressFile::Second, ProgressFile::FirstResults,
                              ProgressFile::SecondResults}) {
        const QString path = progressFilePath(folder, file, subject, code);
        try {
            const QStringList lines = RecordFile::fromFile(path).paperLines(paperCount);
            for (int i = 0; i < paperCount; ++i) {
                if (lines.at(i).isEmpty())
                    return QStringLiteral("%1: the record of paper %2 is missing").arg(QFileInfo(path).fileName()).arg(101 + i);
            }
        } catch (const RuntimeError &error) {
            return QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), error.detail());
        }
    }

    const QString trendPath = progressFilePath(folder, ProgressFile::Trend, subject, code);
    try {
        const QString line = RecordFile::fromFile(trendPath).line(QStringLiteral("TRD"));
        if (!line.startsWith(QLatin1String("#TRD#")))
            return QStringLiteral("%1: the trend record is missing").arg(QFileInfo(trendPath).fileName());
        const QStringList values = line.mid(5).split(QLatin1Char('>'), Qt::SkipEmptyParts);
        for (const QString &value : values) {
            qint64 tenths = 0;
            if (!parseTenths(value, &tenths))
                return QStringLiteral("%1: \"%2\" is not a percentage").arg(QFileInfo(trendPath).fileName(), value);
        }
    } catch (const RuntimeError &error) {
        return QStringLiteral("%1: %2").arg(QFileInfo(trendPath).fileName(), error.detail());
    }
    return {};
}

SubjectProgress recordFirstMarking(const QString &folder, int subject, const QString &code, int paperCount, int paper,
                                   const QString &percent, const QString &timeTaken, const QString &date)
{
    if (paper < 1 || paper > paperCount)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no paper index %1").arg(paper));
    SubjectProgress progress = readSubjectProgress(folder, subject, code, paperCount);
    const QString trendPath = progressFilePath(folder, ProgressFile::Trend, subject, code);
    const QString trendLine = RecordFile::fromFile(trendPath).line(QStringLiteral("TRD"));
    // "#TRD#" alone holds no value; every '>' after the tag starts one.
    QStringList trend = trendLine.size() > 5 ? trendLine.mid(6).split(QLatin1Char('>')) : QStringList();
    trend.append(percent);
    RecordFile trendFile;
    trendFile.setRecord(QStringLiteral("TRD"), trend);

    progress.setText(SummaryField::FirstScore, paper - 1, percent);
    progress.setText(SummaryField::TimeTaken, paper - 1, timeTaken);
    progress.setText(SummaryField::DateCompleted, paper - 1, date);
    progress.setMarked(SummaryField::FirstState, paper - 1, true);
    RecordFile summary;
    for (SummaryField field : kSummaryFields)
        summary.setRecord(summaryKey(field), progress.recordFields(field, paperCount));
    writeFileAtomically(progressFilePath(folder, ProgressFile::Marks, subject, code), summary.toBytes());
    writeFileAtomically(trendPath, trendFile.toBytes());
    return progress;
}

} // namespace kw
