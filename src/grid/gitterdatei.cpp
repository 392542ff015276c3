// The grid's own text file: counts, header list, sort columns, cells, column information and
// selection, one value per line.
#include "grid/filtergrid.h"
#include "grid/zahltext.h"
#include "grid/zeilenleser.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar zeilenzeichen = u'\u00AF';

std::optional<qint32> ganzzahl(const QString &zeile)
{
    bool ok = false;
    const qint32 wert = zeile.trimmed().toInt(&ok, 10);
    return ok ? std::optional<qint32>(wert) : std::nullopt;
}

QString beschaedigt(const QString &datei, const QString &grund)
{
    return u"Die Datei %1 ist beschädigt: %2."_s.arg(datei, grund);
}

bool hat_zeilenumbruch(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c == u'\n' || c == u'\r'; });
}

QString zelle_fuer_datei(const QString &text)
{
    // A line break would split the cell and shift every later value of the file.
    QString ohne = text;
    ohne.replace(u"\r\n"_s, QString(zeilenzeichen));
    return ReplaceChars(ohne, u"\r\n"_s, zeilenzeichen);
}

} // namespace

void GitterModell::SetFileName(const QString &name)
{
    if (name != m_file_name)
        m_file_name = name;
}

bool GitterModell::SaveToFile(bool save_ColInfo, int wmWait)
{
    m_letzter_fehler.clear();
    fortschritt(wmWait, 0, m_row_count);
    const QString kopf[] = {QString::number(FileSollVersion), QString::number(m_col_count),
                            QString::number(m_row_count),
                            FileParam.isEmpty() ? QString()
                                                : FileParam.join(zeilenzeichen) + zeilenzeichen,
                            m_sortier_cols};
    QStringList fuss;
    if (save_ColInfo) {
        int mit_info = 0;
        for (int c = 0; c < m_col_count; ++c)
            mit_info += GetColInfo(c) ? 1 : 0;
        fuss.append(QString::number(mit_info > 0 ? m_col_count : 0));
        for (int c = 0; c < m_col_count; ++c)
            fuss.append(mit_info > 0 ? ColInfoToParamStr(c) : QString::number(ColWidths(c)));
        for (const int wert :
             {m_selection.Top, m_selection.Left, m_selection.Bottom, m_selection.Right})
            fuss.append(QString::number(wert));
    }
    static const QString leer;
    auto zelle = [this](int c, int r) -> const QString & {
        if (size_t(r) >= m_zellen.size() || size_t(c) >= m_zellen[size_t(r)].size())
            return leer;
        return m_zellen[size_t(r)][size_t(c)];
    };

    // The lines go straight into the file's bytes, in a buffer sized once: a line's byte count
    // is at most its length, and a cell loses characters when its line breaks are replaced.
    qsizetype laenge = 0;
    for (const QString &zeile : kopf)
        laenge += zeile.size() + 1;
    for (const QString &zeile : std::as_const(fuss))
        laenge += zeile.size() + 1;
    for (int r = 0; r < m_row_count; ++r) {
        for (int c = 0; c < m_col_count; ++c)
            laenge += zelle(c, r).size() + 1;
    }
    speicher::Puffer1252 bytes(laenge);
    for (const QString &zeile : kopf)
        bytes.zeile(zeile);
    for (int r = 0; r < m_row_count; ++r) {
        for (int c = 0; c < m_col_count; ++c) {
            const QString &text = zelle(c, r);
            if (hat_zeilenumbruch(text))
                bytes.zeile(zelle_fuer_datei(text));
            else
                bytes.zeile(text);
            fortschritt(wmWait, 1, r);
        }
    }
    for (const QString &zeile : std::as_const(fuss))
        bytes.zeile(zeile);
    if (!speicher::datei_ersetzen(m_file_name, std::move(bytes).bytes())) {
        m_letzter_fehler = u"Die Datei %1 kann nicht geschrieben werden."_s.arg(m_file_name);
        fortschritt(wmWait, 2, 0);
        return false;
    }
    m_modified = false;
    fortschritt(wmWait, 2, 0);
    return true;
}

bool GitterModell::LoadFromFile(bool load_ColInfo, bool aRowSelect, int fnVersion, int wmWait)
{
    m_letzter_fehler.clear();
    const int version = fnVersion == -1 ? FileSollVersion : fnVersion;
    QByteArray inhalt;
    if (!speicher::datei_lesen(m_file_name, inhalt)) {
        m_file_ist_version = -1;
        m_letzter_fehler = u"Die Datei %1 kann nicht gelesen werden."_s.arg(m_file_name);
        return false;
    }
    return aus_bytes_laden(inhalt, load_ColInfo, aRowSelect, version, wmWait);
}

bool GitterModell::aus_bytes_laden(QByteArrayView inhalt, bool load_ColInfo, bool aRowSelect,
                                   int version, int wmWait)
{
    m_letzter_fehler.clear();
    ZeilenLeser leser(speicher::aus_1252(inhalt));
    Dateigroesse groesse;
    m_letzter_fehler = dateikopf_lesen(leser, version, groesse);
    if (!m_letzter_fehler.isEmpty())
        return false; // nothing was loaded, so the grid and its modified flag stay
    Sammlung sammlung(*this);
    fortschritt(wmWait, 0, groesse.zeilen);
    dateizellen_lesen(leser, groesse, wmWait);

    bool breiten_gelesen = false;
    std::optional<TGridRect> auswahl;
    if (load_ColInfo && !leser.ende()) {
        m_letzter_fehler = dateispalten_lesen(leser, groesse.spalten, breiten_gelesen);
        if (m_letzter_fehler.isEmpty() && aRowSelect && !leser.ende()) {
            TGridRect gelesen{0, 0, 0, 0};
            m_letzter_fehler = dateiauswahl_lesen(leser, gelesen);
            auswahl = gelesen;
        }
    }
    if (m_letzter_fehler.isEmpty()) {
        m_modified = false;
        if (!breiten_gelesen)
            ColInfo_Set(-1);
        if (aRowSelect && auswahl) {
            const bool vorher = m_aenderungs_modus;
            m_aenderungs_modus = false;
            SetRow(auswahl->Top);
            SetSelection(*auswahl);
            m_aenderungs_modus = vorher;
        }
    }
    fortschritt(wmWait, 2, 0);
    return m_letzter_fehler.isEmpty();
}

QString GitterModell::dateikopf_lesen(ZeilenLeser &leser, int version, Dateigroesse &groesse)
{
    m_file_ist_version = ganzzahl(leser.zeile()).value_or(-1);
    if (m_file_ist_version != version)
        return u"Die Datei %1 hat die Version %2 statt %3."_s.arg(m_file_name)
            .arg(m_file_ist_version)
            .arg(version);
    const auto spalten = ganzzahl(leser.zeile());
    const auto zeilen = ganzzahl(leser.zeile());
    if (!spalten || !zeilen || *spalten < 0 || *zeilen < 0)
        return beschaedigt(m_file_name, u"Spalten- oder Zeilenzahl ist keine Zahl"_s);
    const QString kopfliste = leser.zeile();
    const QString sortierspalten = leser.zeile();
    // The grid grows to the counts even where the file holds fewer cells; counts that ask
    // for more than it holds and more than any list needs are nonsense, not a reason to run
    // out of memory.
    const qint64 zellen = qint64(std::max(*spalten, 1)) * std::max(*zeilen, 1);
    if (*spalten > hoechste_spaltenzahl ||
        zellen > std::max(hoechste_zellenzahl, leser.restzeilen()))
        return beschaedigt(m_file_name,
                           u"%1 Spalten und %2 Zeilen sind zu viele"_s.arg(*spalten).arg(*zeilen));
    FileParam = kopfliste.split(zeilenzeichen);
    if (FileParam.size() > 0 && FileParam.last().isEmpty())
        FileParam.removeLast();
    m_sortier_cols = sortierspalten;
    groesse = {*spalten, *zeilen};
    return {};
}

void GitterModell::dateizellen_lesen(ZeilenLeser &leser, Dateigroesse groesse, int wmWait)
{
    if (m_col_count < groesse.spalten)
        SetColCount(groesse.spalten);
    if (m_row_count < groesse.zeilen)
        SetRowCount(groesse.zeilen);
    // Rows the file holds no cells for keep their old text.
    for (int zeile = 0; zeile < groesse.zeilen && !leser.ende(); ++zeile) {
        std::vector<QString> &speicher = zeile_speicher(zeile);
        if (speicher.size() < size_t(groesse.spalten))
            speicher.resize(size_t(groesse.spalten));
        for (int spalte = 0; spalte < groesse.spalten && !leser.ende(); ++spalte)
            speicher[size_t(spalte)] = leser.zeile();
        fortschritt(wmWait, 1, zeile);
    }
    melde_alles();
}

QString GitterModell::dateispalten_lesen(ZeilenLeser &leser, int spalten, bool &breiten_gelesen)
{
    const QString anzahl_text = leser.zeile();
    const auto anzahl = ganzzahl(anzahl_text);
    if (!anzahl)
        return beschaedigt(m_file_name, kein_integer(anzahl_text));
    if (*anzahl != 0) {
        ColInfo_Clear();
        const QString fehler = spalteninfos_lesen(*anzahl, [&leser]() -> std::optional<QString> {
            if (leser.ende())
                return std::nullopt;
            return leser.zeile();
        });
        return fehler.isEmpty() ? QString() : beschaedigt(m_file_name, fehler);
    }
    breiten_gelesen = true;
    for (int i = 0; i < spalten && !leser.ende(); ++i) {
        const QString breite_text = leser.zeile();
        const auto breite = ganzzahl(breite_text);
        if (!breite)
            return beschaedigt(m_file_name, kein_integer(breite_text));
        SetColWidths(i, *breite);
    }
    return {};
}

QString GitterModell::dateiauswahl_lesen(ZeilenLeser &leser, TGridRect &auswahl)
{
    for (int *ziel : {&auswahl.Top, &auswahl.Left, &auswahl.Bottom, &auswahl.Right}) {
        if (leser.ende())
            break;
        const QString wert_text = leser.zeile();
        const auto wert = ganzzahl(wert_text);
        if (!wert)
            return beschaedigt(m_file_name, kein_integer(wert_text));
        *ziel = *wert;
    }
    return {};
}

bool GitterModell::SaveToServerFile(int indexCol, int editTimeCol, double LoadTime,
                                    bool save_ColInfo, int wmWait)
{
    GitterModell datei;
    datei.FileSollVersion = FileSollVersion;
    datei.SetFileName(m_file_name);
    const bool sortieren = m_sortieren_ed;
    m_sortieren_ed = false;
    if (datei.LoadFromFile(false, false, -1, 0)) {
        Sammlung sammlung(*this);
        std::vector<bool> gefunden(size_t(std::max(m_row_count, 0)), false);
        for (int r = datei.RowCount() - 1; r >= datei.FixedRows(); --r) {
            const QString schluessel = datei.Cells(indexCol, r);
            if (schluessel.isEmpty())
                continue;
            int treffer = -1;
            for (int eigene = 0; eigene < m_row_count; ++eigene) {
                if (Cells(indexCol, eigene).compare(schluessel, Qt::CaseInsensitive) == 0) {
                    treffer = eigene;
                    break;
                }
            }
            const double datei_zeit = datei.GetAsFloat(editTimeCol, r);
            if (treffer >= m_fixed_rows) {
                gefunden[size_t(treffer)] = true;
                if (datei_zeit > GetAsFloat(editTimeCol, treffer)) {
                    for (int c = 0; c < datei.ColCount(); ++c)
                        SetCells(c, treffer, datei.Cells(c, r));
                }
            } else if (treffer < 0 && datei_zeit > LoadTime) {
                SetRowCount(m_row_count + 1);
                for (int c = 0; c < datei.ColCount(); ++c)
                    SetCells(c, m_row_count - 1, datei.Cells(c, r));
                gefunden.push_back(true);
            }
        }
        for (int r = int(gefunden.size()) - 1; r >= m_fixed_rows; --r) {
            if (!gefunden[size_t(r)] && GetAsFloat(editTimeCol, r) < LoadTime)
                RowDelete(r);
        }
    }
    m_sortieren_ed = sortieren;
    SortiereIndex();
    const bool ergebnis = SaveToFile(save_ColInfo, wmWait);
    m_modified = false;
    return ergebnis;
}
