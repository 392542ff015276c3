// The grid's file through SaveToFile, SaveToPath and LoadFromFile: the file is read whole
// into a fresh result, and the grid takes it over only when nothing in it was damaged.
#include "grid/filtergrid.h"
#include "grid/gitterdatei.h"
#include "storage/sichere_datei.h"

using namespace Qt::StringLiterals;

void GitterModell::SetFileName(const QString &name)
{
    if (name != m_file_name)
        m_file_name = name;
}

bool GitterModell::SaveToFile(bool save_ColInfo, int wmWait)
{
    return SaveToPath(m_file_name, save_ColInfo, wmWait);
}

bool GitterModell::SaveToPath(const QString &pfad, bool save_ColInfo, int wmWait)
{
    m_letzter_fehler.clear();
    fortschritt(wmWait, 0, m_row_count);
    Gitterdatei datei;
    datei.version = FileSollVersion;
    datei.spalten = m_col_count;
    datei.zeilen = m_row_count;
    datei.kopfliste = FileParam;
    datei.sortier_spalten = m_sortierung.spaltentitel();
    if (save_ColInfo) {
        bool mit_info = false;
        for (int c = 0; c < m_col_count && !mit_info; ++c)
            mit_info = GetColInfo(c) != nullptr;
        if (mit_info) {
            QStringList &parameter = datei.spalten_parameter.emplace();
            for (int c = 0; c < m_col_count; ++c)
                parameter.append(ColInfoToParamStr(c));
        } else {
            datei.breiten.emplace(m_masse.breiten().begin(), m_masse.breiten().end());
        }
        datei.auswahl = m_zeiger.auswahl();
    }
    const QByteArray bytes =
        gitterdatei_schreiben(datei, m_zellen, [&](int zeile) { fortschritt(wmWait, 1, zeile); });
    const bool geschrieben = speicher::datei_ersetzen(pfad, bytes);
    if (geschrieben)
        m_modified = false;
    else
        m_letzter_fehler = u"Die Datei %1 kann nicht geschrieben werden."_s.arg(pfad);
    fortschritt(wmWait, 2, 0);
    return geschrieben;
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
    GitterdateiErgebnis ergebnis =
        gitterdatei_lesen(inhalt, version, load_ColInfo, aRowSelect, RowTz, m_file_name,
                          [&](int phase, int wert) { fortschritt(wmWait, phase, wert); });
    m_file_ist_version = ergebnis.ist_version;
    m_letzter_fehler = ergebnis.fehler;
    if (ergebnis.gelesen())
        datei_uebernehmen(ergebnis, aRowSelect);
    if (ergebnis.kopf_gelesen)
        fortschritt(wmWait, 2, 0);
    return ergebnis.gelesen();
}

void GitterModell::datei_uebernehmen(GitterdateiErgebnis &ergebnis, bool aRowSelect)
{
    Sammlung sammlung(*this);
    Gitterdatei &datei = ergebnis.datei;
    FileParam = datei.kopfliste;
    m_sortierung.setze_spaltentitel(datei.sortier_spalten);
    // The grid never shrinks, and cells the file does not hold keep their text.
    if (m_col_count < datei.spalten)
        SetColCount(datei.spalten);
    if (m_row_count < datei.zeilen)
        SetRowCount(datei.zeilen);
    for (int r = 0; size_t(r) < ergebnis.zellen.zeilen(); ++r) {
        Zellen::Zeile &gelesen = ergebnis.zellen.zeile(r);
        Zellen::Zeile &ziel = m_zellen.zeile(r);
        if (ziel.empty()) {
            ziel.swap(gelesen);
            continue;
        }
        if (ziel.size() < gelesen.size())
            ziel.resize(gelesen.size());
        std::move(gelesen.begin(), gelesen.end(), ziel.begin());
    }
    melde_alles();
    if (datei.spalten_parameter) {
        ColInfo_Clear();
        for (int c = 0; c < datei.spalten_parameter->size(); ++c)
            ParamStrToColInfo(c, datei.spalten_parameter->at(c));
    }
    if (datei.breiten) {
        for (size_t c = 0; c < datei.breiten->size(); ++c)
            SetColWidths(int(c), (*datei.breiten)[c]);
    }
    m_modified = false;
    if (!datei.breiten)
        ColInfo_Set(-1);
    if (aRowSelect && datei.auswahl) {
        const bool vorher = m_aenderungs_modus;
        m_aenderungs_modus = false;
        SetRow(datei.auswahl->Top);
        SetSelection(*datei.auswahl);
        m_aenderungs_modus = vorher;
    }
}

bool GitterModell::SaveToServerFile(int indexCol, int editTimeCol, double LoadTime,
                                    bool save_ColInfo, int wmWait)
{
    GitterModell datei;
    datei.FileSollVersion = FileSollVersion;
    datei.SetFileName(m_file_name);
    const bool sortieren = m_sortierung.an();
    m_sortierung.setze_an(false);
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
    m_sortierung.setze_an(sortieren);
    SortiereIndex();
    const bool ergebnis = SaveToFile(save_ColInfo, wmWait);
    m_modified = false;
    return ergebnis;
}
