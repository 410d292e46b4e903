#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace kw {

// The skin pictures in the Graphics folder, found by name whatever its
// letter case, decoded once and kept.
class Pictures {
public:
    explicit Pictures(QString folder);

    QPixmap get(const QString &name) const;
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    mutable QHash<QString, QPixmap> m_cache;
};

} // namespace kw
