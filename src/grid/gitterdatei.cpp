// The grid's own text file: counts, header list, sort columns, cells, column information and
// selection, one value per line.
#include "grid/filtergrid.h"
#include "grid/zahltext.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar zeilenzeichen = u'\u00AF';

// Hands out the lines of a file read whole; LF and CR LF both end a line.
class ZeilenLeser
{
public:
    explicit ZeilenLeser(QString text)
        : m_text(std::move(text))
    {
    }

    bool ende() const { return m_pos >= m_text.size(); }
    QString zeile()
    {
        if (ende())
            return {};
        qsizetype bis = m_text.indexOf(u'\n', m_pos);
        if (bis < 0)
            bis = m_text.size();
        qsizetype laenge = bis - m_pos;
        if (laenge > 0 && m_text.at(bis - 1) == u'\r')
            --laenge;
        QString ergebnis = m_text.mid(m_pos, laenge);
        m_pos = bis + 1;
        return ergebnis;
    }
    // Lines still to come, so that no count in the file can ask for more than it holds.
    qint64 restzeilen() const
    {
        if (ende())
            return 0;
        const qint64 umbrueche = QStringView(m_text).mid(m_pos).count(u'\n');
        return umbrueche + (m_text.endsWith(u'\n') ? 0 : 1);
    }

private:
    QString m_text;
    qsizetype m_pos = 0;
};

std::optional<qint32> ganzzahl(const QString &zeile)
{
    bool ok = false;
    const qint32 wert = zeile.trimmed().toInt(&ok, 10);
    return ok ? std::optional<qint32>(wert) : std::nullopt;
}

QString zelle_fuer_datei(const QString &text)
{
    // A line break would split the cell and shift every later value of the file.
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return text;
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
    QString text;
    auto zeile = [&text](const QString &inhalt) {
        text += inhalt;
        text += u'\n';
    };
    fortschritt(wmWait, 0, m_row_count);
    zeile(QString::number(FileSollVersion));
    zeile(QString::number(m_col_count));
    zeile(QString::number(m_row_count));
    zeile(FileParam.isEmpty() ? QString() : FileParam.join(zeilenzeichen) + zeilenzeichen);
    zeile(m_sortier_cols);
    for (int r = 0; r < m_row_count; ++r) {
        for (int c = 0; c < m_col_count; ++c) {
            zeile(zelle_fuer_datei(Cells(c, r)));
            fortschritt(wmWait, 1, r);
        }
    }
    if (save_ColInfo) {
        int mit_info = 0;
        for (int c = 0; c < m_col_count; ++c)
            mit_info += GetColInfo(c) ? 1 : 0;
        zeile(QString::number(mit_info > 0 ? m_col_count : 0));
        for (int c = 0; c < m_col_count; ++c)
            zeile(mit_info > 0 ? ColInfoToParamStr(c) : QString::number(ColWidths(c)));
        zeile(QString::number(m_selection.Top));
        zeile(QString::number(m_selection.Left));
        zeile(QString::number(m_selection.Bottom));
        zeile(QString::number(m_selection.Right));
    }
    if (!speicher::datei_ersetzen(m_file_name, speicher::nach_1252(text))) {
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
    m_file_ist_version = ganzzahl(leser.zeile()).value_or(-1);
    if (m_file_ist_version != version) {
        // The grid and its modified flag stay as they were: nothing was loaded.
        m_letzter_fehler = u"Die Datei %1 hat die Version %2 statt %3."_s.arg(m_file_name)
                               .arg(m_file_ist_version)
                               .arg(version);
        return false;
    }
    const QString spalten_text = leser.zeile();
    const QString zeilen_text = leser.zeile();
    const auto spalten = ganzzahl(spalten_text);
    const auto zeilen = ganzzahl(zeilen_text);
    if (!spalten || !zeilen || *spalten < 0 || *zeilen < 0) {
        m_letzter_fehler =
            u"Die Datei %1 ist beschädigt: Spalten- oder Zeilenzahl ist keine Zahl."_s.arg(
                m_file_name);
        return false;
    }
    Sammlung sammlung(*this);
    fortschritt(wmWait, 0, *zeilen);
    FileParam = leser.zeile().split(zeilenzeichen);
    if (FileParam.size() > 0 && FileParam.last().isEmpty())
        FileParam.removeLast();
    m_sortier_cols = leser.zeile();

    // Grow no further than the lines present can fill.
    const qint64 vorrat = leser.restzeilen();
    const int c = int(std::min<qint64>(*spalten, vorrat));
    const int r = c == 0 ? 0 : int(std::min<qint64>(*zeilen, (vorrat + c - 1) / c));
    if (m_col_count < c)
        SetColCount(c);
    if (m_row_count < r)
        SetRowCount(r);
    if (m_zellen.size() < size_t(r))
        m_zellen.resize(size_t(r));
    for (int zeile = 0; zeile < r && !leser.ende(); ++zeile) {
        std::vector<QString> &speicher = m_zellen[size_t(zeile)];
        if (speicher.size() < size_t(c))
            speicher.resize(size_t(c));
        for (int spalte = 0; spalte < c && !leser.ende(); ++spalte)
            speicher[size_t(spalte)] = leser.zeile();
        fortschritt(wmWait, 1, zeile);
    }
    melde_alles();

    bool breiten_gelesen = false;
    bool auswahl_gelesen = false;
    TGridRect auswahl{0, 0, 0, 0};
    auto kaputt = [&](const QString &zeile) {
        m_letzter_fehler =
            u"Die Datei %1 ist beschädigt: '%2' ist kein gültiger Integerwert."_s.arg(m_file_name,
                                                                                      zeile);
        fortschritt(wmWait, 2, 0);
        return false;
    };
    if (load_ColInfo && !leser.ende()) {
        const QString anzahl_text = leser.zeile();
        const auto anzahl = ganzzahl(anzahl_text);
        if (!anzahl)
            return kaputt(anzahl_text);
        if (*anzahl != 0) {
            ColInfo_Clear();
            for (int i = 0; i < *anzahl && !leser.ende(); ++i) {
                QString fehler;
                ParamStrToColInfo(i, leser.zeile(), &fehler);
                if (!fehler.isEmpty()) {
                    m_letzter_fehler =
                        u"Die Datei %1 ist beschädigt: %2"_s.arg(m_file_name, fehler);
                    fortschritt(wmWait, 2, 0);
                    return false;
                }
            }
        } else {
            breiten_gelesen = true;
            for (int i = 0; i < c && !leser.ende(); ++i) {
                const QString breite_text = leser.zeile();
                const auto breite = ganzzahl(breite_text);
                if (!breite)
                    return kaputt(breite_text);
                SetColWidths(i, *breite);
            }
        }
        if (aRowSelect && !leser.ende()) {
            int *ziele[] = {&auswahl.Top, &auswahl.Left, &auswahl.Bottom, &auswahl.Right};
            for (int *ziel : ziele) {
                if (leser.ende())
                    break;
                const QString wert_text = leser.zeile();
                const auto wert = ganzzahl(wert_text);
                if (!wert)
                    return kaputt(wert_text);
                *ziel = *wert;
            }
            auswahl_gelesen = true;
        }
    }

    m_modified = false;
    if (!breiten_gelesen)
        ColInfo_Set(-1);
    if (aRowSelect && auswahl_gelesen) {
        const bool vorher = m_aenderungs_modus;
        m_aenderungs_modus = false;
        SetRow(auswahl.Top);
        SetSelection(auswahl);
        m_aenderungs_modus = vorher;
    }
    fortschritt(wmWait, 2, 0);
    return true;
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
