#pragma once

// Tagged record files: every data file of the program, shipped or written.
//
// A record line is  #KEY#>field1>field2>...>fieldN  ended by CR LF. The first
// '>' is not searched for: its position follows from the key width (three
// characters for catalogue, progress and paper keys, five for question ids).
// Every operation opens its file, scans it from the top and closes it again.
//
// Result lists stand for the fixed-size, 1-based arrays of the format: entry 0
// is field 1, and a list is as long as its capacity (unused entries empty).

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace kw {

inline constexpr int kShortKeyWidth = 3;
inline constexpr int kLongKeyWidth = 5;

inline constexpr int kTopicNameCapacity = 10;   // catalogue topic names
inline constexpr int kProgressCapacity = 50;    // summary records, one field per paper
inline constexpr int kPaperLineCapacity = 50;   // paper records of a per-paper file
inline constexpr int kPaperFieldCapacity = 80;  // answer slots of one paper
inline constexpr int kTrendCapacity = 50;       // percentages on the trend line

// Everything after "#KEY#>", or "" when the key is absent or the line too short.
QString GetRecordValue(const QString &path, const QString &key);

// The whole record line, or "" when the key is absent.
QString GetRecordLine(const QString &path, const QString &key);

// Fields 1..n of the record (three-character key); the last requested field
// carries the rest of the line. Returns `capacity` entries.
QStringList GetRecordFields(const QString &path, const QString &key, int n, int capacity);

// All fields of the record (three-character key), as many as it has.
QStringList GetAllRecordFields(const QString &path, const QString &key);

// One forward pass collecting the lines of records 101..100+n, in order.
// Returns kPaperLineCapacity entries; from the first missing record on, empty.
QStringList GetPaperLines(const QString &path, int n);

// The field extraction rule on a line in memory (three-character key).
QStringList SplitRecordFields(const QString &line, int n, int capacity);

// One forward pass over records with five-character keys, in the given order:
// the number of fields of each record.
QList<int> CountFieldsForKeys(const QString &path, const QStringList &keys);

// One forward pass over records with five-character keys: all their fields,
// concatenated in key order.
QStringList GetFieldsForKeys(const QString &path, const QStringList &keys);

// Sets lines[index] (1-based, given as decimal text) to the record built from
// key and fields[1..fieldCount], then rewrites the file with lines 1..lineCount.
void ReplaceLineAndSave(QStringList &lines, const QStringList &fields, const QString &index,
                        const QString &key, int lineCount, int fieldCount, const QString &path);

// Rewrites the file as exactly six records: keys[k] with values[k][1..n].
void SaveProgressRecords(const std::array<QStringList, 6> &values,
                         const std::array<QString, 6> &keys, int n, const QString &path);

// Builds "#key#>f1>...>fn" from the first n fields (no trailing '>').
QString BuildRecordLine(const QString &key, const QStringList &fields, int n);

// The lines of a text whose lines end in CR LF or LF.
QStringList SplitTextLines(const QString &text);

// True when text could not be stored as a field without breaking its record.
bool FieldTextIsUnsafe(const QString &text);

} // namespace kw
