#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace kw {

// Keeps one copy of the program per data folder: two copies working on the
// same progress files would overwrite each other's answers, and the second
// one's start-up clean-up would remove the first one's page file.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the folder for this copy. False when another copy holds it; that
    // copy has then been asked to bring its window forward.
    bool acquire();

signals:
    // A later start on the same folder asked this copy to show itself.
    void activationRequested();

private:
    QString serverName() const;

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace kw
