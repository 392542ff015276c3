#include "grid/filtergrid_fenster.h"

#include "grid/gitter_adapter_fenster.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

TFilterGrid::TFilterGrid(QWidget *eltern)
    : QTableView(eltern)
    , adapter_(new GitterAdapter(*this, this))
{
    setObjectName(u"FilterGrid"_qs);
    setAccessibleName(u"Tabelle"_qs);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new GitterDelegate(*this, this));
    setModel(adapter_);
    setze_anzeige(adapter_);
    connect(adapter_, &GitterAdapter::darstellung_geaendert, this,
            &TFilterGrid::darstellung_uebernehmen);
    connect(adapter_, &GitterAdapter::cursor_bewegt, this, &TFilterGrid::cursor_uebernehmen);
    connect(adapter_, &GitterAdapter::geaendert, this, &TFilterGrid::geaendert);
    darstellung_uebernehmen();
}

TFilterGrid::~TFilterGrid()
{
    setze_anzeige(nullptr);
    setModel(nullptr);
    delete adapter_;
}

void TFilterGrid::darstellung_uebernehmen()
{
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight());
    for (int c = 0; c < ColCount(); ++c)
        setColumnWidth(c, std::max(ColWidths(c), 0));
    for (int r = 0; r < RowCount(); ++r) {
        if (RowHeights(r) != DefaultRowHeight())
            setRowHeight(r, std::max(RowHeights(r), 0));
    }
    QPalette palette = this->palette();
    palette.setColor(QPalette::Highlight, farbe_zu_qcolor(SelectRowColor));
    palette.setColor(QPalette::Base, farbe_zu_qcolor(Color()));
    setPalette(palette);
    cursor_uebernehmen();
    viewport()->update();
}

void TFilterGrid::cursor_uebernehmen()
{
    if (gleicht_ab_)
        return;
    gleicht_ab_ = true;
    setSelectionBehavior(goRowSelect() ? QAbstractItemView::SelectRows
                                       : QAbstractItemView::SelectItems);
    const QModelIndex aktuell = adapter_->index(Row(), Col());
    if (currentIndex() != aktuell) {
        selectionModel()->setCurrentIndex(aktuell, QItemSelectionModel::NoUpdate);
        scrollTo(aktuell); // the grid moved the cursor itself, so show where it went
    }
    const TGridRect auswahl = Selection();
    if (auswahl.Top < 0 || auswahl.Left < 0) {
        selectionModel()->clearSelection();
    } else {
        const QItemSelection bereich(adapter_->index(auswahl.Top, auswahl.Left),
                                     adapter_->index(auswahl.Bottom, auswahl.Right));
        selectionModel()->select(bereich, QItemSelectionModel::ClearAndSelect);
    }
    gleicht_ab_ = false;
}

void TFilterGrid::currentChanged(const QModelIndex &aktuell, const QModelIndex &vorher)
{
    QTableView::currentChanged(aktuell, vorher);
    if (gleicht_ab_ || !aktuell.isValid())
        return;
    const bool titel = aktuell.row() < FixedRows() || aktuell.column() < FixedCols();
    if (titel || !zelle_waehlbar(aktuell.column(), aktuell.row())) {
        cursor_uebernehmen(); // title cells and refused cells: back to where the grid stands
        return;
    }
    gleicht_ab_ = true;
    SetRow(aktuell.row());
    SetCol(aktuell.column());
    gleicht_ab_ = false;
    cursor_uebernehmen();
}

bool TFilterGrid::edit(const QModelIndex &index, EditTrigger ausloeser, QEvent *ereignis)
{
    if (!goEditing() && ausloeser != QAbstractItemView::AllEditTriggers)
        return false;
    return QTableView::edit(index, ausloeser, ereignis);
}

void TFilterGrid::mousePressEvent(QMouseEvent *ereignis)
{
    const int scroll_vorher = horizontalScrollBar()->value();
    QTableView::mousePressEvent(ereignis);
    const QPoint punkt = ereignis->position().toPoint();
    const QModelIndex zelle = indexAt(punkt);
    const bool gezaehlt = !NoInherited;
    bool im_titel = false;
    if (zelle.isValid() && zelle.row() < FixedRows()) {
        const QRect rahmen = visualRect(zelle);
        im_titel = punkt.x() >= rahmen.left() + 3 && punkt.x() <= rahmen.right() - 3;
    }
    maus_gedrueckt(zelle.isValid() ? zelle.column() : -1, zelle.isValid() ? zelle.row() : -1,
                   ereignis->button() == Qt::LeftButton, im_titel);
    maus_scroll_ = gezaehlt && zelle.isValid() ? scroll_vorher : -1;
}

void TFilterGrid::mouseReleaseEvent(QMouseEvent *ereignis)
{
    QTableView::mouseReleaseEvent(ereignis);
    maus_losgelassen();
    // A click never scrolls the grid sideways.
    if (maus_scroll_ >= 0)
        horizontalScrollBar()->setValue(maus_scroll_);
    maus_scroll_ = -1;
}

void TFilterGrid::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Down)
        taste_runter();
    QTableView::keyPressEvent(ereignis);
}

void TFilterGrid::resizeEvent(QResizeEvent *ereignis)
{
    QTableView::resizeEvent(ereignis);
    masse_melden();
}

void TFilterGrid::masse_melden()
{
    setze_ansichts_breite(width());
    setze_senkrechter_rollbalken(verticalScrollBar()->isVisible());
}
