#include "data/catalogue.h"

#include "data/resources.h"

#include <QFile>
#include "data/runtimeerror.h"

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

int toCount16(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw RuntimeError(ErrorKind::TypeMismatch, QStringLiteral("\"%1\" is not a whole number").arg(text));
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("%1 is out of range").arg(value));
    return int(value);
}

Catalogue readCatalogue(const RecordFile &file)
{
    Catalogue catalogue;
    catalogue.title = file.value(QStringLiteral("NME"));
    catalogue.code = file.value(QStringLiteral("COD"));
    for (int s = 1; s <= 3; ++s) {
        CatalogueSubject &subject = catalogue.subjects[std::size_t(s - 1)];
        subject.name = file.value(QLatin1String(kSubjectNameKeys[std::size_t(s - 1)]));
        subject.topicNames = QStringList(kTopicNameCapacity);
        if (subject.name.isEmpty())
            continue;
        const QString n = QString::number(s);
        subject.topicCount = toCount16(file.value(QStringLiteral("TT") + n));
        subject.paperCount = toCount16(file.value(QStringLiteral("TP") + n));
        if (subject.topicCount < 0 || subject.paperCount < 0 || subject.paperCount > kProgressCapacity)
            throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                               QStringLiteral("subject %1 has %2 topics and %3 papers")
                                   .arg(s)
                                   .arg(subject.topicCount)
                                   .arg(subject.paperCount));
        subject.topicNames = file.fields(QStringLiteral("TN") + n, subject.topicCount, kTopicNameCapacity);
    }
    return catalogue;
}

Catalogue loadCatalogue()
{
    if (!QFile::exists(resourcePath(kCatalogueResource, QStringLiteral("Custom"))))
        return Catalogue{};
    return readCatalogue(RecordFile::fromResource(kCatalogueResource));
}

} // namespace kw
