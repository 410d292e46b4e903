// Record files from arbitrary bytes: parsing, every lookup on what was parsed,
// replacing records, and writing the file back out. Lookups may refuse a
// record with RuntimeError; nothing may crash, hang or throw anything else.
// Writing and reading back keeps every line (bar the "..." lines of shipped
// tables, which the program never writes), and a record set with storable
// fields reads back as exactly those fields.

#include "fuzzcheck.h"

#include "data/catalogue.h"
#include "data/recordfile.h"
#include "data/runtimeerror.h"
#include "data/storabletext.h"

#include <algorithm>

using namespace kw;
using kwfuzz::require;

namespace {

// Keys looked up per input, and keys whose record is replaced: enough to
// reach every lookup, few enough to keep each run quick.
constexpr int kMostKeys = 32;
constexpr int kMostReplacedKeys = 6;

QString joined(const QStringList &list)
{
    return QLatin1Char('[') + list.join(QStringLiteral("|")) + QLatin1Char(']');
}

// The keys the file itself names ("#KEY#" at the start of a line), and the
// keys the program looks up.
QStringList keysToTry(const RecordFile &file)
{
    QStringList keys{QStringLiteral("FSE"), QStringLiteral("SSE"), QStringLiteral("LTM"), QStringLiteral("CDD"),
                     QStringLiteral("FST"), QStringLiteral("SST"), QStringLiteral("TRD"), QStringLiteral("LAH"),
                     QStringLiteral("TT1"), QStringLiteral("TP1"), QStringLiteral("TN1"), QStringLiteral("101"),
                     QStringLiteral("11001")};
    for (const QString &line : file.lines()) {
        if (!line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype end = line.indexOf(QLatin1Char('#'), 1);
        if (end > 1 && end <= 8)
            keys.append(line.mid(1, end - 1));
        if (keys.size() >= kMostKeys)
            break;
    }
    keys.removeDuplicates();
    return keys;
}

template <typename Lookup>
void tolerateRefusal(Lookup lookup)
{
    try {
        lookup();
    } catch (const RuntimeError &) {
    }
}

void exerciseLookups(const RecordFile &file, const QStringList &keys)
{
    for (const QString &key : keys) {
        const QString line = file.line(key);
        require(line.isEmpty() || line.contains(QLatin1Char('#') + key + QLatin1Char('#')),
                "line() returns a line holding the key's tag", line);
        file.value(key);
        for (int n : {0, 1, 2, 3, 6, 50, 51}) {
            tolerateRefusal([&] {
                const QStringList fields = file.fields(key, n, kProgressCapacity);
                require(fields.size() == kProgressCapacity, "fields() returns its capacity");
            });
        }
        tolerateRefusal([&] {
            const QStringList fields = file.allFields(key);
            require(fields.size() == line.count(QLatin1Char('>')), "allFields() returns every field", line);
        });
        tolerateRefusal([&] { RecordFile::splitFields(line, 4, kPaperFieldCapacity); });
    }
    for (int n : {0, 1, 5, 35, 50}) {
        tolerateRefusal([&] {
            const QStringList lines = file.paperLines(n);
            require(lines.size() == kPaperLineCapacity, "paperLines() returns its capacity");
        });
    }
    tolerateRefusal([&] { file.paperLines(51); });

    QStringList longKeys;
    for (const QString &key : keys) {
        if (key.size() == kLongKeyWidth)
            longKeys.append(key);
    }
    tolerateRefusal([&] {
        const QList<int> counts = file.fieldCountsForKeys(longKeys);
        require(counts.size() == longKeys.size(), "fieldCountsForKeys() counts every key");
    });
    tolerateRefusal([&] { file.fieldsForKeys(longKeys); });
    tolerateRefusal([&] { readCatalogue(file); });
}

QStringList withoutDots(const QStringList &lines)
{
    QStringList kept;
    for (const QString &line : lines) {
        if (line != QLatin1String("..."))
            kept.append(line);
    }
    return kept;
}

void checkRoundTrip(const RecordFile &file)
{
    const RecordFile again = RecordFile::fromBytes(file.toBytes());
    require(again.lines() == withoutDots(file.lines()), "writing and reading back keeps every line",
            joined(file.lines()) + QStringLiteral(" became ") + joined(again.lines()));
    require(again.toBytes() == file.toBytes(), "a written file writes back byte for byte");
}

// Fields for a record made from the file's own text, split where the
// storable-text rule allows.
QStringList fieldsFrom(const RecordFile &file)
{
    QStringList fields;
    for (const QString &line : file.lines()) {
        for (const QString &piece : line.split(QLatin1Char('>'))) {
            if (isStorableText(piece))
                fields.append(piece);
            if (fields.size() >= 8)
                return fields;
        }
    }
    return fields;
}

void checkSetRecord(RecordFile file, const QString &key, const QStringList &fields)
{
    const bool storable = isStorableText(key) && std::all_of(fields.cbegin(), fields.cend(), isStorableText);
    const QStringList before = file.lines();
    try {
        file.setRecord(key, fields);
    } catch (const RuntimeError &) {
        require(!storable, "setRecord() accepts storable text", key + QLatin1Char(' ') + joined(fields));
        require(file.lines() == before, "a refused setRecord() changes nothing");
        return;
    }
    require(storable, "setRecord() refuses text that cannot be stored", key + QLatin1Char(' ') + joined(fields));

    const RecordFile again = RecordFile::fromBytes(file.toBytes());
    // A record always has at least one field, empty when none was given.
    const QStringList expected = fields.isEmpty() ? QStringList{QString()} : fields;
    if (key.size() == kShortKeyWidth) {
        const QStringList read = again.allFields(key);
        require(read == expected, "a record set with storable fields reads back as those fields",
                key + QLatin1Char(' ') + joined(expected) + QStringLiteral(" read as ") + joined(read));
    } else if (key.size() == kLongKeyWidth) {
        const QStringList read = again.fieldsForKeys({key});
        require(read == expected, "a long-key record set with storable fields reads back as those fields",
                key + QLatin1Char(' ') + joined(expected) + QStringLiteral(" read as ") + joined(read));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RecordFile file = RecordFile::fromBytes(kwfuzz::bytesOf(data, size), QStringLiteral("fuzz.txt"));
    require(file.name() == QLatin1String("fuzz.txt"), "the file keeps its name");
    for (const QString &line : file.lines())
        require(!line.contains(QLatin1Char('\n')), "no line holds a line feed", line);

    const QStringList keys = keysToTry(file);
    exerciseLookups(file, keys);
    checkRoundTrip(file);

    const QStringList fields = fieldsFrom(file);
    // The file's own keys first, then the program's.
    for (int k = int(keys.size()) - 1, replaced = 0; k >= 0 && replaced < kMostReplacedKeys; --k, ++replaced) {
        checkSetRecord(file, keys.at(k), fields);
        checkSetRecord(file, keys.at(k), {});
    }
    // The file's own lines as fields: refused unless storable.
    checkSetRecord(file, QStringLiteral("ZZZ"), file.lines().mid(0, 4));
    return 0;
}
