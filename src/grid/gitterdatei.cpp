// The grid's own text file: counts, header list, sort columns, cells, column information and
// selection, one value per line.
#include "grid/filtergrid.h"
#include "grid/zahltext.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"

#include <algorithm>

namespace {

constexpr QChar zeilenzeichen = u'\u00AF';

// Hands out the lines of a file read whole; LF and CR LF both end a line.
class ZeilenLeser
{
public:
    explicit ZeilenLeser(QString text)
        : text_(std::move(text))
    {
    }

    bool ende() const { return pos_ >= text_.size(); }
    QString zeile()
    {
        if (ende())
            return {};
        qsizetype bis = text_.indexOf(u'\n', pos_);
        if (bis < 0)
            bis = text_.size();
        qsizetype laenge = bis - pos_;
        if (laenge > 0 && text_.at(bis - 1) == u'\r')
            --laenge;
        QString ergebnis = text_.mid(pos_, laenge);
        pos_ = bis + 1;
        return ergebnis;
    }
    // Lines still to come, so that no count in the file can ask for more than it holds.
    qint64 restzeilen() const
    {
        if (ende())
            return 0;
        const qint64 umbrueche = QStringView(text_).mid(pos_).count(u'\n');
        return umbrueche + (text_.endsWith(u'\n') ? 0 : 1);
    }

private:
    QString text_;
    qsizetype pos_ = 0;
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
    ohne.replace(u"\r\n"_qs, QString(zeilenzeichen));
    return ReplaceChars(ohne, u"\r\n"_qs, zeilenzeichen);
}

} // namespace

void GitterModell::SetFileName(const QString &name)
{
    if (name != file_name_)
        file_name_ = name;
}

bool GitterModell::SaveToFile(bool save_ColInfo, int wmWait)
{
    letzter_fehler_.clear();
    QString text;
    auto zeile = [&text](const QString &inhalt) {
        text += inhalt;
        text += u'\n';
    };
    fortschritt(wmWait, 0, row_count_);
    zeile(QString::number(FileSollVersion));
    zeile(QString::number(col_count_));
    zeile(QString::number(row_count_));
    zeile(FileParam.isEmpty() ? QString() : FileParam.join(zeilenzeichen) + zeilenzeichen);
    zeile(sortier_cols_);
    for (int r = 0; r < row_count_; ++r) {
        for (int c = 0; c < col_count_; ++c) {
            zeile(zelle_fuer_datei(Cells(c, r)));
            fortschritt(wmWait, 1, r);
        }
    }
    if (save_ColInfo) {
        int mit_info = 0;
        for (int c = 0; c < col_count_; ++c)
            mit_info += GetColInfo(c) ? 1 : 0;
        zeile(QString::number(mit_info > 0 ? col_count_ : 0));
        for (int c = 0; c < col_count_; ++c)
            zeile(mit_info > 0 ? ColInfoToParamStr(c) : QString::number(ColWidths(c)));
        zeile(QString::number(selection_.Top));
        zeile(QString::number(selection_.Left));
        zeile(QString::number(selection_.Bottom));
        zeile(QString::number(selection_.Right));
    }
    if (!speicher::datei_ersetzen(file_name_, speicher::nach_1252(text))) {
        letzter_fehler_ = u"Die Datei %1 kann nicht geschrieben werden."_qs.arg(file_name_);
        fortschritt(wmWait, 2, 0);
        return false;
    }
    modified_ = false;
    fortschritt(wmWait, 2, 0);
    return true;
}

bool GitterModell::LoadFromFile(bool load_ColInfo, bool aRowSelect, int fnVersion, int wmWait)
{
    letzter_fehler_.clear();
    const int version = fnVersion == -1 ? FileSollVersion : fnVersion;
    QByteArray inhalt;
    if (!speicher::datei_lesen(file_name_, inhalt)) {
        file_ist_version_ = -1;
        letzter_fehler_ = u"Die Datei %1 kann nicht gelesen werden."_qs.arg(file_name_);
        return false;
    }
    return aus_bytes_laden(inhalt, load_ColInfo, aRowSelect, version, wmWait);
}

bool GitterModell::aus_bytes_laden(QByteArrayView inhalt, bool load_ColInfo, bool aRowSelect,
                                   int version, int wmWait)
{
    letzter_fehler_.clear();
    ZeilenLeser leser(speicher::aus_1252(inhalt));
    file_ist_version_ = ganzzahl(leser.zeile()).value_or(-1);
    if (file_ist_version_ != version) {
        // The grid and its modified flag stay as they were: nothing was loaded.
        letzter_fehler_ = u"Die Datei %1 hat die Version %2 statt %3."_qs.arg(file_name_)
                              .arg(file_ist_version_)
                              .arg(version);
        return false;
    }
    const QString spalten_text = leser.zeile();
    const QString zeilen_text = leser.zeile();
    const auto spalten = ganzzahl(spalten_text);
    const auto zeilen = ganzzahl(zeilen_text);
    if (!spalten || !zeilen || *spalten < 0 || *zeilen < 0) {
        letzter_fehler_ =
            u"Die Datei %1 ist beschädigt: Spalten- oder Zeilenzahl ist keine Zahl."_qs.arg(
                file_name_);
        return false;
    }
    Sammlung sammlung(*this);
    fortschritt(wmWait, 0, *zeilen);
    FileParam = leser.zeile().split(zeilenzeichen);
    if (FileParam.size() > 0 && FileParam.last().isEmpty())
        FileParam.removeLast();
    sortier_cols_ = leser.zeile();

    // Grow no further than the lines present can fill.
    const qint64 vorrat = leser.restzeilen();
    const int c = int(std::min<qint64>(*spalten, vorrat));
    const int r = c == 0 ? 0 : int(std::min<qint64>(*zeilen, (vorrat + c - 1) / c));
    if (col_count_ < c)
        SetColCount(c);
    if (row_count_ < r)
        SetRowCount(r);
    if (zellen_.size() < size_t(r))
        zellen_.resize(size_t(r));
    for (int zeile = 0; zeile < r && !leser.ende(); ++zeile) {
        std::vector<QString> &speicher = zellen_[size_t(zeile)];
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
        letzter_fehler_ =
            u"Die Datei %1 ist beschädigt: '%2' ist kein gültiger Integerwert."_qs.arg(file_name_,
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
                    letzter_fehler_ = u"Die Datei %1 ist beschädigt: %2"_qs.arg(file_name_, fehler);
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

    modified_ = false;
    if (!breiten_gelesen)
        ColInfo_Set(-1);
    if (aRowSelect && auswahl_gelesen) {
        const bool vorher = aenderungs_modus_;
        aenderungs_modus_ = false;
        SetRow(auswahl.Top);
        SetSelection(auswahl);
        aenderungs_modus_ = vorher;
    }
    fortschritt(wmWait, 2, 0);
    return true;
}

bool GitterModell::SaveToServerFile(int indexCol, int editTimeCol, double LoadTime,
                                    bool save_ColInfo, int wmWait)
{
    GitterModell datei;
    datei.FileSollVersion = FileSollVersion;
    datei.SetFileName(file_name_);
    const bool sortieren = sortieren_ed_;
    sortieren_ed_ = false;
    if (datei.LoadFromFile(false, false, -1, 0)) {
        Sammlung sammlung(*this);
        std::vector<bool> gefunden(size_t(std::max(row_count_, 0)), false);
        for (int r = datei.RowCount() - 1; r >= datei.FixedRows(); --r) {
            const QString schluessel = datei.Cells(indexCol, r);
            if (schluessel.isEmpty())
                continue;
            int treffer = -1;
            for (int eigene = 0; eigene < row_count_; ++eigene) {
                if (Cells(indexCol, eigene).compare(schluessel, Qt::CaseInsensitive) == 0) {
                    treffer = eigene;
                    break;
                }
            }
            const double datei_zeit = datei.GetAsFloat(editTimeCol, r);
            if (treffer >= fixed_rows_) {
                gefunden[size_t(treffer)] = true;
                if (datei_zeit > GetAsFloat(editTimeCol, treffer)) {
                    for (int c = 0; c < datei.ColCount(); ++c)
                        SetCells(c, treffer, datei.Cells(c, r));
                }
            } else if (treffer < 0 && datei_zeit > LoadTime) {
                SetRowCount(row_count_ + 1);
                for (int c = 0; c < datei.ColCount(); ++c)
                    SetCells(c, row_count_ - 1, datei.Cells(c, r));
                gefunden.push_back(true);
            }
        }
        for (int r = int(gefunden.size()) - 1; r >= fixed_rows_; --r) {
            if (!gefunden[size_t(r)] && GetAsFloat(editTimeCol, r) < LoadTime)
                RowDelete(r);
        }
    }
    sortieren_ed_ = sortieren;
    SortiereIndex();
    const bool ergebnis = SaveToFile(save_ColInfo, wmWait);
    modified_ = false;
    return ergebnis;
}
