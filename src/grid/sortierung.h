#pragma once

#include "grid/sortierschluessel.h"
#include "grid/zellen.h"

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

// One field of a sort; a title cell of such a column carries a sort mark.
struct SortFeld
{
    int spalte = 0;
    QChar typ = u' ';
    bool aufsteigend = true;
};

// The rows von..bis-1 of `zellen` in ascending or descending order of `felder`, as positions
// counted from `von`; rows with equal keys keep their order either way. `kollationen` keeps the
// collation keys for the next sort, at most `hoechstens` of them beyond those in use.
std::vector<int> zeilen_ordnen(const Zellen &zellen, int von, int bis,
                               const std::vector<SortFeld> &felder, QDate heute,
                               Kollationen &kollationen, size_t hoechstens,
                               bool aufsteigend = true);

// The sort state of a grid: the sort it shows, the column titles it keeps itself sorted by, the
// title clicked last, and the collation keys of the texts sorted so far. It moves no rows; it
// orders them, and the grid moves them.
class Sortierung
{
public:
    // The fields of the sort now shown; a column that changes or goes loses its field.
    const std::vector<SortFeld> &felder() const { return m_felder; }
    void felder_setzen(std::vector<SortFeld> felder) { m_felder = std::move(felder); }
    void feld_vergessen(int aCol);
    void felder_vergessen() { m_felder.clear(); }
    // The rows von..bis-1 in ascending or descending order of the fields, as zeilen_ordnen,
    // with the keys kept from earlier sorts.
    std::vector<int> ordnen(const Zellen &zellen, int von, int bis, QDate heute, size_t hoechstens,
                            bool aufsteigend);

    // The titles of the columns the grid keeps itself sorted by, and whether it does; the
    // setters tell whether the value changed, for the grid sorts again then.
    const QString &spaltentitel() const { return m_spaltentitel; }
    bool setze_spaltentitel(const QString &text);
    bool an() const { return m_an; }
    bool setze_an(bool an);
    // The column numbers ("c;c;") of the kept titles, found among `titel` without regard to
    // case; each title names its first column.
    QString spalten_der_titel(const QStringList &titel, QChar trenner) const;

    // A click on the title of aCol: true for ascending, false when the same title was clicked
    // last, which it then no longer is.
    bool titel_klick(int aCol);
    int letzte_titel_spalte() const { return m_letzte_titel_spalte; }
    // The next click on any title sorts ascending again.
    void titel_klick_vergessen() { m_letzte_titel_spalte = -1; }

private:
    std::vector<SortFeld> m_felder;
    Kollationen m_kollationen;
    QString m_spaltentitel;
    bool m_an = false;
    int m_letzte_titel_spalte = -1;
};
