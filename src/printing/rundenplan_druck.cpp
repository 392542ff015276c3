#include "printing/rundenplan_druck.h"

#include "pictures/qr_code.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace rundendruck {
const QString plan_titel = u"Rundenplan"_s;
const QString zettel_titel = u"Spielzettel"_s;
} // namespace rundendruck

namespace {

constexpr int breite = druck::seiten_breite - 2 * rundendruck::rand;
constexpr int unterkante = druck::seiten_hoehe - rundendruck::rand;
constexpr int innen = 6; // text inside a cell or slip keeps off its lines
const QColor weiss{Qt::white};

QString datum_text(const QDate &datum)
{
    return datum.toString(u"dd.MM.yyyy"_s);
}

int hoehe(const QString &art, int groesse, bool fett)
{
    return seitenmasse(druckschrift(art, groesse, fett)).height();
}

class Plansetzer
{
public:
    Plansetzer(const Druckmannschaften &mannschaften, const QDate &datum,
               const Druckschrift &schrift)
        : m_mannschaften(mannschaften)
        , m_datum(datum_text(datum))
        , m_schrift(schrift)
        , m_zeile(hoehe(schrift.art, schrift.groesse, false) + 2 * innen)
        , m_titel(hoehe(schrift.art, titelgroesse(), true))
    {
    }

    QList<DruckSeite> setzen(const QList<Druckrunde> &runden)
    {
        seite_beginnen();
        for (qsizetype i = 0; i < runden.size(); ++i)
            runde(int(i) + 1, runden[i]);
        return m_seiten;
    }

private:
    int titelgroesse() const { return m_schrift.groesse + 2; }

    void runde(int nummer, const Druckrunde &spiele)
    {
        const int ganz = m_titel + m_zeile * int(spiele.size() + 1);
        if (m_y + ganz > unterkante && !m_seite_leer)
            seite_beginnen();
        rundenkopf(nummer);
        for (const Druckpaarung &spiel : spiele) {
            // A page holds at least one game, however large the font.
            if (m_y + m_zeile > unterkante && m_spiele_auf_seite > 0) {
                seite_beginnen();
                rundenkopf(nummer);
            }
            zeile({QString::number(spiel.tisch), spiel.links, spiel.rechts, spiel.ergebnis}, weiss);
            ++m_spiele_auf_seite;
        }
        m_y += m_zeile;
    }

    void rundenkopf(int nummer)
    {
        text(u"Runde "_s + QString::number(nummer), rundendruck::rand, m_y, breite, titelgroesse(),
             true);
        m_y += m_titel;
        zeile({u"Tisch"_s, m_mannschaften.links, m_mannschaften.rechts, u"Ergebnis"_s},
              druck::bandfarbe);
        m_seite_leer = false;
    }

    // One table row: outlined cells; a text too wide for its cell gets smaller type, down to
    // 60 %, and only then is clipped to its cell.
    void zeile(const QStringList &texte, const QColor &fuellung)
    {
        static constexpr int tisch = 70;
        static constexpr int ergebnis = 130;
        static constexpr int name = (breite - tisch - ergebnis) / 2;
        static constexpr int spalten[] = {tisch, name, name, ergebnis};
        int x = rundendruck::rand;
        for (qsizetype i = 0; i < texte.size(); ++i) {
            m_seiten.last().rechtecke.append({QRect(x, m_y, spalten[i], m_zeile), fuellung});
            if (!texte[i].isEmpty())
                text(texte[i], x + innen, m_y + innen, spalten[i] - 2 * innen,
                     groesse_fuer(texte[i], spalten[i] - 2 * innen), false);
            x += spalten[i];
        }
        m_y += m_zeile;
    }

    int groesse_fuer(const QString &inhalt, int weite) const
    {
        const int kleinste = std::max(druck::kleinste_groesse, m_schrift.groesse * 6 / 10);
        for (int groesse = m_schrift.groesse; groesse > kleinste; --groesse) {
            if (seitenmasse(druckschrift(m_schrift.art, groesse, false))
                    .horizontalAdvance(inhalt) <= weite)
                return groesse;
        }
        return kleinste;
    }

    void text(const QString &inhalt, int x, int y, int weite, int groesse, bool fett)
    {
        m_seiten.last().texte.append({inhalt, m_schrift.art, groesse, fett, x, y, weite, {}});
    }

    void seite_beginnen()
    {
        DruckSeite seite;
        seite.nummer = int(m_seiten.size()) + 1;
        m_seiten.append(seite);
        const int kopfgroesse = m_schrift.groesse + 4;
        const QFontMetrics kopf = seitenmasse(druckschrift(m_schrift.art, kopfgroesse, true));
        const int titelbreite = std::min(kopf.horizontalAdvance(rundendruck::plan_titel), breite);
        text(rundendruck::plan_titel, (druck::seiten_breite - titelbreite) / 2, rundendruck::rand,
             titelbreite, kopfgroesse, true);
        const int info_y = rundendruck::rand + kopf.height() + innen;
        text(u"Erstellt am: "_s + m_datum, rundendruck::rand, info_y, breite / 2, m_schrift.groesse,
             false);
        const QString nummer = u"Seite "_s + QString::number(seite.nummer);
        const int nummernbreite =
            std::min(seitenmasse(druckschrift(m_schrift.art, m_schrift.groesse, false))
                         .horizontalAdvance(nummer),
                     breite / 2);
        text(nummer, rundendruck::rand + breite - nummernbreite, info_y, nummernbreite,
             m_schrift.groesse, false);
        m_y = info_y + m_zeile + innen;
        m_seite_leer = true;
        m_spiele_auf_seite = 0;
    }

    Druckmannschaften m_mannschaften;
    QString m_datum;
    Druckschrift m_schrift;
    int m_zeile;
    int m_titel;
    QList<DruckSeite> m_seiten;
    int m_y = 0;
    bool m_seite_leer = true;
    int m_spiele_auf_seite = 0;
};

// The slips keep their own sizes, so eight always fit a page whatever the list font is.
namespace zettel {
constexpr int breite = ::breite / rundendruck::zettel_spalten;
constexpr int hoehe = (unterkante - rundendruck::rand) / rundendruck::zettel_zeilen;
constexpr int abstand = 12;
constexpr int kleinst = 7;
constexpr int klein = 9;
constexpr int mittel = 12;
constexpr int gross = 15;
constexpr int kasten_breite = 80;
constexpr int kasten_hoehe = 40;
// A module of about 0.5 mm: a phone reads the code from a hand's length, and it stays clear of
// the score boxes.
constexpr int qr_modul = 2;
} // namespace zettel

class Zettelsetzer
{
public:
    Zettelsetzer(DruckSeite &seite, const QString &art, int links, int oben)
        : m_seite(seite)
        , m_art(art)
        , m_x(links + zettel::abstand)
        , m_y(oben + zettel::abstand)
        , m_weite(zettel::breite - 2 * zettel::abstand)
    {
        m_seite.rechtecke.append({QRect(links, oben, zettel::breite, zettel::hoehe), weiss});
    }

    void kopf(int runde, int tisch, const QString &datum)
    {
        const QFontMetrics masse = seitenmasse(druckschrift(m_art, zettel::klein, false));
        const int datumsbreite = std::min(masse.horizontalAdvance(datum), m_weite / 2);
        text(datum, m_x + m_weite - datumsbreite, m_y, datumsbreite, zettel::klein, false);
        text(u"Runde %1, Tisch %2"_s.arg(runde).arg(tisch), m_x, m_y, m_weite - datumsbreite,
             zettel::mittel, true);
        m_y += hoehe(m_art, zettel::mittel, true) + zettel::abstand;
    }

    // Side by side, each entry's team and name over the box for its score: the left box takes
    // the score typed first. An entered result stands in the boxes.
    void spiel(const Druckmannschaften &mannschaften, const Druckpaarung &paarung)
    {
        const QFontMetrics masse = seitenmasse(druckschrift(m_art, zettel::mittel, true));
        const int doppelpunkt = masse.horizontalAdvance(u":"_s) + 2 * innen;
        const int spalte = (m_weite - doppelpunkt) / 2;
        const QStringList ergebnis = paarung.ergebnis.split(u':');
        const bool eingetragen = ergebnis.size() == 2;
        int unten = m_y;
        for (int seite = 0; seite < 2; ++seite) {
            const int x = m_x + seite * (spalte + doppelpunkt);
            int y = m_y;
            y = einpassen(seite == 0 ? mannschaften.links : mannschaften.rechts, x, y, spalte,
                          zettel::klein, zettel::kleinst, false);
            y = einpassen(seite == 0 ? paarung.links : paarung.rechts, x, y, spalte, zettel::gross,
                          zettel::klein, true);
            unten = std::max(unten, y);
        }
        m_y = unten + innen;
        const int mitte = m_y + (zettel::kasten_hoehe - hoehe(m_art, zettel::gross, true)) / 2;
        for (int seite = 0; seite < 2; ++seite) {
            const int links =
                m_x + seite * (spalte + doppelpunkt) + (spalte - zettel::kasten_breite) / 2;
            m_seite.rechtecke.append(
                {QRect(links, m_y, zettel::kasten_breite, zettel::kasten_hoehe), weiss});
            if (eingetragen)
                mittig(ergebnis[seite].trimmed(), links, mitte, zettel::kasten_breite);
        }
        text(u":"_s, m_x + spalte + innen, mitte, doppelpunkt - innen, zettel::mittel, true);
        m_y += zettel::kasten_hoehe;
    }

    // The QR code of the address at the right below the head, and the address at the foot; the
    // names and boxes keep to the left of the code.
    void qr(const QString &adresse, int links, int oben)
    {
        const QrCode code = qr_code(adresse);
        if (code.breite == 0)
            return;
        const int seite = (code.breite + 2 * qr_ruhezone) * zettel::qr_modul;
        const int x0 = links + zettel::breite - zettel::abstand - seite;
        const int y0 = m_y;
        m_seite.rechtecke.append({QRect(x0, y0, seite, seite), weiss});
        for (int y = 0; y < code.breite; ++y) {
            // A run of dark modules is one rectangle.
            for (int x = 0; x < code.breite;) {
                if (!code.dunkel(x, y)) {
                    ++x;
                    continue;
                }
                const int anfang = x;
                while (x < code.breite && code.dunkel(x, y))
                    ++x;
                m_seite.rechtecke.append({QRect(x0 + (anfang + qr_ruhezone) * zettel::qr_modul,
                                                y0 + (y + qr_ruhezone) * zettel::qr_modul,
                                                (x - anfang) * zettel::qr_modul, zettel::qr_modul),
                                          Qt::black});
            }
        }
        m_weite -= seite + zettel::abstand;
        const int fuss = oben + zettel::hoehe - zettel::abstand / 2 - hoehe(m_art, 7, false);
        text(adresse, m_x, fuss, zettel::breite - 2 * zettel::abstand, 7, false);
    }

private:
    // A text as large as its column allows, from groesste down to kleinste points. Where one
    // line would need much smaller type, it breaks after a blank, "/" or "-" (a pair's names
    // after its "/") when two lines allow larger type. Gives the height below it.
    int einpassen(const QString &inhalt, int x, int y, int weite, int groesste, int kleinste,
                  bool fett)
    {
        QStringList zeilen{inhalt};
        int groesse = passende_groesse(inhalt, weite, groesste, kleinste, fett);
        for (qsizetype i = 1; i + 1 < inhalt.size() && groesse < groesste * 4 / 5; ++i) {
            if (inhalt[i] != u' ' && inhalt[i] != u'/' && inhalt[i] != u'-')
                continue;
            const QString vorn = inhalt.left(inhalt[i] == u' ' ? i : i + 1);
            const QString hinten = inhalt.mid(i + 1);
            const int geteilt = std::min(passende_groesse(vorn, weite, groesste, kleinste, fett),
                                         passende_groesse(hinten, weite, groesste, kleinste, fett));
            if (geteilt > groesse) {
                zeilen = QStringList{vorn, hinten};
                groesse = geteilt;
            }
        }
        // What does not fit even so is cut at its column's edge.
        groesse = std::max(groesse, kleinste);
        for (const QString &zeile : zeilen) {
            text(zeile, x, y, weite, groesse, fett);
            y += hoehe(m_art, groesse, fett);
        }
        return y;
    }

    // The largest size from groesste down to kleinste at which the text fits, else 0.
    int passende_groesse(const QString &inhalt, int weite, int groesste, int kleinste,
                         bool fett) const
    {
        for (int groesse = groesste; groesse >= kleinste; --groesse) {
            if (seitenmasse(druckschrift(m_art, groesse, fett)).horizontalAdvance(inhalt) <= weite)
                return groesse;
        }
        return 0;
    }

    void mittig(const QString &inhalt, int links, int y, int weite)
    {
        const int breite = std::min(
            seitenmasse(druckschrift(m_art, zettel::gross, true)).horizontalAdvance(inhalt), weite);
        text(inhalt, links + (weite - breite) / 2, y, breite, zettel::gross, true);
    }

    void text(const QString &inhalt, int x, int y, int weite, int groesse, bool fett)
    {
        m_seite.texte.append({inhalt, m_art, groesse, fett, x, y, weite, {}});
    }

    DruckSeite &m_seite;
    QString m_art;
    int m_x;
    int m_y;
    int m_weite;
};

} // namespace

QList<DruckSeite> rundenplan_seiten(const QList<Druckrunde> &runden,
                                    const Druckmannschaften &mannschaften, const QDate &datum,
                                    const Druckschrift &schrift)
{
    return Plansetzer(mannschaften, datum, schrift).setzen(runden);
}

QList<DruckSeite> spielzettel_seiten(const QList<Druckrunde> &runden,
                                     const Druckmannschaften &mannschaften, const QDate &datum,
                                     const Druckschrift &schrift)
{
    QList<DruckSeite> seiten;
    const QString tag = datum_text(datum);
    int platz = 0;
    for (qsizetype runde = 0; runde < runden.size(); ++runde) {
        for (const Druckpaarung &spiel : runden[runde]) {
            if (platz % rundendruck::zettel_pro_seite == 0) {
                seiten.append(DruckSeite{});
                seiten.last().nummer = int(seiten.size());
            }
            const int stelle = platz % rundendruck::zettel_pro_seite;
            Zettelsetzer zettel(
                seiten.last(), schrift.art,
                rundendruck::rand + (stelle % rundendruck::zettel_spalten) * zettel::breite,
                rundendruck::rand + (stelle / rundendruck::zettel_spalten) * zettel::hoehe);
            zettel.kopf(int(runde) + 1, spiel.tisch, tag);
            if (!spiel.adresse.isEmpty())
                zettel.qr(
                    spiel.adresse,
                    rundendruck::rand + (stelle % rundendruck::zettel_spalten) * zettel::breite,
                    rundendruck::rand + (stelle / rundendruck::zettel_spalten) * zettel::hoehe);
            zettel.spiel(mannschaften, spiel);
            ++platz;
        }
    }
    return seiten;
}
