#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

// Turns a stream of changes into few pushes to the phones. A change only marks the snapshot
// stale, so typing a result pays for nothing but that mark; the snapshot is built in a later
// turn of the event loop, at most once per abstand, and only a snapshot that differs from the
// last one is pushed, with the next running number.
class LiveVerdichter : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds abstand{150};

    explicit LiveVerdichter(std::function<QJsonObject()> bauen, QObject *eltern = nullptr);

    void markieren();
    // The document last pushed; the first call builds it.
    QByteArray dokument();
    qint64 fassung() const { return m_fassung; }

signals:
    void neuer_stand(const QByteArray &dokument);

private:
    void bauen();

    std::function<QJsonObject()> m_bauen;
    QTimer m_takt;
    QElapsedTimer m_seit_letztem;
    QJsonObject m_stand;
    QByteArray m_dokument;
    qint64 m_fassung = 0;
};
