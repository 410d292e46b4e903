#include "data/recordfile.h"

#include "data/resources.h"
#include "data/runtimeerror.h"
#include "data/storabletext.h"

#include <QFile>
#include <QFileInfo>

namespace kw {

namespace {

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
                               QStringLiteral("record has fewer than %1 fields: \"%2\"").arg(n).arg(excerpt(line)));
        fields[i] = line.mid(p + 1, q - p - 1);
        p = q;
    }
    if (line.size() - p - 1 < 0)
        throw RuntimeError(ErrorKind::InvalidArgument,
                           QStringLiteral("record has fewer than %1 fields: \"%2\"").arg(n).arg(excerpt(line)));
    fields[n - 1] = line.mid(p + 1);
    return fields;
}

// Walks lines forward from `next`, returning the first line holding key's tag.
const QString &nextRecord(const QStringList &lines, qsizetype &next, const QString &key, const QString &name)
{
    const QString needle = RecordFile::tag(key);
    while (next < lines.size()) {
        const QString &line = lines.at(next++);
        if (line.contains(needle))
            return line;
    }
    throw RuntimeError(ErrorKind::InvalidArgument,
                       QStringLiteral("record %1 not found (in order) in %2").arg(key, name));
}

} // namespace

QString excerpt(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    return text.left(length) + QChar(0x2026);
}

RecordFile RecordFile::fromBytes(const QByteArray &bytes, const QString &name)
{
    RecordFile file;
    file.m_name = name;
    file.m_lines = splitLines(QString::fromUtf8(bytes));
    return file;
}

RecordFile RecordFile::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Messages name the file, never the folder it is in.
        const QString name = QFileInfo(path).fileName();
        if (!QFileInfo::exists(path))
            throw RuntimeError(ErrorKind::FileNotFound, QStringLiteral("%1 is missing").arg(name));
        throw RuntimeError(ErrorKind::FileAccess, QStringLiteral("%1 cannot be read: %2").arg(name, file.errorString()));
    }
    return fromBytes(file.readAll(), path);
}

RecordFile RecordFile::fromResource(int id)
{
    const QString path = resourcePath(id, QStringLiteral("Custom"));
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly))
        throw RuntimeError(ErrorKind::ResourceNotFound, QStringLiteral("resource %1 not found").arg(id));
    return fromBytes(resource.readAll(), path);
}

QStringList RecordFile::splitLines(const QString &text)
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

qsizetype RecordFile::indexOf(const QString &key) const
{
    const QString needle = tag(key);
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).contains(needle))
            return i;
    }
    return -1;
}

QString RecordFile::line(const QString &key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? QString() : m_lines.at(i);
}

QString RecordFile::value(const QString &key) const
{
    const QString found = line(key);
    return found.size() < 7 ? QString() : found.mid(6);
}

QStringList RecordFile::fields(const QString &key, int n, int capacity) const
{
    requireCapacity(n, capacity);
    return extractFields(line(key), n, kShortKeyWidth, capacity);
}

QStringList RecordFile::allFields(const QString &key) const
{
    const QString found = line(key);
    const int m = fieldCount(found);
    if (m == 0)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("record %1 has no fields in %2").arg(key, m_name));
    return extractFields(found, m, kShortKeyWidth, m);
}

QStringList RecordFile::paperLines(int n) const
{
    requireCapacity(n, kPaperLineCapacity);
    QStringList result(kPaperLineCapacity);
    qsizetype next = 0;
    for (int b = 1; b <= n; ++b) {
        const QString needle = tag(QString::number(100 + b));
        bool found = false;
        while (next < m_lines.size()) {
            const QString &candidate = m_lines.at(next++);
            if (candidate.contains(needle)) {
                result[b - 1] = candidate;
                found = true;
                break;
            }
        }
        if (!found)
            break;
    }
    return result;
}

QList<int> RecordFile::fieldCountsForKeys(const QStringList &keys) const
{
    QList<int> counts;
    counts.reserve(keys.size());
    qsizetype next = 0;
    for (const QString &key : keys)
        counts.append(fieldCount(nextRecord(m_lines, next, key, m_name)));
    return counts;
}

QStringList RecordFile::fieldsForKeys(const QStringList &keys) const
{
    QStringList all;
    qsizetype next = 0;
    for (const QString &key : keys) {
        const QString &found = nextRecord(m_lines, next, key, m_name);
        const int m = fieldCount(found);
        if (m > 0)
            all += extractFields(found, m, kLongKeyWidth, m);
    }
    return all;
}

void RecordFile::setRecord(const QString &key, const QStringList &fields)
{
    if (!isStorableText(key))
        throw RuntimeError(ErrorKind::InvalidArgument, QStringLiteral("\"%1\" cannot be a record key").arg(key));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!isStorableText(fields.at(i)))
            throw RuntimeError(ErrorKind::InvalidArgument,
                               QStringLiteral("field %1 holds a character that cannot be stored: \"%2\"")
                                   .arg(i + 1)
                                   .arg(excerpt(fields.at(i))));
    }
    const QString record = recordLine(key, fields);
    const qsizetype i = indexOf(key);
    if (i < 0)
        m_lines.append(record);
    else
        m_lines[i] = record;
}

QByteArray RecordFile::toBytes() const
{
    QByteArray bytes;
    for (const QString &text : m_lines) {
        if (text == QLatin1String("..."))
            continue;
        bytes += text.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList RecordFile::splitFields(const QString &line, int n, int capacity)
{
    return extractFields(line, n, kShortKeyWidth, capacity);
}

QString RecordFile::tag(const QString &key)
{
    return QLatin1Char('#') + key + QLatin1Char('#');
}

int RecordFile::fieldCount(const QString &line)
{
    return int(line.count(QLatin1Char('>')));
}

QString RecordFile::recordLine(const QString &key, const QStringList &fields)
{
    return tag(key) + QLatin1Char('>') + fields.join(QLatin1Char('>'));
}

} // namespace kw
