#pragma once

#include "grid/filtergrid.h"
#include "grid/gitter_zeichenflaeche.h"

#include <QTableView>
#include <map>

class GitterAdapter;
class Plattform;

// The table component every list window stands on: a table view that holds the grid model.
// Every rule lives in GitterModell; this class turns mouse, keys and editing into its
// operations and shows its cells.
class TFilterGrid : public QTableView, public GitterZeichenflaeche
{
    Q_OBJECT

public:
    explicit TFilterGrid(QWidget *eltern = nullptr);
    explicit TFilterGrid(Plattform &plattform, QWidget *eltern = nullptr);
    ~TFilterGrid() override;

    // Shows the grid's messages and gives it today's date; without one (nullptr) messages go
    // unseen and dates typed without a year are not read.
    void setze_plattform(Plattform *plattform);

    GitterModell &modell() { return m_modell; }
    const GitterModell &modell() const { return m_modell; }
    GitterAdapter *adapter() const { return m_adapter; }

    // Drawing: title cells (and with GradientToAllCells every cell) get a vertical gradient.
    TGridDrawingStyle DrawingStyle = gdsGradient;
    TColor GradientStartColor = clWindow;
    TColor GradientEndColor = clBtnFace;

    // A painted cell asks for a wider column (its sort mark) or a higher row (its text); the
    // grid grows after the paint, once for all cells of it, and is painted again.
    void masse_anheben(int aCol, int breite, int aRow, int hoehe) override;

    TGridDrawingStyle zeichenstil() const override { return DrawingStyle; }
    TColor verlauf_anfang() const override { return GradientStartColor; }
    TColor verlauf_ende() const override { return GradientEndColor; }
    int gezeigte_breite(int aCol) const override { return columnWidth(aCol); }
    int gezeigte_hoehe(int aRow) const override { return rowHeight(aRow); }

    // Commits and closes a cell editor that is open.
    void editor_schliessen();

signals:
    // The change notification, after every changed keystroke, row insert or delete,
    // sort and filter pass; OnChange is called too.
    void geaendert();

protected:
    void mousePressEvent(QMouseEvent *ereignis) override;
    void mouseReleaseEvent(QMouseEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;
    void currentChanged(const QModelIndex &aktuell, const QModelIndex &vorher) override;
    bool edit(const QModelIndex &index, EditTrigger ausloeser, QEvent *ereignis) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hinweis) override;

private:
    void darstellung_uebernehmen();
    void cursor_uebernehmen();
    void masse_melden();
    void masse_anwenden();

    GitterModell m_modell; // before the adapter, which reads it when it is made
    GitterAdapter *m_adapter = nullptr;
    Plattform *m_plattform = nullptr;
    bool m_gleicht_ab = false;
    int m_maus_scroll = -1;
    std::map<int, int> m_neue_breiten;
    std::map<int, int> m_neue_hoehen;
    bool m_masse_geplant = false;
};
