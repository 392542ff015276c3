// Sorting rows by columns, by program and by a click on a title.
#include "grid/filtergrid.h"
#include "grid/sortierschluessel.h"
#include "grid/zahltext.h"

#include <QHash>
#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Numbers the distinct texts in the order they are first met.
class Textnummern
{
public:
    int nummer(const QString &text)
    {
        int &eintrag = m_nummern[text]; // 0 until the text has a number; numbers are stored + 1
        if (eintrag == 0) {
            m_texte.push_back(text);
            eintrag = int(m_texte.size());
        }
        return eintrag - 1;
    }
    const QString &text(int nummer) const { return m_texte[size_t(nummer)]; }

private:
    QHash<QString, int> m_nummern;
    std::vector<QString> m_texte;
};

// Rows in ascending order of their text keys; `nummern` holds for each row the numbers of
// its cell texts, field by field. Each distinct combination is keyed and ranked once.
std::vector<int> nach_texten_ordnen(const std::vector<SortFeld> &felder,
                                    const std::vector<Textnummern> &texte,
                                    const std::vector<int> &nummern, QDate tag,
                                    Kollationen &kollationen, size_t hoechstens)
{
    const size_t anzahl = felder.size();
    const size_t datenzeilen = nummern.size() / anzahl;
    // The combination of a row's texts, and one row holding each combination.
    Textnummern kombinationen;
    std::vector<int> kombination(datenzeilen);
    std::vector<int> vertreter;
    for (size_t i = 0; i < datenzeilen; ++i) {
        const int *ids = nummern.data() + i * anzahl;
        int k = ids[0];
        if (anzahl > 1) {
            // Each number as two UTF-16 units: equal texts exactly for equal combinations.
            QString nummern_text;
            nummern_text.reserve(qsizetype(anzahl) * 2);
            for (size_t f = 0; f < anzahl; ++f) {
                nummern_text.append(QChar(char16_t(ids[f] & 0xFFFF)));
                nummern_text.append(QChar(char16_t(ids[f] >> 16)));
            }
            k = kombinationen.nummer(nummern_text);
        }
        kombination[i] = k;
        if (size_t(k) == vertreter.size())
            vertreter.push_back(int(i));
    }
    const QChar komma = QLocale().decimalPoint().front();
    std::vector<QString> schluessel(vertreter.size());
    for (size_t k = 0; k < vertreter.size(); ++k) {
        const int *ids = nummern.data() + size_t(vertreter[k]) * anzahl;
        for (size_t f = 0; f < anzahl; ++f)
            schluessel[k] += sortierschluessel(texte[f].text(ids[f]), felder[f].typ, komma, tag);
    }
    const std::vector<int> rang_je_kombination = kollationen.raenge(schluessel, hoechstens);
    std::vector<int> raenge(datenzeilen);
    for (size_t i = 0; i < datenzeilen; ++i)
        raenge[i] = rang_je_kombination[size_t(kombination[i])];
    return nach_raengen_ordnen(raenge, int(schluessel.size()));
}

// Asks for the cells a few rows ahead: the rows and their texts lie scattered in memory, and
// first a row's cell list, then, once it is there, the texts of its sort fields are needed.
void vorab_laden(const Zellen &zellen, int zeile, int bis, const std::vector<SortFeld> &felder)
{
    constexpr int abstand = 8;
    if (zeile + 2 * abstand < bis)
        __builtin_prefetch(zellen.zeile(zeile + 2 * abstand).data());
    if (zeile + abstand >= bis)
        return;
    const Zellen::Zeile &texte = zellen.zeile(zeile + abstand);
    for (const SortFeld &feld : felder) {
        if (feld.spalte >= 0 && size_t(feld.spalte) < texte.size())
            __builtin_prefetch(texte[size_t(feld.spalte)].constData());
    }
}

// The rows in the order given, each as its row number.
class Zeilenfolge
{
public:
    Zeilenfolge(int von, int bis, bool vorwaerts)
        : m_von(von)
        , m_bis(bis)
        , m_vorwaerts(vorwaerts)
    {
    }
    size_t anzahl() const { return size_t(std::max(m_bis - m_von, 0)); }
    int zeile(size_t i) const { return m_vorwaerts ? m_von + int(i) : m_bis - 1 - int(i); }
    // Asks for the cells of the rows a little ahead of the i-th.
    void vorab(const Zellen &zellen, size_t i, const std::vector<SortFeld> &felder) const
    {
        if (m_vorwaerts)
            vorab_laden(zellen, zeile(i), m_bis, felder);
    }

private:
    int m_von;
    int m_bis;
    bool m_vorwaerts;
};

// The rows in ascending order of their keys as positions in the order `folge` met them; equal
// keys keep that order.
std::vector<int> aufsteigend_ordnen(const Zellen &zellen, const Zeilenfolge &folge,
                                    const std::vector<SortFeld> &felder, QDate heute,
                                    Kollationen &kollationen, size_t hoechstens)
{
    const size_t anzahl = felder.size();
    const size_t datenzeilen = folge.anzahl();
    if (anzahl == 0) {
        std::vector<int> positionen(datenzeilen);
        std::iota(positionen.begin(), positionen.end(), 0);
        return positionen;
    }
    const bool nur_zahlen = std::all_of(
        felder.begin(), felder.end(), [](const SortFeld &feld) { return ist_zahl_typ(feld.typ); });
    if (nur_zahlen) {
        std::vector<qint64> zahlen;
        zahlen.reserve(datenzeilen * anzahl);
        for (size_t i = 0; i < datenzeilen; ++i) {
            folge.vorab(zellen, i, felder);
            for (const SortFeld &feld : felder)
                zahlen.push_back(zahl_rang(zellen.zelle(feld.spalte, folge.zeile(i))));
        }
        return zahlen_ordnen(zahlen, anzahl);
    }
    if (anzahl == 1) {
        // One text field: each cell brings its kept key, and the rows sort by it directly.
        std::vector<const QString *> texte;
        texte.reserve(datenzeilen);
        for (size_t i = 0; i < datenzeilen; ++i) {
            folge.vorab(zellen, i, felder);
            texte.push_back(&zellen.zelle(felder.front().spalte, folge.zeile(i)));
        }
        return kollationen.zellen_ordnen(texte, felder.front().typ, heute, hoechstens);
    }
    // Several fields key the combination of their texts: each distinct text gets a number so
    // that each combination is keyed and collated once however often it occurs.
    std::vector<Textnummern> texte(anzahl);
    std::vector<int> nummern;
    nummern.reserve(datenzeilen * anzahl);
    for (size_t i = 0; i < datenzeilen; ++i) {
        folge.vorab(zellen, i, felder);
        for (size_t f = 0; f < anzahl; ++f)
            nummern.push_back(texte[f].nummer(zellen.zelle(felder[f].spalte, folge.zeile(i))));
    }
    return nach_texten_ordnen(felder, texte, nummern, heute, kollationen, hoechstens);
}

} // namespace

std::vector<int> zeilen_ordnen(const Zellen &zellen, int von, int bis,
                               const std::vector<SortFeld> &felder, QDate heute,
                               Kollationen &kollationen, size_t hoechstens, bool aufsteigend)
{
    if (aufsteigend)
        return aufsteigend_ordnen(zellen, Zeilenfolge(von, bis, true), felder, heute, kollationen,
                                  hoechstens);
    // Descending and stable: the rows met from the last one up and sorted ascending, that
    // order read backwards. Equal keys then stand as they stood before.
    std::vector<int> folge = aufsteigend_ordnen(zellen, Zeilenfolge(von, bis, false), felder,
                                                heute, kollationen, hoechstens);
    const int letzte = std::max(bis - von, 0) - 1;
    std::reverse(folge.begin(), folge.end());
    for (int &position : folge)
        position = letzte - position;
    return folge;
}

void Sortierung::feld_vergessen(int aCol)
{
    std::erase_if(m_felder, [aCol](const SortFeld &feld) { return feld.spalte == aCol; });
}

std::vector<int> Sortierung::ordnen(const Zellen &zellen, int von, int bis, QDate heute,
                                    size_t hoechstens, bool aufsteigend)
{
    return zeilen_ordnen(zellen, von, bis, m_felder, heute, m_kollationen, hoechstens,
                         aufsteigend);
}

bool Sortierung::setze_spaltentitel(const QString &text)
{
    if (text == m_spaltentitel)
        return false;
    m_spaltentitel = text;
    return true;
}

bool Sortierung::setze_an(bool an)
{
    if (an == m_an)
        return false;
    m_an = an;
    return true;
}

QString Sortierung::spalten_der_titel(const QStringList &titel, QChar trenner) const
{
    QString spalten;
    for (const QString &gesucht : in_zeilen(m_spaltentitel, trenner)) {
        for (qsizetype c = 0; c < titel.size(); ++c) {
            if (titel[c].compare(gesucht, Qt::CaseInsensitive) == 0) {
                spalten += QString::number(c) + u';';
                break;
            }
        }
    }
    return spalten;
}

bool Sortierung::titel_klick(int aCol)
{
    const bool aufsteigend = aCol != m_letzte_titel_spalte;
    m_letzte_titel_spalte = aufsteigend ? aCol : -1;
    return aufsteigend;
}

void GitterModell::leere_zellen_fuellen(std::vector<QString> &zeile) const
{
    if (zeile.size() < size_t(m_col_count))
        zeile.resize(size_t(m_col_count));
    for (int c = 0; c < m_col_count; ++c) {
        if (zeile[size_t(c)].isEmpty())
            zeile[size_t(c)] = u" "_s;
    }
}

void GitterModell::Sortiere(const QString &colNrStr, bool toRow, int wmWait, bool sortAufw)
{
    Sammlung sammlung(*this);
    ColClearEt(-1);
    std::vector<SortFeld> felder;
    for (const QString &stueck : in_zeilen(colNrStr, u';')) {
        const int spalte = StrToIntNorm(stueck);
        const TColInfo *info = GetColInfo(spalte);
        felder.push_back({spalte, info ? info->Typ : QChar(u' '), sortAufw});
    }
    m_sortierung.felder_setzen(std::move(felder));
    const int datenzeilen = m_row_count - m_fixed_rows;
    fortschritt(wmWait, 0, m_row_count);
    // Without sort fields the rows keep their order but still go back as row text.
    if (datenzeilen > 0) {
        // A key for every cell of the grid at most: more are keys of texts no longer there.
        const size_t hoechstens = size_t(m_row_count) * size_t(m_col_count);
        const std::vector<int> folge = m_sortierung.ordnen(m_zellen, m_fixed_rows, m_row_count,
                                                           heute(), hoechstens, sortAufw);
        // Every data row goes back with all its cells, the empty ones as " ".
        for (int r = m_fixed_rows; r < m_row_count; ++r) {
            leere_zellen_fuellen(m_zellen.zeile(r));
            fortschritt(wmWait, 1, r);
        }
        m_zellen.anordnen(m_fixed_rows, folge);
        int neue_aktuelle = -1;
        for (int i = 0; i < datenzeilen; ++i) {
            if (m_fixed_rows + folge[size_t(i)] == m_zeiger.zeile())
                neue_aktuelle = m_fixed_rows + i;
        }
        melde_alles();
        if (toRow && neue_aktuelle >= 0) {
            const bool vorher = m_aenderungs_modus;
            m_aenderungs_modus = false;
            SetRow(neue_aktuelle);
            m_aenderungs_modus = vorher;
            m_zeilen_text_beim_betreten = Rows(m_zeiger.zeile());
        }
    }
    ColInsertEt(-1);
    fortschritt(wmWait, 2, 0);
}

void GitterModell::SortiereIndex()
{
    if (!m_sortierung.an() || m_sortierung.spaltentitel().isEmpty())
        return;
    QString spalten = m_sortierung.spalten_der_titel(Rows(0), ParamTz);
    if (!spalten.isEmpty()) {
        if (m_ereignisse.OnSort)
            m_ereignisse.OnSort(*this, spalten);
        if (!spalten.isEmpty()) {
            Sortiere(spalten, SortNewFocus, WM_USER_Wait, SortDirection == sdAufsteigend);
            if (m_ereignisse.OnSortEnd)
                m_ereignisse.OnSortEnd(*this, spalten);
        }
    }
    Change();
}

void GitterModell::SetSortierCols(const QString &text)
{
    if (m_sortierung.setze_spaltentitel(text))
        SortiereIndex();
}

void GitterModell::SetSortierenEd(bool an)
{
    if (m_sortierung.setze_an(an))
        SortiereIndex();
}

void GitterModell::titel_klick_sortieren(int aCol)
{
    QString spalte = QString::number(aCol);
    if (m_ereignisse.OnSort)
        m_ereignisse.OnSort(*this, spalte);
    if (spalte.isEmpty())
        return;
    Sortiere(spalte, SortNewFocus, WM_USER_Wait, m_sortierung.titel_klick(aCol));
    if (m_ereignisse.OnSortEnd)
        m_ereignisse.OnSortEnd(*this, spalte);
}
