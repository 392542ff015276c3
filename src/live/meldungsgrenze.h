#pragma once

#include <QHash>
#include <QList>
#include <QString>

// How often something may happen per address within a sliding window: the proposals of one
// phone, the failed keys of one address. The table of addresses is bounded too: when it is full
// of addresses active within the window, a new address is refused until one falls out.
class Meldungsgrenze
{
public:
    Meldungsgrenze(int hoechstens, qint64 fenster_ms, int adressen_hoechstens = 256);

    // True, and counted, when the address may do it once more at jetzt_ms.
    bool zulassen(const QString &adresse, qint64 jetzt_ms);
    // Whether it may, without counting.
    bool frei(const QString &adresse, qint64 jetzt_ms) const;

private:
    void vergessen(qint64 jetzt_ms);
    int zaehlen(const QString &adresse, qint64 jetzt_ms) const;

    int m_hoechstens;
    qint64 m_fenster_ms;
    int m_adressen_hoechstens;
    QHash<QString, QList<qint64>> m_zeiten; // each address's counted moments, oldest first
};
