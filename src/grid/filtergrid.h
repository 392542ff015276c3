#pragma once

#include "grid/filterbedingung.h"
#include "grid/filterstand.h"
#include "grid/gitterdatei.h"
#include "grid/gitterereignisse.h"
#include "grid/gittermasse.h"
#include "grid/gitterzeiger.h"
#include "grid/sortierung.h"
#include "grid/spalteninfos.h"
#include "grid/zellen.h"

#include <QDate>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

class QPainter;

enum TSortDirection { sdAufsteigend, sdAbsteigend };

// Draw state of a cell, for the drawing hooks.
enum TGridDrawState {
    gdSelected = 1,
    gdFocused = 2,
    gdFixed = 4,
    gdRowSelected = 8,
    gdHotTrack = 16,
    gdPressed = 32
};

// What a view of the grid must hear to stay in step with it.
class GitterAnzeige
{
public:
    virtual ~GitterAnzeige() = default;
    virtual void zelle_geaendert(int aCol, int aRow) = 0;
    virtual void alles_geaendert() = 0;  // sizes, widths, many cells
    virtual void cursor_geaendert() = 0; // Row, Col, TopRow, LeftCol or Selection
    virtual void benachrichtigt() = 0;   // the change notification
    // A message for the user, such as a condition string that names no column; a view
    // without a way to show messages leaves it.
    virtual void fehler_melden(const QString &) {}
};

// The table component's model: cells with title rows and columns, column information, typed
// access, sorting, filtering and its own file format. It needs no widget; a view keeps it
// informed about its width and scroll bar and listens through GitterAnzeige.
class GitterModell
{
public:
    GitterModell();
    ~GitterModell();
    GitterModell(const GitterModell &) = delete;
    GitterModell &operator=(const GitterModell &) = delete;

    // The base grid.
    int ColCount() const { return m_col_count; }
    void SetColCount(int anzahl);
    int RowCount() const { return m_row_count; }
    void SetRowCount(int anzahl);
    int FixedCols() const { return m_fixed_cols; }
    void SetFixedCols(int anzahl);
    int FixedRows() const { return m_fixed_rows; }
    void SetFixedRows(int anzahl);
    QString Cells(int aCol, int aRow) const;
    void SetCells(int aCol, int aRow, const QString &text);
    // Row and column text: one line per cell. Writing empties the row first and stores an
    // empty line as " "; lines beyond the last cell are dropped.
    QStringList Rows(int aRow) const;
    void SetRows(int aRow, const QStringList &zeilen);
    QStringList Cols(int aCol) const;
    void SetCols(int aCol, const QStringList &zeilen);
    // Cell by cell, without the " " rule.
    void AssignCols(int aCol, const QStringList &zeilen);
    int ColWidths(int aCol) const;
    void SetColWidths(int aCol, int breite);
    int RowHeights(int aRow) const;
    void SetRowHeights(int aRow, int hoehe);
    int DefaultColWidth() const { return m_masse.standard_breite(); }
    void SetDefaultColWidth(int breite);
    int DefaultRowHeight() const { return m_masse.standard_hoehe(); }
    void SetDefaultRowHeight(int hoehe);
    TColor Color() const { return m_color; }
    void SetColor(TColor farbe);
    TColor FixedColor() const { return m_fixed_color; }
    void SetFixedColor(TColor farbe);
    const Schrift &Font() const { return m_font; }
    void SetFont(const Schrift &schrift);
    int Row() const { return m_zeiger.zeile(); }
    void SetRow(int aRow);
    int Col() const { return m_zeiger.spalte(); }
    void SetCol(int aCol);
    int TopRow() const { return m_zeiger.oberste_zeile(); }
    void SetTopRow(int aRow);
    int LeftCol() const { return m_zeiger.linke_spalte(); }
    void SetLeftCol(int aCol);
    TGridRect Selection() const { return m_zeiger.auswahl(); }
    void SetSelection(const TGridRect &auswahl);
    bool goRowSelect() const { return m_zeiger.zeilenwahl(); }
    void SetGoRowSelect(bool an);
    bool goEditing() const { return m_zeiger.editieren(); }
    void SetGoEditing(bool an);

    // What the view tells the model, for the width measuring.
    int ansichts_breite() const { return m_ansichts_breite; }
    void setze_ansichts_breite(int breite) { m_ansichts_breite = breite; }
    bool senkrechter_rollbalken() const { return m_senkrechter_rollbalken; }
    void setze_senkrechter_rollbalken(bool da) { m_senkrechter_rollbalken = da; }
    void setze_anzeige(GitterAnzeige *anzeige) { m_anzeige = anzeige; }
    // Today's date, for dates typed without a year; without it such dates are not read.
    void setze_heute(std::function<QDate()> heute) { m_heute = std::move(heute); }

    // Column information.
    TColInfo *ColInfo_Create(int aCol);
    TColInfo *GetColInfo(int aCol) const;
    TColInfo *ColInfoC(int aCol);
    void SetColInfo(int aCol, std::unique_ptr<TColInfo> info);
    void ColInfo_Set(int aCol);
    int ColSetMaxWidths(bool readColInfo, bool ChangeFixCol, bool Stretch);
    void ColInfo_Swap(int c1, int c2);
    void ColInfo_Insert(int aCol);
    void ColInfo_Delete(int aCol);
    void ColInfo_Clear();

    // Operations on rows and columns.
    void ClearGrid(bool aResetRowCount);
    void ColClear(int aCol);
    void CleanBlueCell();
    void SelectCells(int aCol, int aRow);
    int RowDeleteEmpty(quint32 mask = 0);
    bool EmptyGrid() const;
    bool RowEmpty(int aRow) const;
    int RowAdd(int pos, const QStringList &txt = {});
    void RowDelete(int aRow);
    int RowMarkCount() const;
    int RowMarkDelete();
    void SelectRows(int aRowVon, int aRowBis);
    int SelectColsCount() const;
    int SelectRowsCount() const;
    int RowFind(const QString &filterStr, int start = -1);
    bool RowNext();
    bool RowPred();
    void RowFirst();
    void RowLast();
    void RowScrollLast();
    void RowSwap(int r1, int r2);
    bool ColEmpty(int aCol) const;
    int ColDeleteEmpty();
    int ColAdd(int aCol, const QStringList &txt = {});
    void ColDelete(int aCol);
    void ColSwap(int c1, int c2);
    void ColToLst(QStringList &lst, int aCol, bool titel, bool duplicate) const;
    void ColFromLst(const QStringList &lst, int aCol, bool Titel);
    QString ColToParamStr(int aCol, bool titel, bool duplicate) const;
    void ColFromParamStr(const QString &text, int aCol, bool Titel);
    bool ColClearEt(int aCol);
    bool ColInsertEt(int aCol);
    int CopyFromGrid(GitterModell &grdSource, const QString &aFilterStr, bool copyFm,
                     bool ClearColInfo);

    // Component binding.
    void ColInfo_AddComp(int aCol, QObject *aComp, TGetCompProperty CompToCell,
                         TSetCompProperty CellToComp);
    void ColInfo_ClearComp(int aCol);
    void CellsToComp(int aRow = -1);
    void CompToCells(QObject *aComp = nullptr);

    bool ModifiedDaten() const { return m_modified; }
    void ModiDaten_True() { m_modified = true; }
    void ModiDaten_False() { m_modified = false; }

    // Parameter strings and other text views.
    QString ColInfoToParamStr(int aCol) const;
    // On a malformed number the column still gets its information and `fehler` the message.
    TColInfo *ParamStrToColInfo(int aCol, const QString &param, QString *fehler = nullptr);
    QString ColFeatures() const;
    bool SetColFeatures(const QString &text, QString *fehler = nullptr);
    bool SetParamArrayToColInfo(const QStringList &pa, QString *fehler = nullptr);
    QString FixedColsText() const;
    void SetFixedColsText(const QString &text);
    QString ColNamen() const;
    void SetColNamen(const QString &text);

    // Typed cell access.
    double GetAsDateTime(int aCol, int aRow) const;
    void SetAsDateTime(int aCol, int aRow, double wert);
    double GetAsDate(int aCol, int aRow) const;
    void SetAsDate(int aCol, int aRow, double wert);
    double GetAsTime(int aCol, int aRow) const;
    void SetAsTime(int aCol, int aRow, double wert);
    bool GetAsBoolean(int aCol, int aRow) const;
    void SetAsBoolean(int aCol, int aRow, bool wert);
    qint32 GetAsInteger(int aCol, int aRow) const;
    void SetAsInteger(int aCol, int aRow, qint32 wert);
    double GetAsFloat(int aCol, int aRow) const;
    void SetAsFloat(int aCol, int aRow, double wert);
    double GetAsCurr(int aCol, int aRow) const;
    void SetAsCurr(int aCol, int aRow, double wert);
    std::optional<Vergleichswert> StrToColFormat(int aCol, const QString &s,
                                                 QString *fehler = nullptr) const;

    // Sorting.
    void Sortiere(const QString &colNrStr, bool toRow, int wmWait, bool sortAufw);
    void SortiereIndex();
    QString SortierCols() const { return m_sortierung.spaltentitel(); }
    void SetSortierCols(const QString &text);
    bool SortierenEd() const { return m_sortierung.an(); }
    void SetSortierenEd(bool an);
    // The sort of a left click on the title of column aCol.
    void titel_klick_sortieren(int aCol);
    int letzte_titel_spalte() const { return m_sortierung.letzte_titel_spalte(); }
    // The next click on any title sorts ascending again.
    void titel_klick_vergessen() { m_sortierung.titel_klick_vergessen(); }
    const std::vector<SortFeld> &sort_felder() const { return m_sortierung.felder(); }

    // Filtering.
    QString Filter() const { return m_filterstand.text(); }
    // The filter setters return why the condition string could not be read (empty when it
    // could); the view is told as well.
    QString SetFilter(const QString &text);
    bool FilterEd() const { return m_filterstand.an(); }
    QString SetFilterEd(bool an);
    int gefilterte_zeilen() const { return m_filterstand.beiseite(); }

    // Files and exchange forms.
    QString FileName() const { return m_file_name; }
    void SetFileName(const QString &name);
    int FileIstVersion() const { return m_file_ist_version; }
    bool SaveToFile(bool save_ColInfo = true, int wmWait = 0);
    // The same bytes written to another path; the grid's own file name stays.
    bool SaveToPath(const QString &pfad, bool save_ColInfo = true, int wmWait = 0);
    bool LoadFromFile(bool load_ColInfo = true, bool aRowSelect = false, int fnVersion = -1,
                      int wmWait = 0);
    bool SaveToServerFile(int indexCol, int editTimeCol, double LoadTime, bool save_ColInfo = true,
                          int wmWait = 0);
    // The load from the bytes of a grid file, as read from FileName.
    bool aus_bytes_laden(QByteArrayView inhalt, bool load_ColInfo, bool aRowSelect, int version,
                         int wmWait = 0);
    // Why the last load or save failed, in German; empty when it did not.
    QString letzter_fehler() const { return m_letzter_fehler; }
    void ExportToList(QStringList &lst, const QString &tz, int startRow, int startCol) const;
    QString ExportToParamStr(int startRow, int startCol) const;
    void ImportFromList(const QStringList &lst, int startRow, int startCol);
    void ImportFromParamStr(const QString &ps, int startRow, int startCol);

    // What the view reports of the user's doings.
    void editieren_beginnt(int aCol, int aRow);
    void text_editiert(int aCol, int aRow, const QString &text);
    // The cell's editor has closed. Cancelled (Escape), the cell gets back the text it had when
    // the editor opened, for it holds every keystroke.
    void editieren_endet(bool verworfen = false);
    // While the closing of a cancelled editor is reported.
    bool editieren_verworfen() const { return m_editieren_verworfen; }
    // The cell whose editor opened last: (column, row), (-1, -1) before any.
    std::pair<int, int> editierte_zelle() const { return {m_editier_spalte, m_editier_zeile}; }
    bool zelle_waehlbar(int aCol, int aRow);
    void maus_gedrueckt(int aCol, int aRow, bool links, bool in_titel_innen);
    void maus_losgelassen();
    // Cursor down on the last row; true when a row was appended.
    bool taste_runter();

    // Published state.
    int FileSollVersion = 1;
    QStringList FileParam;
    TSortDirection SortDirection = sdAufsteigend;
    bool SortMouseEd = false;
    bool SortNewFocus = true;
    TColor SelectRowColor = clHighlight;
    int Distance = 1;
    bool RowAddAuto = false;
    QChar ParamTz = u';';
    QChar ColTz = u'\u00AC';
    QChar RowTz = u'\u00AB';
    int WM_USER_Wait = 0;
    int WaitStep = 10;
    bool NoInherited = false;
    TSortIcon ShowSortIcon;
    bool GradientToAllCells() const { return m_gradient_alle; }
    void SetGradientToAllCells(bool an);

    // The owner's hooks, handed in as a whole; to change one, read, change and hand back.
    const GitterEreignisse &ereignisse() const { return m_ereignisse; }
    void setze_ereignisse(GitterEreignisse ereignisse) { m_ereignisse = std::move(ereignisse); }

    // The change notification: the view's, then OnChange.
    void Change();

    // Guards bulk changes so the view hears of them once.
    class Sammlung
    {
    public:
        explicit Sammlung(GitterModell &gitter)
            : m_gitter(gitter)
        {
            ++m_gitter.m_sammel_tiefe;
        }
        ~Sammlung();

    private:
        GitterModell &m_gitter;
    };

private:
    void melde_zelle(int aCol, int aRow);
    void melde_alles();
    void melde_cursor();
    void zeile_pruefen_und_merken(int neue_zeile);
    void fortschritt(int wmWait, int phase, int wert);
    void leere_zellen_fuellen(std::vector<QString> &zeile) const;
    // Empty when the string was read, else the message; no condition stays then.
    QString filter_parsen(const QString &text, std::vector<TFiltRec> &bedingungen) const;
    void fehler_melden(const QString &text);
    QDate heute() const { return m_heute ? m_heute() : QDate(); }
    bool zeile_erfuellt(int aRow, const std::vector<TFiltRec> &bedingungen) const;
    QString filter_anwenden();
    void gefilterte_zurueck();
    void spalten_einfuegen_roh(int aCol);
    // Titles and fixed widths of the column information, without measuring.
    void spalteninfos_anwenden(int von, int bis);
    void spalte_loeschen_roh(int aCol);
    // Column parameter strings for columns 0, 1, … as `naechster` hands them out, until it has
    // none or `anzahl` were given; the message of the first malformed one, else empty.
    QString spalteninfos_lesen(int anzahl,
                               const std::function<std::optional<QString>()> &naechster);

    // Takes over a grid file read without damage.
    void datei_uebernehmen(GitterdateiErgebnis &ergebnis, bool aRowSelect);

    Zellen m_zellen;
    Spalteninfos m_col_infos;
    int m_col_count = 5;
    int m_row_count = 5;
    int m_fixed_cols = 1;
    int m_fixed_rows = 1;
    TColor m_color = clWindow;
    TColor m_fixed_color = clBtnFace;
    Schrift m_font;
    Gittermasse m_masse{m_col_count, m_row_count};
    Gitterzeiger m_zeiger;
    int m_ansichts_breite = 0;
    bool m_senkrechter_rollbalken = false;
    GitterAnzeige *m_anzeige = nullptr;
    GitterEreignisse m_ereignisse;
    std::function<QDate()> m_heute;
    int m_sammel_tiefe = 0;
    bool m_sammel_ausstehend = false;

    bool m_modified = false;
    bool m_aenderungs_modus = true;
    bool m_gradient_alle = false;
    QString m_file_name;
    int m_file_ist_version = -1;
    QString m_letzter_fehler;

    Sortierung m_sortierung;
    Filterstand m_filterstand;

    int m_maus_zeile = -1;
    int m_maus_linke_spalte = -1;
    QStringList m_zeilen_text_beim_betreten;
    QString m_text_beim_editieren;
    int m_editier_spalte = -1;
    int m_editier_zeile = -1;
    bool m_editieren_verworfen = false;

    friend class Sammlung;
};
