#include "printing/tabellensatz.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

constexpr int breite = druck::seiten_breite - 2 * tabellensatz::rand;
constexpr int titel_y = druck::rand - 70;
constexpr int abstand = 4;

using Ausrichtung = Ausgabetabelle::Ausrichtung;

int textbreite(const QFontMetrics &masse, const QString &text)
{
    return masse.horizontalAdvance(text);
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

// The title broken at blanks into lines no wider than the column, as far as its words allow.
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

int gesamtbreite(const QList<int> &breiten)
{
    return std::accumulate(breiten.begin(), breiten.end(), 0) +
           int(std::max<qsizetype>(breiten.size() - 1, 0)) * tabellensatz::spaltenabstand;
}

class Setzer
{
public:
    Setzer(const QString &ueberschrift, const QDate &heute, const Druckschrift &schrift)
        : m_ueberschrift(ueberschrift)
        , m_datum(heute.toString(u"dd.MM.yyyy"_s))
        , m_schrift(schrift)
    {
        seite_beginnen();
    }

    void tabelle(const Ausgabetabelle &tabelle)
    {
        // The chosen size with titles on one line, else with titles broken into lines at the
        // largest size up to the chosen one at which the table fits the page's width.
        int groesse = m_schrift.groesse;
        QList<int> breiten = spaltenbreiten(tabelle, m_schrift.art, groesse, false);
        if (gesamtbreite(breiten) > breite)
            breiten = spaltenbreiten(tabelle, m_schrift.art, groesse, true);
        while (gesamtbreite(breiten) > breite && groesse > tabellensatz::kleinste_groesse)
            breiten = spaltenbreiten(tabelle, m_schrift.art, --groesse, true);
        const int ueber = gesamtbreite(breiten) - breite;
        if (ueber > 0)
            breiten_kuerzen(breiten, ueber);

        const QFontMetrics masse = seitenmasse(druckschrift(m_schrift.art, groesse, false));
        QList<QStringList> titel;
        qsizetype titel_zeilen = 1;
        for (qsizetype spalte = 0; spalte < breiten.size(); ++spalte) {
            titel << titelzeilen(masse, tabelle.spalten[spalte], breiten[spalte]);
            titel_zeilen = std::max(titel_zeilen, titel.last().size());
        }
        const int zeilenhoehe = masse.height() + abstand;
        const Spalten spalten{tabelle, breiten, groesse, masse, titel, int(titel_zeilen)};
        const int ueberschrift = tabelle.titel.isEmpty() ? 0 : titelmasse().height() + abstand;
        // The title, the column titles and a first row stay together.
        if (m_y + ueberschrift + (spalten.titel_zeilen + 1) * zeilenhoehe > druck::unterkante)
            seite_beginnen();
        if (!tabelle.titel.isEmpty()) {
            text(tabelle.titel, tabellensatz::rand, m_y, breite, titelgroesse(), true);
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

    // Spreads the excess over the columns by their widths, so the widest lose the most.
    static void breiten_kuerzen(QList<int> &breiten, int ueber)
    {
        const int summe = std::accumulate(breiten.begin(), breiten.end(), 0);
        for (int &b : breiten)
            b = std::max(1, b - (ueber * b + summe - 1) / summe);
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

        const QFontMetrics titel = titelmasse();
        const int titelbreite = std::min(textbreite(titel, m_ueberschrift), breite);
        text(m_ueberschrift, (druck::seiten_breite - titelbreite) / 2, titel_y, titelbreite,
             titelgroesse(), true);
        const QFontMetrics masse =
            seitenmasse(druckschrift(m_schrift.art, m_schrift.groesse, false));
        const int info_y = titel_y + titel.height() + abstand;
        text(u"Erstellt am: "_s + m_datum, tabellensatz::rand, info_y, breite / 2,
             m_schrift.groesse, false);
        const QString nummer = u"Seite "_s + QString::number(seite.nummer);
        const int nummernbreite = textbreite(masse, nummer);
        text(nummer, druck::seiten_breite - tabellensatz::rand - nummernbreite, info_y,
             nummernbreite, m_schrift.groesse, false);
        m_y = info_y + 2 * masse.height();
    }

    void spaltentitel(const Spalten &spalten, int zeilenhoehe)
    {
        m_seiten.last().rechtecke.append(
            {QRect(tabellensatz::rand - abstand, m_y - abstand / 2, breite + 2 * abstand,
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
        int x = tabellensatz::rand;
        for (qsizetype spalte = 0; spalte < spalten.breiten.size(); ++spalte) {
            const int weite = spalten.breiten[spalte];
            const QString inhalt = spalte < texte.size() ? texte[spalte] : QString();
            const int frei = std::max(0, weite - textbreite(spalten.masse, inhalt));
            const Ausrichtung ausrichtung = spalten.tabelle.ausgerichtet(spalte);
            const int einzug = ausrichtung == Ausrichtung::mitte    ? frei / 2
                               : ausrichtung == Ausrichtung::rechts ? frei
                                                                    : 0;
            if (!inhalt.isEmpty())
                text(inhalt, x + einzug, m_y, weite - einzug, spalten.groesse, false);
            x += weite + tabellensatz::spaltenabstand;
        }
    }

    QString m_ueberschrift;
    QString m_datum;
    Druckschrift m_schrift;
    QList<DruckSeite> m_seiten;
    int m_y = 0;
};

} // namespace

QList<DruckSeite> tabellen_setzen(const QString &ueberschrift, const QDate &heute,
                                  const QList<Ausgabetabelle> &tabellen,
                                  const Druckschrift &schrift)
{
    Setzer setzer(ueberschrift, heute, schrift);
    for (const Ausgabetabelle &tabelle : tabellen)
        setzer.tabelle(tabelle);
    return setzer.seiten();
}
