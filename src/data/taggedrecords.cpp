#include "data/taggedrecords.h"

#include "data/atomicwrite.h"
#include "data/runtimeerror.h"

#include <QFile>
#include <QFileInfo>

namespace kw {

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            throw RuntimeError(ErrorKind::FileNotFound, QStringLiteral("file not found: %1").arg(path));
        throw RuntimeError(ErrorKind::FileAccess,
                           QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    return SplitTextLines(QString::fromUtf8(file.readAll()));
}

QString tag(const QString &key)
{
    return QLatin1Char('#') + key + QLatin1Char('#');
}

QString findRecord(const QStringList &lines, const QString &key)
{
    const QString needle = tag(key);
    for (const QString &line : lines) {
        if (line.contains(needle))
            return line;
    }
    return {};
}

void requireCapacity(int n, int capacity)
{
    if (n > capacity)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("%1 fields asked for, room for %2").arg(n).arg(capacity));
}

// Fields 1..n of line, the first '>' taken at the position the key width gives.
QStringList extractFields(const QString &line, int n, int keyWidth, int capacity)
{
    requireCapacity(n, capacity);
    QStringList fields(capacity);
    if (n <= 0)
        return fields;
    qsizetype p = keyWidth + 2; // 0-based position of the first '>'
    for (int i = 0; i < n - 1; ++i) {
        const qsizetype q = line.indexOf(QLatin1Char('>'), p + 1);
        if (q < 0)
            throw RuntimeError(ErrorKind::InvalidArgument,
                               QStringLiteral("record has fewer than %1 fields: \"%2\"").arg(n).arg(line));
        fields[i] = line.mid(p + 1, q - p - 1);
        p = q;
    }
    if (line.size() - p - 1 < 0)
        throw RuntimeError(ErrorKind::InvalidArgument,
                           QStringLiteral("record has fewer than %1 fields: \"%2\"").arg(n).arg(line));
    fields[n - 1] = line.mid(p + 1);
    return fields;
}

int countFields(const QString &line)
{
    return int(line.count(QLatin1Char('>')));
}

// Walks lines forward from `next`, returning the first line holding key's tag.
QString nextRecord(const QStringList &lines, qsizetype &next, const QString &key, const QString &path)
{
    const QString needle = tag(key);
    while (next < lines.size()) {
        const QString &line = lines.at(next++);
        if (line.contains(needle))
            return line;
    }
    throw RuntimeError(ErrorKind::InvalidArgument,
                       QStringLiteral("record %1 not found (in order) in %2").arg(key, path));
}

void writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    WriteFileAtomically(path, bytes);
}

void requireSafeFields(const QStringList &fields, int n)
{
    for (int i = 0; i < n; ++i) {
        if (FieldTextIsUnsafe(fields.at(i)))
            throw RuntimeError(ErrorKind::InvalidArgument,
                               QStringLiteral("field %1 holds a character that cannot be stored: \"%2\"")
                                   .arg(i + 1)
                                   .arg(fields.at(i)));
    }
}

} // namespace

QStringList SplitTextLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // The piece after the last line end is not a line of its own.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

bool FieldTextIsUnsafe(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('>') || c == QLatin1Char('#') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return true;
    }
    return false;
}

QString GetRecordValue(const QString &path, const QString &key)
{
    const QString line = findRecord(readLines(path), key);
    return line.size() < 7 ? QString() : line.mid(6);
}

QString GetRecordLine(const QString &path, const QString &key)
{
    return findRecord(readLines(path), key);
}

QStringList GetRecordFields(const QString &path, const QString &key, int n, int capacity)
{
    requireCapacity(n, capacity);
    return extractFields(findRecord(readLines(path), key), n, kShortKeyWidth, capacity);
}

QStringList GetAllRecordFields(const QString &path, const QString &key)
{
    const QString line = findRecord(readLines(path), key);
    const int m = countFields(line);
    if (m == 0)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("record %1 has no fields in %2").arg(key, path));
    return extractFields(line, m, kShortKeyWidth, m);
}

QStringList GetPaperLines(const QString &path, int n)
{
    requireCapacity(n, kPaperLineCapacity);
    const QStringList lines = readLines(path);
    QStringList result(kPaperLineCapacity);
    qsizetype next = 0;
    for (int b = 1; b <= n; ++b) {
        const QString needle = tag(QString::number(100 + b));
        bool found = false;
        while (next < lines.size()) {
            const QString &line = lines.at(next++);
            if (line.contains(needle)) {
                result[b - 1] = line;
                found = true;
                break;
            }
        }
        if (!found)
            break;
    }
    return result;
}

QStringList SplitRecordFields(const QString &line, int n, int capacity)
{
    return extractFields(line, n, kShortKeyWidth, capacity);
}

QList<int> CountFieldsForKeys(const QString &path, const QStringList &keys)
{
    const QStringList lines = readLines(path);
    QList<int> counts;
    counts.reserve(keys.size());
    qsizetype next = 0;
    for (const QString &key : keys)
        counts.append(countFields(nextRecord(lines, next, key, path)));
    return counts;
}

QStringList GetFieldsForKeys(const QString &path, const QStringList &keys)
{
    const QStringList lines = readLines(path);
    QStringList all;
    qsizetype next = 0;
    for (const QString &key : keys) {
        const QString line = nextRecord(lines, next, key, path);
        const int m = countFields(line);
        if (m > 0)
            all += extractFields(line, m, kLongKeyWidth, m);
    }
    return all;
}

QString BuildRecordLine(const QString &key, const QStringList &fields, int n)
{
    if (n > fields.size())
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("%1 fields to write, %2 given").arg(n).arg(fields.size()));
    QString line = tag(key) + QLatin1Char('>');
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            line += QLatin1Char('>');
        line += fields.at(i);
    }
    return line;
}

void ReplaceLineAndSave(QStringList &lines, const QStringList &fields, const QString &index,
                        const QString &key, int lineCount, int fieldCount, const QString &path)
{
    bool ok = false;
    const int i = index.trimmed().toInt(&ok);
    if (!ok)
        throw RuntimeError(ErrorKind::TypeMismatch, QStringLiteral("paper index \"%1\" is not a number").arg(index));
    if (i < 1 || i > kPaperLineCapacity || lineCount > kPaperLineCapacity)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("paper index %1 or line count %2 out of range").arg(i).arg(lineCount));
    if (lines.size() < kPaperLineCapacity)
        lines.resize(kPaperLineCapacity);
    requireSafeFields(fields, std::min<int>(fieldCount, fields.size()));
    const QString record = BuildRecordLine(key, fields, fieldCount);
    lines[i - 1] = record;
    writeLines(path, lines.mid(0, std::max(lineCount, 0)));
}

void SaveProgressRecords(const std::array<QStringList, 6> &values,
                         const std::array<QString, 6> &keys, int n, const QString &path)
{
    QStringList lines;
    for (std::size_t k = 0; k < values.size(); ++k) {
        requireSafeFields(values[k], std::min<int>(n, values[k].size()));
        lines.append(BuildRecordLine(keys[k], values[k], n));
    }
    writeLines(path, lines);
}

} // namespace kw
