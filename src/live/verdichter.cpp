#include "live/verdichter.h"

#include "live/tagesstand.h"

#include <algorithm>

LiveVerdichter::LiveVerdichter(std::function<QJsonObject()> bauen, QObject *eltern)
    : QObject(eltern)
    , m_bauen(std::move(bauen))
{
    m_takt.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, which would shorten the interval.
    m_takt.setTimerType(Qt::PreciseTimer);
    connect(&m_takt, &QTimer::timeout, this, &LiveVerdichter::bauen);
}

void LiveVerdichter::markieren()
{
    if (m_takt.isActive())
        return;
    const qint64 vergangen = m_seit_letztem.isValid() ? m_seit_letztem.elapsed() : abstand.count();
    m_takt.start(std::chrono::milliseconds(std::max<qint64>(0, abstand.count() - vergangen)));
}

QByteArray LiveVerdichter::dokument()
{
    if (m_dokument.isEmpty())
        bauen();
    return m_dokument;
}

void LiveVerdichter::bauen()
{
    QJsonObject neu = m_bauen();
    if (!m_dokument.isEmpty() && neu == m_stand)
        return;
    m_stand = std::move(neu);
    m_dokument = stand_dokument(m_stand, ++m_fassung);
    m_seit_letztem.start();
    emit neuer_stand(m_dokument);
}
