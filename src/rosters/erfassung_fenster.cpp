#include "rosters/erfassung_fenster.h"

#include "rosters/adressen_fenster.h"
#include "rosters/teilnehmer_fenster.h"

using namespace Qt::StringLiterals;

TeilnehmerErfassung::TeilnehmerErfassung(Zustand &zustand, Plattform &plattform,
                                         QWidget *hauptfenster)
    : QObject(hauptfenster)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_hauptfenster(hauptfenster)
{
}

TForm9 *TeilnehmerErfassung::form9()
{
    if (!m_form9) {
        m_form9 = new TForm9(m_zustand, m_plattform, m_hauptfenster);
        connect(m_form9, &TForm9::gewaehlt, this, &TeilnehmerErfassung::spieler_erfassen);
        connect(m_form9, &TForm9::startseite_zeigen, this, &TeilnehmerErfassung::startseite_zeigen);
        // Closed without opening a roster window: back to the start page.
        connect(m_form9, &TForm9::geschlossen, this, [this] {
            if (!adressen_offen())
                emit startseite_zeigen();
        });
    }
    return m_form9;
}

AdressenFenster *TeilnehmerErfassung::adressen(Mannschaft mannschaft)
{
    if (mannschaft == Mannschaft::eins) {
        if (!m_adressen) {
            m_adressen = new TAdressen(m_zustand, m_plattform, m_gewaehlt, m_hauptfenster);
            verbinden(m_adressen);
        }
        return m_adressen;
    }
    if (!m_adressen2) {
        m_adressen2 = new TAdressen2(m_zustand, m_plattform, m_gewaehlt, m_hauptfenster);
        verbinden(m_adressen2);
    }
    return m_adressen2;
}

void TeilnehmerErfassung::verbinden(AdressenFenster *fenster)
{
    connect(fenster, &AdressenFenster::startseite_zeigen, this,
            &TeilnehmerErfassung::startseite_zeigen);
}

bool TeilnehmerErfassung::adressen_offen() const
{
    return (m_adressen && m_adressen->isVisible()) || (m_adressen2 && m_adressen2->isVisible());
}

void TeilnehmerErfassung::teilnehmer_erfassen()
{
    form9()->zeigen();
}

void TeilnehmerErfassung::spieler_erfassen(Mannschaft mannschaft)
{
    // Shown before the chooser closes, so that its closing keeps the start page hidden.
    adressen(mannschaft)->oeffnen();
    if (mannschaft == Mannschaft::zwei && m_form9)
        m_form9->close();
}

Mannschaftswahl *TeilnehmerErfassung::importwahl()
{
    if (!m_importwahl) {
        m_importwahl = new Mannschaftswahl({.titel = u"Spieler importieren"_s,
                                            .knopf1 = u"Mannschaft &1 importieren"_s,
                                            .knopf2 = u"Mannschaft &2 importieren"_s},
                                           m_zustand, m_plattform, m_hauptfenster);
        m_importwahl->setObjectName("Importwahl");
        connect(m_importwahl, &Mannschaftswahl::gewaehlt, this, [this](Mannschaft mannschaft) {
            AdressenFenster *fenster = adressen(mannschaft);
            fenster->oeffnen();
            fenster->spieler_importieren();
        });
        connect(m_importwahl, &Mannschaftswahl::startseite_zeigen, this,
                &TeilnehmerErfassung::startseite_zeigen);
        connect(m_importwahl, &Mannschaftswahl::geschlossen, this, [this] {
            if (!adressen_offen())
                emit startseite_zeigen();
        });
    }
    return m_importwahl;
}

Mannschaftswahl *TeilnehmerErfassung::exportwahl()
{
    if (!m_exportwahl) {
        m_exportwahl = new Mannschaftswahl({.titel = u"Spieler exportieren"_s,
                                            .knopf1 = u"Mannschaft &1 exportieren"_s,
                                            .knopf2 = u"Mannschaft &2 exportieren"_s},
                                           m_zustand, m_plattform, m_hauptfenster);
        m_exportwahl->setObjectName("Exportwahl");
        connect(m_exportwahl, &Mannschaftswahl::gewaehlt, this,
                [this](Mannschaft mannschaft) { adressen(mannschaft)->spieler_exportieren(); });
    }
    return m_exportwahl;
}

void TeilnehmerErfassung::spieler_importieren()
{
    importwahl()->zeigen();
}

void TeilnehmerErfassung::spieler_exportieren()
{
    exportwahl()->zeigen();
}
