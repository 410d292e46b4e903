#include "data/progressfiles.h"

#include "data/markingjournal.h"
#include "data/papercontent.h"
#include "data/percent.h"
#include "data/recordfile.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "data/storabletext.h"
#include "data/verdict.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <functional>
#include <optional>

#include <sys/stat.h>

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

bool isScore(const QString &text)
{
    qint64 tenths = 0;
    return text.isEmpty() || (parseTenths(text, &tenths) && tenths >= 0 && tenths <= 1000);
}

bool isState(const QString &text)
{
    return text == QLatin1String("0") || text == QLatin1String("1");
}

// No progress file comes near this; anything larger is not one, and is not
// read into memory.
constexpr qint64 kLargestProgressFile = 64 * 1024 * 1024;

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// What stands under a progress file's name, without following a link.
enum class Entry { Missing, File, Link, Folder, Other };

Entry entryAt(const QString &path, qint64 *size = nullptr)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? Entry::Missing : Entry::Other;
    if (size)
        *size = info.st_size;
    if (S_ISLNK(info.st_mode))
        return Entry::Link;
    if (S_ISDIR(info.st_mode))
        return Entry::Folder;
    return S_ISREG(info.st_mode) ? Entry::File : Entry::Other;
}

// Why what stands at path is not a progress file the program can read, or "".
QString entryProblem(const QString &path, qint64 *size = nullptr)
{
    switch (entryAt(path, size)) {
    case Entry::Missing: return QStringLiteral("%1 is missing").arg(fileName(path));
    case Entry::Link: return QStringLiteral("%1 is a link to another place, not a file").arg(fileName(path));
    case Entry::Folder: return QStringLiteral("%1 is a folder, not a file").arg(fileName(path));
    case Entry::Other: return QStringLiteral("%1 is not a plain file").arg(fileName(path));
    case Entry::File: break;
    }
    return {};
}

// Reads a progress file whole. Text the program wrote is UTF-8 whose fields
// are storable text; anything else means the file was damaged outside the
// program. Returns "" and the file, or the reason it cannot be used.
QString readProgressFile(const QString &path, RecordFile *file)
{
    qint64 size = 0;
    if (const QString problem = entryProblem(path, &size); !problem.isEmpty())
        return problem;
    if (size > kLargestProgressFile)
        return QStringLiteral("%1 is far too large to be a results file").arg(fileName(path));
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read").arg(fileName(path));
    const QByteArray bytes = input.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return QStringLiteral("%1 holds bytes that are not text").arg(fileName(path));
    const QStringList lines = RecordFile::splitLines(text);
    for (QString line : lines) {
        // Separators aside, what is left of a line is its fields' text.
        line.remove(QLatin1Char('#')).remove(QLatin1Char('>'));
        if (!isStorableText(line))
            return QStringLiteral("%1 holds bytes that are not text").arg(fileName(path));
    }
    *file = RecordFile::fromBytes(bytes, fileName(path));
    return {};
}

// The answer slots of each paper as its content gives them (entry 0 is paper
// 101), or nullopt for a paper whose content cannot be read: such a paper
// never opens, so its records are only checked for being there.
QList<std::optional<int>> paperSlotCounts(int subject, int paperCount)
{
    QList<std::optional<int>> counts;
    counts.reserve(paperCount);
    std::optional<SubjectContent> content;
    try {
        content.emplace(subject);
    } catch (const RuntimeError &) {
        return QList<std::optional<int>>(paperCount); // no table: no paper opens
    }
    for (int index = 1; index <= paperCount; ++index) {
        try {
            const int slotCount = content->paper(100 + index).slotCount();
            counts.append(slotCount >= 1 && slotCount <= kPaperFieldCapacity ? std::optional<int>(slotCount)
                                                                             : std::nullopt);
        } catch (const RuntimeError &) {
            counts.append(std::nullopt);
        }
    }
    return counts;
}

QString summaryProblem(const RecordFile &file, int paperCount)
{
    const QString &name = file.name();
    std::array<QStringList, 6> records;
    for (SummaryField field : kSummaryFields) {
        const QString key = summaryKey(field);
        const QString line = file.line(key);
        if (!line.startsWith(RecordFile::tag(key) + QLatin1Char('>')))
            return QStringLiteral("%1: the %2 record is missing").arg(name, key);
        if (const int count = RecordFile::fieldCount(line); count != paperCount)
            return QStringLiteral("%1: the %2 record has %3 fields, but the subject has %4 papers")
                .arg(name, key)
                .arg(count)
                .arg(paperCount);
        records[std::size_t(field)] = RecordFile::splitFields(line, paperCount, kProgressCapacity);
    }
    const auto at = [&records](SummaryField field, int i) { return records[std::size_t(field)].at(i); };
    for (int i = 0; i < paperCount; ++i) {
        for (SummaryField score : {SummaryField::FirstScore, SummaryField::SecondScore}) {
            if (!isScore(at(score, i)))
                return QStringLiteral("%1: paper %2 has a score \"%3\" that is not a percentage")
                    .arg(name)
                    .arg(101 + i)
                    .arg(excerpt(at(score, i)));
        }
        if (!isState(at(SummaryField::FirstState, i)) || !isState(at(SummaryField::SecondState, i)))
            return QStringLiteral("%1: paper %2 has a state that is not 0 or 1").arg(name).arg(101 + i);
    }
    return {};
}

QString paperFileProblem(const RecordFile &file, ProgressFile kind, const QList<std::optional<int>> &slotCounts)
{
    const QString &name = file.name();
    const int paperCount = int(slotCounts.size());
    const bool results = kind == ProgressFile::FirstResults || kind == ProgressFile::SecondResults;
    const QStringList lines = file.paperLines(paperCount);
    for (int i = 0; i < paperCount; ++i) {
        const QString &line = lines.at(i);
        const QString key = QString::number(101 + i);
        if (!line.startsWith(RecordFile::tag(key) + QLatin1Char('>')))
            return QStringLiteral("%1: the record of paper %2 is missing").arg(name, key);
        const int count = RecordFile::fieldCount(line);
        if (slotCounts.at(i) && count != *slotCounts.at(i))
            return QStringLiteral("%1: the record of paper %2 has %3 fields, but the paper has %4 answer slots")
                .arg(name, key)
                .arg(count)
                .arg(*slotCounts.at(i));
        if (!results)
            continue;
        for (const QString &value : RecordFile::splitFields(line, count, count)) {
            if (!verdictFromText(value))
                return QStringLiteral("%1: paper %2 has a result \"%3\" that is not Y, N or empty")
                    .arg(name, key, excerpt(value));
        }
    }
    return {};
}

QString trendProblem(const RecordFile &file)
{
    const QString &name = file.name();
    const QString line = file.line(QStringLiteral("TRD"));
    if (!line.startsWith(QLatin1String("#TRD#")))
        return QStringLiteral("%1: the trend record is missing").arg(name);
    const QStringList values = line.mid(5).split(QLatin1Char('>'), Qt::SkipEmptyParts);
    for (const QString &value : values) {
        qint64 tenths = 0;
        if (!parseTenths(value, &tenths))
            return QStringLiteral("%1: \"%2\" is not a percentage").arg(name, excerpt(value));
    }
    return {};
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

// Writes the subject's templates, all of them or only where nothing stands
// under a file's name.
void writeTemplates(const QString &folder, int subject, const QString &code, bool onlyMissing,
                    const FileWriter &writer, QStringList *failed)
{
    for (ProgressFile file : kProgressFiles) {
        const QString path = progressFilePath(folder, file, subject, code);
        if (onlyMissing && entryAt(path) != Entry::Missing)
            continue;
        if (extractResourceToFile(progressTemplateResource(subject, int(file)), QStringLiteral("Custom"), path, writer)
            != 0)
            failed->append(path);
    }
}

// The first name of path.damaged, path.damaged-2, path.damaged-3, ... under
// which nothing stands yet.
QString freeKeptName(const QString &path)
{
    QString kept = path + QStringLiteral(".damaged");
    for (int n = 2; entryAt(kept) != Entry::Missing; ++n)
        kept = path + QStringLiteral(".damaged-%1").arg(n);
    return kept;
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

QStringList progressFileNames(int subject, const QString &code)
{
    QStringList names;
    for (ProgressFile file : kProgressFiles)
        names.append(fileName(progressFilePath(QStringLiteral("."), file, subject, code)));
    return names;
}

QString markingJournalPath(const QString &folder, int subject, const QString &code)
{
    return QStringLiteral("%1/marking%2%3.txt").arg(folder).arg(subject).arg(code);
}

void finishInterruptedMarking(const QString &folder, int subject, const QString &code, const FileWriter &writer)
{
    finishJournal(markingJournalPath(folder, subject, code), progressFileNames(subject, code), writer);
}

QStringList createMissingProgressFiles(const QString &folder, int subject, const QString &code,
                                       const FileWriter &writer)
{
    QStringList failed;
    writeTemplates(folder, subject, code, true, writer, &failed);
    return failed;
}

QStringList createProgressFiles(const QString &folder, const Catalogue &catalogue, const FileWriter &writer)
{
    QStringList failed;
    for (int subject = 1; subject <= 3; ++subject) {
        if (!catalogue.hasSubject(subject))
            continue;
        // A marking left unfinished could otherwise be completed over the
        // templates at the next start.
        const QString journal = markingJournalPath(folder, subject, catalogue.code);
        if (!removeJournalFile(journal)) {
            failed.append(journal);
            continue;
        }
        writeTemplates(folder, subject, catalogue.code, false, writer, &failed);
    }
    return failed;
}

QString startSubjectAfresh(const QString &folder, int subject, const QString &code, int paperCount,
                           const FileWriter &writer)
{
    // Everything is looked at before anything changes.
    QList<std::pair<QString, QByteArray>> keep; // path, what it holds
    for (ProgressFile file : kProgressFiles) {
        const QString path = progressFilePath(folder, file, subject, code);
        const Entry entry = entryAt(path);
        if (entry == Entry::Missing)
            continue;
        if (entry != Entry::File)
            return QStringLiteral("%1, so nothing has been changed.").arg(entryProblem(path));
        QFile input(path);
        if (!input.open(QIODevice::ReadOnly))
            return QStringLiteral("%1 cannot be read, so no copy of it could be kept and nothing has been changed.")
                .arg(fileName(path));
        keep.append({path, input.readAll()});
    }

    // Every copy is made before any file is replaced; a copy that fails
    // takes the ones already made with it and leaves the subject as it was.
    QStringList copies;
    for (const auto &[path, bytes] : keep) {
        const QString kept = freeKeptName(path);
        try {
            writer.write(kept, bytes);
            copies.append(kept);
        } catch (const RuntimeError &error) {
            for (const QString &copy : std::as_const(copies))
                QFile::remove(copy);
            return QStringLiteral("no copy of %1 could be kept (%2), so nothing has been changed.")
                .arg(fileName(path), error.detail());
        }
    }

    const QString journal = markingJournalPath(folder, subject, code);
    if (!removeJournalFile(journal))
        return QStringLiteral("%1 cannot be removed, so the results were left as they are (copies of them are kept "
                              "beside them).")
            .arg(fileName(journal));
    QStringList failed;
    writeTemplates(folder, subject, code, false, writer, &failed);
    if (!failed.isEmpty())
        return QStringLiteral("%1 could not be written afresh (copies of the damaged files are kept beside them).")
            .arg(fileName(failed.constFirst()));
    return progressFilesProblem(folder, subject, code, paperCount);
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
    if (paperCount < 1 || paperCount > kProgressCapacity)
        return QStringLiteral("the subject has %1 papers").arg(paperCount);
    std::array<RecordFile, 6> files;
    for (ProgressFile file : kProgressFiles) {
        const QString problem =
            readProgressFile(progressFilePath(folder, file, subject, code), &files[std::size_t(file) - 1]);
        if (!problem.isEmpty())
            return problem;
    }
    const auto fileOf = [&files](ProgressFile file) -> const RecordFile & { return files[std::size_t(file) - 1]; };
    if (const QString problem = summaryProblem(fileOf(ProgressFile::Marks), paperCount); !problem.isEmpty())
        return problem;
    const QList<std::optional<int>> slotCounts = paperSlotCounts(subject, paperCount);
    for (ProgressFile file : {ProgressFile::First, ProgressFile::Second, ProgressFile::FirstResults,
                              ProgressFile::SecondResults}) {
        if (const QString problem = paperFileProblem(fileOf(file), file, slotCounts); !problem.isEmpty())
            return problem;
    }
    return trendProblem(fileOf(ProgressFile::Trend));
}

namespace {

// What a marking stores beside its slot results: its summary fields, set on
// the summary as read, and any further file it rewrites.
using MarkingSummary = std::function<void(SubjectProgress &progress, QList<FileChange> &changes)>;

// Both markings: the paper's record of the attempt's results file, the whole
// summary and what `summarise` adds, committed together. Every summary field
// summarise leaves alone is written back as read.
SubjectProgress commitMarking(const QString &folder, int subject, const QString &code, int paperCount, int paper,
                              ProgressFile resultsFile, const QStringList &slotResults,
                              const MarkingSummary &summarise, const FileWriter &writer)
{
    if (paper < 1 || paper > paperCount)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no paper index %1").arg(paper));
    // A marking a failed write left half done is finished first, so that
    // this one starts from what the pupil was last told.
    finishInterruptedMarking(folder, subject, code, writer);

    SubjectProgress progress = readSubjectProgress(folder, subject, code, paperCount);
    const QString resultsPath = progressFilePath(folder, resultsFile, subject, code);
    RecordFile results = RecordFile::fromFile(resultsPath);
    results.setRecord(QString::number(100 + paper), slotResults);

    QList<FileChange> changes{{resultsPath, results.toBytes()}};
    summarise(progress, changes);
    RecordFile summary;
    for (SummaryField field : kSummaryFields)
        summary.setRecord(summaryKey(field), progress.recordFields(field, paperCount));
    changes.insert(1, {progressFilePath(folder, ProgressFile::Marks, subject, code), summary.toBytes()});

    commitTogether(markingJournalPath(folder, subject, code), changes, writer);
    return progress;
}

} // namespace

SubjectProgress recordFirstMarking(const QString &folder, int subject, const QString &code, int paperCount, int paper,
                                   const QStringList &slotResults, const QString &percent, const QString &timeTaken,
                                   const QString &date, const FileWriter &writer)
{
    const auto summarise = [&](SubjectProgress &progress, QList<FileChange> &changes) {
        const QString trendPath = progressFilePath(folder, ProgressFile::Trend, subject, code);
        const QString trendLine = RecordFile::fromFile(trendPath).line(QStringLiteral("TRD"));
        // "#TRD#" alone holds no value; every '>' after the tag starts one.
        QStringList trend = trendLine.size() > 5 ? trendLine.mid(6).split(QLatin1Char('>')) : QStringList();
        if (!progress.isMarked(SummaryField::FirstState, paper - 1))
            trend.append(percent);
        RecordFile trendFile;
        trendFile.setRecord(QStringLiteral("TRD"), trend);
        changes.append({trendPath, trendFile.toBytes()});

        progress.setText(SummaryField::FirstScore, paper - 1, percent);
        progress.setText(SummaryField::TimeTaken, paper - 1, timeTaken);
        progress.setText(SummaryField::DateCompleted, paper - 1, date);
        progress.setMarked(SummaryField::FirstState, paper - 1, true);
    };
    return commitMarking(folder, subject, code, paperCount, paper, ProgressFile::FirstResults, slotResults, summarise,
                         writer);
}

SubjectProgress recordSecondMarking(const QString &folder, int subject, const QString &code, int paperCount,
                                    int paper, const QStringList &slotResults, const QString &percent,
                                    const FileWriter &writer)
{
    const auto summarise = [&](SubjectProgress &progress, QList<FileChange> &) {
        progress.setText(SummaryField::SecondScore, paper - 1, percent);
        progress.setMarked(SummaryField::SecondState, paper - 1, true);
    };
    return commitMarking(folder, subject, code, paperCount, paper, ProgressFile::SecondResults, slotResults,
                         summarise, writer);
}

} // namespace kw
