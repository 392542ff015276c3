#include "shell/live_modul.h"

#include "live/live_fenster.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

// Qt Network and Qt WebSockets, loaded only when the live page is first asked for.
class QtLiveModul : public QObject, public LiveModul
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LiveModul_iid)
    Q_INTERFACES(LiveModul)

public:
    QWidget *fenster_zeigen(Zustand &zustand, Plattform &plattform, QWidget *hauptfenster) override
    {
        if (!m_fenster) {
            m_fenster = new LiveFenster(zustand, plattform, hauptfenster);
            m_fenster->server().tische_setzen(m_annahme);
            m_fenster->stand_senden(m_stand);
            QObject::connect(m_fenster, &LiveFenster::lage_geaendert, m_fenster,
                             [this] { melden(); });
        }
        m_fenster->show();
        m_fenster->raise();
        m_fenster->activateWindow();
        return m_fenster;
    }
    void stand_senden(const QByteArray &dokument) override
    {
        m_stand = dokument;
        if (m_fenster)
            m_fenster->stand_senden(dokument);
    }

    void tische_anbinden(Tischannahme *annahme) override
    {
        m_annahme = annahme;
        if (m_fenster)
            m_fenster->server().tische_setzen(annahme);
    }
    QString tischseite() const override { return m_fenster ? m_fenster->tischseite() : QString(); }

    void bei_aenderung(std::function<void(std::optional<int>)> rueckruf) override
    {
        m_melden = std::move(rueckruf);
        melden();
    }

private:
    void melden()
    {
        if (!m_melden)
            return;
        const bool an = m_fenster && m_fenster->server().laeuft();
        m_melden(an ? std::optional<int>(m_fenster->server().telefone()) : std::nullopt);
    }

    QPointer<LiveFenster> m_fenster;
    Tischannahme *m_annahme = nullptr;
    std::function<void(std::optional<int>)> m_melden;
    QByteArray m_stand;
};

#include "live_modul.moc"
