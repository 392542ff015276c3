#include "printing/adressdruck_fenster.h"

#include "printing/drucken_fenster.h"
#include "printing/druckwahl_fenster.h"

Adressdruck::Adressdruck(Zustand &zustand, Plattform &plattform, QWidget *hauptfenster)
    : QObject(hauptfenster)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_hauptfenster(hauptfenster)
{
}

TForm15 *Adressdruck::form15()
{
    if (!m_form15) {
        m_form15 = new TForm15(m_zustand, m_plattform, m_hauptfenster);
        connect(m_form15, &TForm15::gewaehlt, this, &Adressdruck::drucken);
        connect(m_form15, &TForm15::startseite_zeigen, this, &Adressdruck::startseite_zeigen);
        // Closed without opening the print window: back to the start page.
        connect(m_form15, &TForm15::geschlossen, this, [this] {
            if (!m_form14 || !m_form14->isVisible())
                emit startseite_zeigen();
        });
    }
    return m_form15;
}

TForm14 *Adressdruck::form14()
{
    if (!m_form14) {
        m_form14 = new TForm14(m_zustand, m_plattform, m_hauptfenster);
        connect(m_form14, &TForm14::startseite_zeigen, this, &Adressdruck::startseite_zeigen);
    }
    return m_form14;
}

void Adressdruck::adressen_drucken()
{
    form15()->zeigen();
}

void Adressdruck::drucken(Mannschaft mannschaft)
{
    form14()->oeffnen(mannschaft);
}
