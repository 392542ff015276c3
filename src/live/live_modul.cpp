#include "shell/live_modul.h"

#include "live/live_fenster.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

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
            m_fenster->stand_senden(m_stand);
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

private:
    QPointer<LiveFenster> m_fenster;
    QByteArray m_stand;
};

#include "live_modul.moc"
