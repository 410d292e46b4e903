#pragma once

// Small file helpers shared by the test suites.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>

namespace kwtest {

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

// Every file of a folder, hidden ones too, with its bytes: what a test
// compares before and after something that must leave the folder alone.
inline QMap<QString, QByteArray> folderBytes(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readAll(folder + QLatin1Char('/') + name));
    return files;
}

// The six summary records of a subject with `papers` papers: the given
// first and second scores (a missing or null one is empty), no times or
// dates, and every state 0.
inline QByteArray summaryRecords(const QStringList &first, const QStringList &second, int papers)
{
    auto record = [papers](const char *key, const QStringList &values, const QString &fill) {
        QStringList fields;
        for (int i = 0; i < papers; ++i)
            fields << (i < values.size() && !values.at(i).isNull() ? values.at(i) : fill);
        return QByteArray("#") + key + "#>" + fields.join(QLatin1Char('>')).toUtf8() + "\r\n";
    };
    return record("FSE", first, {}) + record("SSE", second, {}) + record("LTM", {}, {}) + record("CDD", {}, {})
           + record("FST", {}, QStringLiteral("0")) + record("SST", {}, QStringLiteral("0"));
}

} // namespace kwtest
