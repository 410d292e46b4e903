#pragma once

// Tagged record files: every data file of the program, shipped or written.
//
// A record line is  #KEY#>field1>field2>...>fieldN  ended by CR LF. The first
// '>' is not searched for: its position follows from the key width (three
// characters for catalogue, progress and paper keys, five for question ids).
// A record is found as the first line holding "#KEY#" anywhere in it.
//
// A RecordFile is parsed once from the bytes of a file or resource and then
// answers every lookup from memory. Field lists with a capacity stand for the
// fixed-size, 1-based arrays of the format: entry 0 is field 1, and the list
// is as long as its capacity (unused entries empty).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

inline constexpr int kShortKeyWidth = 3;
inline constexpr int kLongKeyWidth = 5;

inline constexpr int kTopicNameCapacity = 10;   // catalogue topic names
inline constexpr int kProgressCapacity = 50;    // summary records, one field per paper
inline constexpr int kPaperLineCapacity = 50;   // paper records of a per-paper file
inline constexpr int kPaperFieldCapacity = 80;  // answer slots of one paper
inline constexpr int kTrendCapacity = 50;       // percentages on the trend line

// At most `length` characters of text, for quoting in a message: a damaged
// record can be megabytes long. A cut text ends in an ellipsis.
QString excerpt(const QString &text, int length = 40);

class RecordFile {
public:
    RecordFile() = default;

    // Lines end in CR LF or LF; the bytes are UTF-8.
    static RecordFile fromBytes(const QByteArray &bytes, const QString &name = QString());
    // Throws RuntimeError(FileNotFound) or (FileAccess).
    static RecordFile fromFile(const QString &path);
    // Resource `id` of type "Custom", read straight from the resource system.
    // Throws RuntimeError(ResourceNotFound).
    static RecordFile fromResource(int id);

    // What the file was read from, for messages.
    const QString &name() const { return m_name; }
    const QStringList &lines() const { return m_lines; }

    // The whole record line, or "" when the key is absent.
    QString line(const QString &key) const;

    // Everything after "#KEY#>" (three-character key), or "" when the key is
    // absent or the line too short.
    QString value(const QString &key) const;

    // Fields 1..n of the record (three-character key); the last requested
    // field carries the rest of the line. Returns `capacity` entries.
    QStringList fields(const QString &key, int n, int capacity) const;

    // All fields of the record (three-character key), as many as it has.
    QStringList allFields(const QString &key) const;

    // One forward pass collecting the lines of records 101..100+n, in order.
    // Returns kPaperLineCapacity entries; from the first missing record on, empty.
    QStringList paperLines(int n) const;

    // One forward pass over records with five-character keys, in the given
    // order: the number of fields of each record.
    QList<int> fieldCountsForKeys(const QStringList &keys) const;

    // One forward pass over records with five-character keys: all their
    // fields, concatenated in key order.
    QStringList fieldsForKeys(const QStringList &keys) const;

    // Replaces the record of key (the line lookups would find) with
    // "#key#>f1>...>fn", or appends it when there is none. Throws
    // RuntimeError(InvalidArgument), changing nothing, when a field is not
    // storable text.
    void setRecord(const QString &key, const QStringList &fields);

    // The file as the program writes it: every line ended by CR LF, the
    // "..." lines that open and close shipped tables left out.
    QByteArray toBytes() const;

    // The field extraction rule on a line in memory (three-character key).
    static QStringList splitFields(const QString &line, int n, int capacity);

    // "#key#": what a record line of key holds.
    static QString tag(const QString &key);

    // The number of fields of a record line: its '>' separators.
    static int fieldCount(const QString &line);

    // "#key#>f1>...>fn" (no trailing '>'); "#key#>" for no fields.
    static QString recordLine(const QString &key, const QStringList &fields);

    // The lines of a text whose lines end in CR LF or LF.
    static QStringList splitLines(const QString &text);

private:
    qsizetype indexOf(const QString &key) const;

    QString m_name;
    QStringList m_lines;
};

} // namespace kw
