#include "printing/tabellensatz.h"

#include "printing/zeilenumbruch.h"

#include <algorithm>
#include <functional>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

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

// Each column's widest value of `mass` over its title and its cells.
QList<int> spaltenmasse(const Ausgabetabelle &tabelle,
                        const std::function<int(const QString &)> &mass)
{
    QList<int> breiten;
    for (const QString &titel : tabelle.spalten)
        breiten << mass(titel);
    for (const QStringList &zeile : tabelle.zeilen) {
        for (qsizetype spalte = 0; spalte < std::min(zeile.size(), breiten.size()); ++spalte)
            breiten[spalte] = std::max(breiten[spalte], mass(zeile[spalte]));
    }
    return breiten;
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

int summe(const QList<int> &breiten)
{
    return std::accumulate(breiten.begin(), breiten.end(), 0);
}

int gesamtbreite(const QList<int> &breiten, int luecke)
{
    return summe(breiten) + int(std::max<qsizetype>(breiten.size() - 1, 0)) * luecke;
}

// From the widths `von` towards the widths `bis` as far as `platz` allows: the narrow columns
// get what they lack first, the wide ones share the rest alike.
QList<int> aufgeteilt(const QList<int> &von, const QList<int> &bis, int platz)
{
    const auto bei = [&](int hoehe) {
        QList<int> breiten = von;
        for (qsizetype i = 0; i < von.size(); ++i)
            breiten[i] = std::max(von[i], std::min(bis[i], hoehe));
        return breiten;
    };
    int unten = 0;
    int oben = bis.isEmpty() ? 0 : *std::max_element(bis.begin(), bis.end());
    while (unten < oben) {
        const int mitte = (unten + oben + 1) / 2;
        if (summe(bei(mitte)) <= platz)
            unten = mitte;
        else
            oben = mitte - 1;
    }
    return bei(unten);
}

// The page's heading in lines that fit its width, at the size they were fitted at.
struct Kopf
{
    int groesse = 0;
    QStringList zeilen;
};

Kopf kopf_einpassen(const QString &art, int groesse, const QString &ueberschrift, int breite)
{
    for (;; --groesse) {
        const QFontMetrics masse = seitenmasse(druckschrift(art, groesse, true));
        QStringList zeilen = titelzeilen(masse, ueberschrift, breite);
        const bool passt = std::all_of(zeilen.begin(), zeilen.end(), [&](const QString &z) {
            return textbreite(masse, z) <= breite;
        });
        if (passt || groesse <= tabellensatz::kleinste_groesse) {
            for (QString &zeile : zeilen)
                zeile = eingepasst(masse, zeile, breite);
            return {groesse, zeilen};
        }
    }
}

// The size and the column widths of a table: the gap between the columns is narrowed only when
// so many columns leave no room for it.
struct Spaltensatz
{
    int groesse = 0;
    QList<int> breiten;
    int luecke = tabellensatz::spaltenabstand;
};

class Setzer
{
public:
    Setzer(const QString &ueberschrift, const QString &unterzeile, const QDate &heute,
           const Druckschrift &schrift, Satzweise weise)
        : m_datum(heute.toString(u"dd.MM.yyyy"_s))
        , m_schrift(schrift)
        , m_weise(weise)
        , m_seitenbreite(weise.quer ? druck::seiten_hoehe : druck::seiten_breite)
        , m_unterkante((weise.quer ? druck::seiten_breite : druck::seiten_hoehe) - druck::rand)
        , m_breite(m_seitenbreite - 2 * tabellensatz::rand)
        , m_tabellenbreite(m_breite - 2 * tabellensatz::innen)
        , m_kopf(kopf_einpassen(schrift.art, titelgroesse(), ueberschrift, m_breite))
        , m_unterzeile(unterzeile.isEmpty()
                           ? Kopf{}
                           : kopf_einpassen(schrift.art, schrift.groesse, unterzeile, m_breite))
    {
        seite_beginnen();
    }

    void tabelle(const Ausgabetabelle &tabelle)
    {
        const Spaltensatz satz =
            m_weise.umbrechen ? umbrochen_einpassen(tabelle) : verkleinert_einpassen(tabelle);
        const QFontMetrics masse = seitenmasse(druckschrift(m_schrift.art, satz.groesse, false));
        QList<QStringList> titel;
        for (qsizetype spalte = 0; spalte < satz.breiten.size(); ++spalte)
            titel << (m_weise.umbrechen
                          ? umbrochen(masse, tabelle.spalten[spalte], satz.breiten[spalte])
                          : titelzeilen(masse, tabelle.spalten[spalte], satz.breiten[spalte]));
        const int zeilenhoehe = masse.height() + abstand;
        const Spalten spalten{tabelle, satz, masse, titel, zeilen_der(titel)};
        // Each row in the lines of its cells, and its height.
        QList<QList<QStringList>> zeilen;
        QList<int> hoehen;
        for (const QStringList &zeile : tabelle.zeilen) {
            QList<QStringList> zellen;
            for (qsizetype spalte = 0; spalte < satz.breiten.size(); ++spalte) {
                const QString inhalt = zeile.value(spalte);
                zellen << (m_weise.umbrechen ? umbrochen(masse, inhalt, satz.breiten[spalte])
                                             : QStringList{inhalt});
            }
            zeilen << zellen;
            hoehen << (zeilen_der(zellen) - 1) * masse.height() + zeilenhoehe;
        }
        const int ueberschrift = tabelle.titel.isEmpty() ? 0 : titelmasse().height() + abstand;
        // The title, the column titles and a first row stay together.
        const int erste = hoehen.isEmpty() ? zeilenhoehe : hoehen.first();
        if (m_y + ueberschrift + spalten.titel_zeilen * zeilenhoehe + erste > m_unterkante)
            seite_beginnen();
        if (!tabelle.titel.isEmpty()) {
            text(eingepasst(titelmasse(), tabelle.titel, m_breite), tabellensatz::rand, m_y,
                 m_breite, titelgroesse(), true);
            m_y += ueberschrift;
        }
        spaltentitel(spalten, zeilenhoehe);
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            // A row that does not fit goes on the next page, under the column titles again.
            if (m_y + hoehen[i] > m_unterkante && i > 0) {
                seite_beginnen();
                spaltentitel(spalten, zeilenhoehe);
            }
            zellen_setzen(spalten, zeilen[i], masse.height());
            m_y += hoehen[i];
        }
        m_y += zeilenhoehe;
    }

    QList<DruckSeite> seiten() const { return m_seiten; }

private:
    struct Spalten
    {
        const Ausgabetabelle &tabelle;
        const Spaltensatz &satz;
        const QFontMetrics &masse;
        const QList<QStringList> &titel; // each column's title in its lines
        int titel_zeilen;
    };

    static int zeilen_der(const QList<QStringList> &zellen)
    {
        qsizetype zeilen = 1;
        for (const QStringList &zelle : zellen)
            zeilen = std::max(zeilen, zelle.size());
        return int(zeilen);
    }

    int titelgroesse() const { return m_schrift.groesse + 3; }
    QFontMetrics titelmasse() const
    {
        return seitenmasse(druckschrift(m_schrift.art, titelgroesse(), true));
    }

    // The chosen size with titles on one line, else with titles broken into lines at the
    // largest size up to the chosen one at which the table fits the page's width; beyond the
    // smallest size the columns are narrowed and their longest texts shortened.
    Spaltensatz verkleinert_einpassen(const Ausgabetabelle &tabelle) const
    {
        Spaltensatz satz{m_schrift.groesse, spaltenbreiten(tabelle, m_schrift.art, m_schrift.groesse, false)};
        if (gesamtbreite(satz.breiten, satz.luecke) > m_tabellenbreite)
            satz.breiten = spaltenbreiten(tabelle, m_schrift.art, satz.groesse, true);
        while (gesamtbreite(satz.breiten, satz.luecke) > m_tabellenbreite &&
               satz.groesse > tabellensatz::kleinste_groesse)
            satz.breiten = spaltenbreiten(tabelle, m_schrift.art, --satz.groesse, true);
        schmaler(satz);
        return satz;
    }

    // The chosen size, each column as wide as its texts on one line where the page has room
    // for all, else towards that from two lines, else towards two lines from its widest piece,
    // else towards that from its title's widest word (longer words are shortened). Set smaller
    // only at a size so large that the column titles do not fit side by side, and then to
    // where the widest pieces fit.
    Spaltensatz umbrochen_einpassen(const Ausgabetabelle &tabelle) const
    {
        const int luecken = int(std::max<qsizetype>(tabelle.spalten.size() - 1, 0));
        const int platz = m_tabellenbreite - luecken * tabellensatz::spaltenabstand;
        const auto masse_bei = [this](int groesse) {
            return seitenmasse(druckschrift(m_schrift.art, groesse, false));
        };
        const auto stuecke_bei = [&tabelle](const QFontMetrics &masse) {
            return spaltenmasse(tabelle, [&masse](const QString &text) {
                return breitestes_stueck(masse, text);
            });
        };
        int groesse = m_schrift.groesse;
        QList<int> titel;
        for (const QString &t : tabelle.spalten)
            titel << breitestes_stueck(masse_bei(groesse), t);
        if (summe(titel) > platz) {
            while (groesse > tabellensatz::kleinste_groesse &&
                   summe(stuecke_bei(masse_bei(groesse))) > platz)
                --groesse;
            titel.clear();
            for (const QString &t : tabelle.spalten)
                titel << breitestes_stueck(masse_bei(groesse), t);
        }
        const QFontMetrics masse = masse_bei(groesse);
        const QList<int> stuecke = stuecke_bei(masse);
        const QList<int> zwei = spaltenmasse(tabelle, [&masse](const QString &text) {
            return zweizeilige_breite(masse, text);
        });
        const QList<int> eine = spaltenmasse(tabelle, [&masse](const QString &text) {
            return textbreite(masse, text.trimmed());
        });
        Spaltensatz satz{groesse, titel};
        if (summe(eine) <= platz)
            satz.breiten = eine;
        else if (summe(zwei) <= platz)
            satz.breiten = aufgeteilt(zwei, eine, platz);
        else if (summe(stuecke) <= platz)
            satz.breiten = aufgeteilt(stuecke, zwei, platz);
        else if (summe(titel) <= platz)
            satz.breiten = aufgeteilt(titel, stuecke, platz);
        schmaler(satz);
        return satz;
    }

    // Spreads what the columns are too wide over them by their widths, so the widest lose the
    // most.
    void schmaler(Spaltensatz &satz) const
    {
        const int ueber = gesamtbreite(satz.breiten, satz.luecke) - m_tabellenbreite;
        if (ueber <= 0)
            return;
        const int alle = summe(satz.breiten);
        for (int &b : satz.breiten)
            b = std::max(1, b - (ueber * b + alle - 1) / alle);
        const int luecken = int(satz.breiten.size()) - 1;
        if (luecken > 0 && gesamtbreite(satz.breiten, satz.luecke) > m_tabellenbreite)
            satz.luecke = std::max(0, (m_tabellenbreite - summe(satz.breiten)) / luecken);
    }

    void text(const QString &inhalt, int x, int y, int weite, int groesse, bool fett)
    {
        m_seiten.last().texte.append({inhalt, m_schrift.art, groesse, fett, x, y, weite, {}});
    }

    void seite_beginnen()
    {
        DruckSeite seite;
        seite.nummer = m_seiten.isEmpty() ? 1 : m_seiten.last().nummer + 1;
        seite.quer = m_weise.quer;
        m_seiten.append(seite);

        m_y = tabellensatz::rand;
        mittig(m_kopf);
        mittig(m_unterzeile);
        // The date on the left half, the page number on the right, smaller if need be.
        const int haelfte = m_breite / 2;
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
        text(eingepasst(masse, nummer, haelfte), m_seitenbreite - tabellensatz::rand - nummernbreite,
             info_y, nummernbreite, groesse, false);
        m_y = info_y + 2 * masse.height();
    }

    // The lines of the heading or the line under it, each centred on the page.
    void mittig(const Kopf &kopf)
    {
        if (kopf.zeilen.isEmpty())
            return;
        const QFontMetrics masse = seitenmasse(druckschrift(m_schrift.art, kopf.groesse, true));
        for (const QString &zeile : kopf.zeilen) {
            const int zeilenbreite = std::min(textbreite(masse, zeile), m_breite);
            text(zeile, (m_seitenbreite - zeilenbreite) / 2, m_y, zeilenbreite, kopf.groesse, true);
            m_y += masse.height();
        }
    }

    void spaltentitel(const Spalten &spalten, int zeilenhoehe)
    {
        m_seiten.last().rechtecke.append({QRect(tabellensatz::rand, m_y - abstand / 2, m_breite,
                                                spalten.titel_zeilen * zeilenhoehe),
                                          druck::bandfarbe});
        for (int zeile = 0; zeile < spalten.titel_zeilen; ++zeile) {
            QList<QStringList> texte;
            for (const QStringList &titel : spalten.titel)
                texte << QStringList{titel.value(zeile)};
            zellen_setzen(spalten, texte, 0);
            m_y += zeilenhoehe;
        }
    }

    // The cells of a row, each in its lines one below the other.
    void zellen_setzen(const Spalten &spalten, const QList<QStringList> &zellen, int zeilenabstand)
    {
        const int rechts = tabellensatz::rand + tabellensatz::innen + m_tabellenbreite;
        int x = tabellensatz::rand + tabellensatz::innen;
        const QList<int> &breiten = spalten.satz.breiten;
        for (qsizetype spalte = 0; spalte < breiten.size(); ++spalte) {
            const int weite = std::min(breiten[spalte], rechts - x);
            if (weite <= 0)
                break; // more columns than the page has points for
            int y = m_y;
            for (const QString &zeile : zellen.value(spalte)) {
                zeile_setzen(spalten, spalte, eingepasst(spalten.masse, zeile, weite), x, y, weite);
                y += zeilenabstand;
            }
            x += weite + spalten.satz.luecke;
        }
    }

    void zeile_setzen(const Spalten &spalten, qsizetype spalte, const QString &inhalt, int x, int y,
                      int weite)
    {
        if (inhalt.isEmpty())
            return;
        const int frei = std::max(0, weite - textbreite(spalten.masse, inhalt));
        const Ausrichtung ausrichtung = spalten.tabelle.ausgerichtet(spalte);
        const int einzug = ausrichtung == Ausrichtung::mitte    ? frei / 2
                           : ausrichtung == Ausrichtung::rechts ? frei
                                                                : 0;
        text(inhalt, x + einzug, y, weite - einzug, spalten.satz.groesse, false);
    }

    QString m_datum;
    Druckschrift m_schrift;
    Satzweise m_weise;
    int m_seitenbreite;
    int m_unterkante;
    int m_breite;
    int m_tabellenbreite;
    Kopf m_kopf;
    Kopf m_unterzeile;
    QList<DruckSeite> m_seiten;
    int m_y = 0;
};

} // namespace

QList<DruckSeite> tabellen_setzen(const QString &ueberschrift, const QDate &heute,
                                  const QList<Ausgabetabelle> &tabellen,
                                  const Druckschrift &schrift, const QString &unterzeile,
                                  Satzweise weise)
{
    Setzer setzer(ueberschrift, unterzeile, heute, schrift, weise);
    for (const Ausgabetabelle &tabelle : tabellen)
        setzer.tabelle(tabelle);
    return setzer.seiten();
}
