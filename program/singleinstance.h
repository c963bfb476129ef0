#pragma once
// Keeps one running program per program folder, so two processes never write the same
// results files. The first start holds a lock file and listens for later starts; a later
// start asks it to come forward and then ends.

#include <QLockFile>
#include <QObject>

class QLocalServer;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one that runs on the folder.
    bool acquire();
    // Asks the running program to bring its window forward; true when it answered.
    bool notifyRunning();

signals:
    void activationRequested();

private:
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
