#include "printing/adressliste.h"

#include <array>

using namespace Qt::StringLiterals;

namespace druck {
const QString titel = u"Mitglieder Adressen drucken"_s;
} // namespace druck

namespace {

// Left edge of the data columns and of the headings.
constexpr int x0 = druck::rand - 90;
constexpr int x1 = x0 + 10;
constexpr int titel_y = druck::rand - 70;
constexpr int band_oben = 75;
constexpr int band_unten = 105;
constexpr int abstand_ueberschrift = 40;
constexpr int abstand_zeilen = 10;

struct Datenspalte
{
    int x;
    speicher::TextFeld feld;
};
constexpr std::array<Datenspalte, 8> datenspalten{{
    {0, adr::name},
    {80, adr::vorname},
    {140, adr::strasse},
    {270, adr::plz_ort},
    {410, adr::telefon},
    {500, adr::fax},
    {580, adr::mobil},
    {660, adr::email},
}};

struct Ueberschrift
{
    int x;
    const char16_t *text;
};
constexpr std::array<Ueberschrift, 8> ueberschriften{{
    {0, u"Name"},
    {70, u"Vorname"},
    {160, u"Strasse"},
    {300, u"Ort"},
    {410, u"Telefon"},
    {520, u"Fax"},
    {590, u"Mobil"},
    {690, u"E-Mail"},
}};

// The width up to the next column, the last one up to the page's right edge.
template <typename Spalten> int spaltenbreite(const Spalten &spalten, std::size_t i, int links)
{
    const int ende = i + 1 < spalten.size() ? links + spalten[i + 1].x : druck::seiten_breite;
    return ende - (links + spalten[i].x);
}

class Setzer
{
public:
    Setzer(const Druckschrift &schrift, const QDate &heute)
        : m_schrift(schrift)
        , m_datum(heute.toString(u"dd.MM.yyyy"_s))
    {
        m_liste.zeilenhoehe =
            seitenmasse(druckschrift(m_schrift.art, titelgroesse(), true)).height();
    }

    Adressliste setzen(const QList<adresse> &adressen)
    {
        int y = kopf_zeile_drucken_adressen(1);
        bool seite_leer = true;
        const int hoehe = m_liste.zeilenhoehe;
        for (const adresse &satz : adressen) {
            y += hoehe;
            // A line too high for any page still gets one of its own.
            if (y + hoehe > druck::unterkante && !seite_leer) {
                y = kopf_zeile_drucken_adressen(m_liste.seiten.last().nummer + 1) + hoehe;
                seite_leer = true;
            }
            zeile(satz, y);
            seite_leer = false;
        }
        return m_liste;
    }

private:
    int titelgroesse() const { return m_schrift.groesse + 3; }

    void text(const QString &inhalt, int x, int y, int breite, bool fett = false,
              QColor hintergrund = {})
    {
        m_liste.seiten.last().texte.append({inhalt, m_schrift.art,
                                            fett ? titelgroesse() : m_schrift.groesse, fett, x, y,
                                            breite, hintergrund});
    }

    // Starts a page with its head; gives the line position below the headings.
    int kopf_zeile_drucken_adressen(int nummer)
    {
        DruckSeite seite;
        seite.nummer = nummer;
        m_liste.seiten.append(seite);

        const int titelbreite = seitenmasse(druckschrift(m_schrift.art, titelgroesse(), true))
                                    .horizontalAdvance(druck::titel);
        text(druck::titel, (druck::seiten_breite - titelbreite) / 2, titel_y, titelbreite, true);
        text(u"Erstellt am:"_s, 8, 55, 90 - 8);
        text(m_datum, 90, 55, 720 - 90);
        text(u"Seite "_s + QString::number(nummer), 720, 55, druck::seiten_breite - 720);

        m_liste.seiten.last().rechtecke.append(
            {QRect(0, band_oben, druck::seiten_breite, band_unten - band_oben), druck::bandfarbe});
        const int y = titel_y + m_liste.zeilenhoehe + abstand_ueberschrift;
        for (std::size_t i = 0; i < ueberschriften.size(); ++i)
            text(QString::fromUtf16(ueberschriften[i].text), x1 + ueberschriften[i].x, y,
                 spaltenbreite(ueberschriften, i, x1), false, druck::bandfarbe);
        return y + abstand_zeilen;
    }

    void zeile(const adresse &satz, int y)
    {
        for (std::size_t i = 0; i < datenspalten.size(); ++i) {
            QString inhalt = satz.wert(datenspalten[i].feld);
            if (i == 0)
                inhalt = adr::trimmen(inhalt);
            text(inhalt, x0 + datenspalten[i].x, y, spaltenbreite(datenspalten, i, x0));
        }
    }

    Druckschrift m_schrift;
    QString m_datum;
    Adressliste m_liste;
};

} // namespace

Adressliste drucken_adressen(const QList<adresse> &adressen, const Druckschrift &schrift,
                             const QDate &heute)
{
    return Setzer(schrift, heute).setzen(adressen);
}
