#include "data/progressfiles.h"

#include "data/percent.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "data/atomicwrite.h"
#include "data/taggedrecords.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace kw {

namespace {

// Text the program wrote is UTF-8 without control characters; anything else
// means the file was damaged outside the program.
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
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            return QStringLiteral("%1 holds bytes that are not text").arg(QFileInfo(path).fileName());
    }
    return {};
}

bool isScore(const QString &text)
{
    qint64 tenths = 0;
    return text.isEmpty() || (ParseTenths(text, &tenths) && tenths >= 0 && tenths <= 1000);
}

bool isState(const QString &text)
{
    return text == QLatin1String("0") || text == QLatin1String("1");
}

// Writes the subject's templates, all of them or only where a file is missing.
void writeTemplates(const QString &folder, int subject, const QString &code, bool onlyMissing, QStringList *failed)
{
    for (ProgressFile file : kProgressFiles) {
        const QString path = ProgressFilePath(folder, file, subject, code);
        if (onlyMissing && QFileInfo::exists(path))
            continue;
        if (ExtractResourceToFile(ProgressTemplateResource(subject, int(file)), QStringLiteral("Custom"), path) != 0)
            failed->append(path);
    }
}

} // namespace

QString ProgressFileStem(ProgressFile file)
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

QString ProgressFilePath(const QString &folder, ProgressFile file, int subject, const QString &code)
{
    return QStringLiteral("%1/%2%3%4.txt").arg(folder, ProgressFileStem(file)).arg(subject).arg(code);
}

QStringList CreateMissingProgressFiles(const QString &folder, int subject, const QString &code)
{
    QStringList failed;
    writeTemplates(folder, subject, code, true, &failed);
    return failed;
}

QStringList CreateProgressFiles(const QString &folder, const Catalogue &catalogue)
{
    QStringList failed;
    for (int subject = 1; subject <= 3; ++subject) {
        if (catalogue.hasSubject(subject))
            writeTemplates(folder, subject, catalogue.code, false, &failed);
    }
    return failed;
}

SubjectProgress ReadSubjectProgress(const QString &folder, int subject, const QString &code, int paperCount)
{
    const QString path = ProgressFilePath(folder, ProgressFile::Marks, subject, code);
    SubjectProgress progress;
    for (std::size_t k = 0; k < SubjectProgress::kKeys.size(); ++k)
        progress.records[k] = GetRecordFields(path, QLatin1String(SubjectProgress::kKeys[k]), paperCount, kProgressCapacity);
    return progress;
}

QString ProgressFilesProblem(const QString &folder, int subject, const QString &code, int paperCount)
{
    for (ProgressFile file : kProgressFiles) {
        const QString problem = notTextProblem(ProgressFilePath(folder, file, subject, code));
        if (!problem.isEmpty())
            return problem;
    }
    const QString marksName = QFileInfo(ProgressFilePath(folder, ProgressFile::Marks, subject, code)).fileName();
    SubjectProgress progress;
    try {
        progress = ReadSubjectProgress(folder, subject, code, paperCount);
    } catch (const RuntimeError &error) {
        return QStringLiteral("%1: %2").arg(marksName, error.detail());
    }
    for (int i = 0; i < paperCount; ++i) {
        // A field reader hands the rest of the line to the last field, so a
        // record with too many fields shows up as a '>' there.
        for (const QStringList &record : progress.records) {
            if (record.at(i).contains(QLatin1Char('>')))
                return QStringLiteral("%1: a record has more fields than the subject has papers").arg(marksName);
        }
        if (!isScore(progress.firstScores().at(i)) || !isScore(progress.secondScores().at(i)))
            return QStringLiteral("%1: paper %2 has a score that is not a percentage").arg(marksName).arg(101 + i);
        if (!isState(progress.firstStates().at(i)) || !isState(progress.secondStates().at(i)))
            return QStringLiteral("%1: paper %2 has a state that is not 0 or 1").arg(marksName).arg(101 + i);
    }

    for (ProgressFile file : {ProgressFile::First, ProgressFile::Second, ProgressFile::FirstResults,
                              ProgressFile::SecondResults}) {
        const QString path = ProgressFilePath(folder, file, subject, code);
        try {
            const QStringList lines = GetPaperLines(path, paperCount);
            for (int i = 0; i < paperCount; ++i) {
                if (lines.at(i).isEmpty())
                    return QStringLiteral("%1: the record of paper %2 is missing").arg(QFileInfo(path).fileName()).arg(101 + i);
            }
        } catch (const RuntimeError &error) {
            return QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), error.detail());
        }
    }

    const QString trendPath = ProgressFilePath(folder, ProgressFile::Trend, subject, code);
    try {
        const QString line = GetRecordLine(trendPath, QStringLiteral("TRD"));
        if (!line.startsWith(QLatin1String("#TRD#")))
            return QStringLiteral("%1: the trend record is missing").arg(QFileInfo(trendPath).fileName());
        const QStringList values = line.mid(5).split(QLatin1Char('>'), Qt::SkipEmptyParts);
        for (const QString &value : values) {
            qint64 tenths = 0;
            if (!ParseTenths(value, &tenths))
                return QStringLiteral("%1: \"%2\" is not a percentage").arg(QFileInfo(trendPath).fileName(), value);
        }
    } catch (const RuntimeError &error) {
        return QStringLiteral("%1: %2").arg(QFileInfo(trendPath).fileName(), error.detail());
    }
    return {};
}

SubjectProgress RecordFirstMarking(const QString &folder, int subject, const QString &code, int paperCount, int paper,
                        const QString &percent, const QString &timeTaken, const QString &date)
{
    if (paper < 1 || paper > paperCount)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no paper index %1").arg(paper));
    SubjectProgress progress = ReadSubjectProgress(folder, subject, code, paperCount);
    const QString trendPath = ProgressFilePath(folder, ProgressFile::Trend, subject, code);
    QString trend = GetRecordLine(trendPath, QStringLiteral("TRD"));
    if (trend.isEmpty())
        trend = QStringLiteral("#TRD#");
    trend += QLatin1Char('>') + percent;
    if (FieldTextIsUnsafe(percent))
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("\"%1\" cannot be stored").arg(percent));

    progress.records[0][paper - 1] = percent;
    progress.records[2][paper - 1] = timeTaken;
    progress.records[3][paper - 1] = date;
    progress.records[4][paper - 1] = QStringLiteral("1");
    std::array<QString, 6> keys;
    for (std::size_t k = 0; k < keys.size(); ++k)
        keys[k] = QLatin1String(SubjectProgress::kKeys[k]);
    SaveProgressRecords(progress.records, keys, paperCount, ProgressFilePath(folder, ProgressFile::Marks, subject, code));
    WriteFileAtomically(trendPath, trend.toUtf8() + "\r\n");
    return progress;
}

} // namespace kw
