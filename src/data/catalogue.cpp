#include "data/catalogue.h"

#include "data/resources.h"
#include "data/runtimeerror.h"
#include "data/taggedrecords.h"
#include "data/temporarycopy.h"

#include <limits>

namespace kw {

bool Catalogue::hasSubject(int s) const
{
    return s >= 1 && s <= 3 && !subjects[std::size_t(s - 1)].name.isEmpty();
}

const CatalogueSubject &Catalogue::subject(int s) const
{
    if (s < 1 || s > 3)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no subject %1").arg(s));
    return subjects[std::size_t(s - 1)];
}

int ToCount16(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw RuntimeError(ErrorKind::TypeMismatch, QStringLiteral("\"%1\" is not a whole number").arg(text));
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("%1 is out of range").arg(value));
    return int(value);
}

Catalogue ReadCatalogue(const QString &path)
{
    Catalogue catalogue;
    catalogue.title = GetRecordValue(path, QStringLiteral("NME"));
    catalogue.code = GetRecordValue(path, QStringLiteral("COD"));
    for (int s = 1; s <= 3; ++s) {
        CatalogueSubject &subject = catalogue.subjects[std::size_t(s - 1)];
        subject.name = GetRecordValue(path, QLatin1String(kSubjectNameKeys[std::size_t(s - 1)]));
        subject.topicNames = QStringList(kTopicNameCapacity);
        if (subject.name.isEmpty())
            continue;
        const QString n = QString::number(s);
        subject.topicCount = ToCount16(GetRecordValue(path, QStringLiteral("TT") + n));
        subject.paperCount = ToCount16(GetRecordValue(path, QStringLiteral("TP") + n));
        if (subject.topicCount < 0 || subject.paperCount < 0 || subject.paperCount > kProgressCapacity)
            throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                               QStringLiteral("subject %1 has %2 topics and %3 papers")
                                   .arg(s)
                                   .arg(subject.topicCount)
                                   .arg(subject.paperCount));
        subject.topicNames = GetRecordFields(path, QStringLiteral("TN") + n, subject.topicCount,
                                             kTopicNameCapacity);
    }
    return catalogue;
}

Catalogue LoadCatalogue(const QString &appFolder)
{
    const QString path = appFolder + QStringLiteral("/temptext30000.txt");
    if (ExtractResourceToFile(kCatalogueResource, QStringLiteral("Custom"), path) != 0)
        return Catalogue{};
    TemporaryCopy copy(path);
    return ReadCatalogue(path);
}

} // namespace kw
