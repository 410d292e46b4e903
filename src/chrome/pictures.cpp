#include "chrome/pictures.h"

#include <QDir>

namespace kw {

Pictures::Pictures(QString folder) : m_folder(std::move(folder)) {}

QPixmap Pictures::get(const QString &name) const
{
    const QString key = name.toLower();
    const auto cached = m_cache.constFind(key);
    if (cached != m_cache.constEnd())
        return *cached;
    QPixmap pixmap;
    const QDir dir(m_folder);
    for (const QString &entry : dir.entryList(QDir::Files)) {
        if (entry.toLower() == key) {
            pixmap.load(dir.filePath(entry));
            break;
        }
    }
    m_cache.insert(key, pixmap);
    return pixmap;
}

} // namespace kw
