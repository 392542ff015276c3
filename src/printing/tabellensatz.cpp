#include "printing/tabellensatz.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

constexpr int breite = druck::seiten_breite - 2 * tabellensatz::rand;
constexpr int tabellenbreite = breite - 2 * tabellensatz::innen;
constexpr int abstand = 4;

using Ausrichtung = Ausgabetabelle::Ausrichtung;

int textbreite(const QFontMetrics &masse, const QString &text)
{
    return masse.horizontalAdvance(text);
}

// The text whole when it fits the width, else shortened with "…" at its end.
QString eingepasst(const QFontMetrics &masse, const QString &text, int weite)
{
    if (textbreite(masse, text) <= weite)
        return text;
    const QString kurz = masse.elidedText(text, Qt::ElideRight, weite);
    return kurz.isEmpty() ? u"…"_s : kurz;
}

// The widths of the columns at a size: each as wide as its widest text. Titles that may be
// broken into lines count with their widest word only.
QList<int> spaltenbreiten(const Ausgabetabelle &tabelle, const QString &art, int groesse,
                          bool titel_umbrechen)
{
    const QFontMetrics masse = seitenmasse(druckschrift(art, groesse, false));
    QList<int> breiten;
    for (const QString &titel : tabelle.spalten) {
        int weite = 0;
        for (const QString &teil : titel_umbrechen ? titel.split(u' ') : QStringList{titel})
            weite = std::max(weite, textbreite(masse, teil));
        breiten << weite;
    }
    for (const QStringList &zeile : tabelle.zeilen) {
        for (qsizetype spalte = 0; spalte < std::min(zeile.size(), breiten.size()); ++spalte)
            breiten[spalte] = std::max(breiten[spalte], textbreite(masse, zeile[spalte]));
    }
    return breiten;
}

// The title broken at blanks into lines no wider than the width, as far as its words allow.
QStringList titelzeilen(const QFontMetrics &masse, const QString &titel, int weite)
{
    QStringList zeilen;
    for (const QString &wort : titel.split(u' ')) {
        if (!zeilen.isEmpty() && textbreite(masse, zeilen.last() + u' ' + wort) <= weite)
            zeilen.last() += u' ' + wort;
        else
            zeilen << wort;
    }
    return zeilen;
}

int gesamtbreite(const QList<int> &breiten, int luecke)
{
    return std::accumulate(breiten.begin(), breiten.end(), 0) +
           int(std::max<qsizetype>(breiten.size() - 1, 0)) * luecke;
}

// The page's heading in lines that fit its width, at the size they were fitted at.
struct Kopf
{
    int groesse = 0;
    QStringList zeilen;
};

Kopf kopf_einpassen(const QString &art, int groesse, const QString &ueberschrift)
{
    for (;; --groesse) {
        const QFontMetrics masse = seitenmasse(druckschrift(art, groesse, true));
        QStringList zeilen = titelzeilen(masse, ueberschrift, breite);
        const bool passt = std::all_of(zeilen.begin(), zeilen.end(), [&masse](const QString &z) {
            return textbreite(masse, z) <= breite;
        });
        if (passt || groesse <= tabellensatz::kleinste_groesse) {
            for (QString &zeile : zeilen)
                zeile = eingepasst(masse, zeile, breite);
            return {groesse, zeilen};
        }
    }
}

class Setzer
{
public:
    Setzer(const QString &ueberschrift, const QString &unterzeile, const QDate &heute,
           const Druckschrift &schrift)
        : m_datum(heute.toString(u"dd.MM.yyyy"_s))
        , m_schrift(schrift)
        , m_kopf(kopf_einpassen(schrift.art, titelgroesse(), ueberschrift))
        , m_unterzeile(unterzeile.isEmpty()
                           ? Kopf{}
                           : kopf_einpassen(schrift.art, schrift.groesse, unterzeile))
    {
        seite_beginnen();
    }

    void tabelle(const Ausgabetabelle &tabelle)
    {
        // The chosen size with titles on one line, else with titles broken into lines at the
        // largest size up to the chosen one at which the table fits the page's width.
        int groesse = m_schrift.groesse;
        int luecke = tabellensatz::spaltenabstand;
        QList<int> breiten = spaltenbreiten(tabelle, m_schrift.art, groesse, false);
        if (gesamtbreite(breiten, luecke) > tabellenbreite)
            breiten = spaltenbreiten(tabelle, m_schrift.art, groesse, true);
        while (gesamtbreite(breiten, luecke) > tabellenbreite &&
               groesse > tabellensatz::kleinste_groesse)
            breiten = spaltenbreiten(tabelle, m_schrift.art, --groesse, true);
        const int ueber = gesamtbreite(breiten, luecke) - tabellenbreite;
        if (ueber > 0)
            luecke = breiten_kuerzen(breiten, ueber, luecke);

        const QFontMetrics masse = seitenmasse(druckschrift(m_schrift.art, groesse, false));
        QList<QStringList> titel;
        qsizetype titel_zeilen = 1;
        for (qsizetype spalte = 0; spalte < breiten.size(); ++spalte) {
            titel << titelzeilen(masse, tabelle.spalten[spalte], breiten[spalte]);
            titel_zeilen = std::max(titel_zeilen, titel.last().size());
        }
        const int zeilenhoehe = masse.height() + abstand;
        const Spalten spalten{tabelle, breiten, luecke, groesse, masse, titel, int(titel_zeilen)};
        const int ueberschrift = tabelle.titel.isEmpty() ? 0 : titelmasse().height() + abstand;
        // The title, the column titles and a first row stay together.
        if (m_y + ueberschrift + (spalten.titel_zeilen + 1) * zeilenhoehe > druck::unterkante)
            seite_beginnen();
        if (!tabelle.titel.isEmpty()) {
            text(eingepasst(titelmasse(), tabelle.titel, breite), tabellensatz::rand, m_y, breite,
                 titelgroesse(), true);
            m_y += ueberschrift;
        }
        spaltentitel(spalten, zeilenhoehe);
        for (const QStringList &zeile : tabelle.zeilen) {
            if (m_y + zeilenhoehe > druck::unterkante) {
                seite_beginnen();
                spaltentitel(spalten, zeilenhoehe);
            }
            zellen(spalten, zeile);
            m_y += zeilenhoehe;
        }
        m_y += zeilenhoehe;
    }

    QList<DruckSeite> seiten() const { return m_seiten; }

private:
    struct Spalten
    {
        const Ausgabetabelle &tabelle;
        const QList<int> &breiten;
        int luecke; // between two columns
        int groesse;
        const QFontMetrics &masse;
        const QList<QStringList> &titel; // each column's title in its lines
        int titel_zeilen;
    };

    int titelgroesse() const { return m_schrift.groesse + 3; }
    QFontMetrics titelmasse() const
    {
        return seitenmasse(druckschrift(m_schrift.art, titelgroesse(), true));
    }

    // Spreads the excess over the columns by their widths, so the widest lose the most; gives
    // the gap between the columns, narrowed only when so many columns leave no room for it.
    static int breiten_kuerzen(QList<int> &breiten, int ueber, int luecke)
    {
        const int summe = std::accumulate(breiten.begin(), breiten.end(), 0);
        for (int &b : breiten)
            b = std::max(1, b - (ueber * b + summe - 1) / summe);
        const int luecken = int(breiten.size()) - 1;
        if (luecken > 0 && gesamtbreite(breiten, luecke) > tabellenbreite)
            luecke = std::max(0, (tabellenbreite - gesamtbreite(breiten, 0)) / luecken);
        return luecke;
    }

    void text(const QString &inhalt, int x, int y, int weite, int groesse, bool fett)
    {
        m_seiten.last().texte.append({inhalt, m_schrift.art, groesse, fett, x, y, weite, {}});
    }

    void seite_beginnen()
    {
        DruckSeite seite;
        seite.nummer = m_seiten.isEmpty() ? 1 : m_seiten.last().nummer + 1;
        m_seiten.append(seite);

        m_y = tabellensatz::rand;
        mittig(m_kopf);
        mittig(m_unterzeile);
        // The date on the left half, the page number on the right, smaller if need be.
        const int haelfte = breite / 2;
        const QString erstellt = u"Erstellt am: "_s + m_datum;
        const QString nummer = u"Seite "_s + QString::number(seite.nummer);
        int groesse = m_schrift.groesse;
        QFontMetrics masse = seitenmasse(druckschrift(m_schrift.art, groesse, false));
        while (std::max(textbreite(masse, erstellt), textbreite(masse, nummer)) > haelfte &&
               groesse > tabellensatz::kleinste_groesse)
            masse = seitenmasse(druckschrift(m_schrift.art, --groesse, false));
        const int info_y = m_y + abstand;
        text(eingepasst(masse, erstellt, haelfte), tabellensatz::rand, info_y, haelfte, groesse,
             false);
        const int nummernbreite = std::min(textbreite(masse, nummer), haelfte);
        text(eingepasst(masse, nummer, haelfte),
             druck::seiten_breite - tabellensatz::rand - nummernbreite, info_y, nummernbreite,
             groesse, false);
        m_y = info_y + 2 * masse.height();
    }

    // The lines of the heading or the line under it, each centred on the page.
    void mittig(const Kopf &kopf)
    {
        if (kopf.zeilen.isEmpty())
            return;
        const QFontMetrics masse = seitenmasse(druckschrift(m_schrift.art, kopf.groesse, true));
        for (const QString &zeile : kopf.zeilen) {
            const int zeilenbreite = std::min(textbreite(masse, zeile), breite);
            text(zeile, (druck::seiten_breite - zeilenbreite) / 2, m_y, zeilenbreite, kopf.groesse,
                 true);
            m_y += masse.height();
        }
    }

    void spaltentitel(const Spalten &spalten, int zeilenhoehe)
    {
        m_seiten.last().rechtecke.append({QRect(tabellensatz::rand, m_y - abstand / 2, breite,
                                                spalten.titel_zeilen * zeilenhoehe),
                                          druck::bandfarbe});
        for (int zeile = 0; zeile < spalten.titel_zeilen; ++zeile) {
            QStringList texte;
            for (const QStringList &titel : spalten.titel)
                texte << titel.value(zeile);
            zellen(spalten, texte);
            m_y += zeilenhoehe;
        }
    }

    void zellen(const Spalten &spalten, const QStringList &texte)
    {
        constexpr int rechts = tabellensatz::rand + tabellensatz::innen + tabellenbreite;
        int x = tabellensatz::rand + tabellensatz::innen;
        for (qsizetype spalte = 0; spalte < spalten.breiten.size(); ++spalte) {
            const int weite = std::min(spalten.breiten[spalte], rechts - x);
            if (weite <= 0)
                break; // more columns than the page has points for
            const QString inhalt =
                eingepasst(spalten.masse, spalte < texte.size() ? texte[spalte] : QString(), weite);
            const int frei = std::max(0, weite - textbreite(spalten.masse, inhalt));
            const Ausrichtung ausrichtung = spalten.tabelle.ausgerichtet(spalte);
            const int einzug = ausrichtung == Ausrichtung::mitte    ? frei / 2
                               : ausrichtung == Ausrichtung::rechts ? frei
                                                                    : 0;
            if (!inhalt.isEmpty())
                text(inhalt, x + einzug, m_y, weite - einzug, spalten.groesse, false);
            x += weite + spalten.luecke;
        }
    }

    QString m_datum;
    Druckschrift m_schrift;
    Kopf m_kopf;
    Kopf m_unterzeile;
    QList<DruckSeite> m_seiten;
    int m_y = 0;
};

} // namespace

QList<DruckSeite> tabellen_setzen(const QString &ueberschrift, const QDate &heute,
                                  const QList<Ausgabetabelle> &tabellen,
                                  const Druckschrift &schrift, const QString &unterzeile)
{
    Setzer setzer(ueberschrift, unterzeile, heute, schrift);
    for (const Ausgabetabelle &tabelle : tabellen)
        setzer.tabelle(tabelle);
    return setzer.seiten();
}
