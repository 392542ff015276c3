#include "grid/filtergrid_fenster.h"

#include "appearance/kontrast.h"
#include "grid/gitter_adapter_fenster.h"
#include "grid/gitter_zeichner_fenster.h"
#include "shell/plattform.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

using namespace Qt::StringLiterals;

TFilterGrid::TFilterGrid(QWidget *eltern)
    : QTableView(eltern)
    , m_adapter(new GitterAdapter(m_modell, this))
{
    setObjectName(u"FilterGrid"_s);
    setAccessibleName(u"Tabelle"_s);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new GitterZeichner(m_modell, *this, this));
    setModel(m_adapter);
    m_modell.setze_anzeige(m_adapter);
    connect(m_adapter, &GitterAdapter::darstellung_geaendert, this,
            &TFilterGrid::darstellung_uebernehmen);
    connect(m_adapter, &GitterAdapter::cursor_bewegt, this, &TFilterGrid::cursor_uebernehmen);
    connect(m_adapter, &GitterAdapter::geaendert, this, &TFilterGrid::geaendert);
    connect(m_adapter, &GitterAdapter::fehler, this, [this](const QString &text) {
        if (m_plattform)
            m_plattform->fehler(text);
    });
    darstellung_uebernehmen();
}

TFilterGrid::TFilterGrid(Plattform &plattform, QWidget *eltern)
    : TFilterGrid(eltern)
{
    setze_plattform(&plattform);
}

void TFilterGrid::setze_plattform(Plattform *plattform)
{
    m_plattform = plattform;
    if (plattform)
        m_modell.setze_heute([plattform] { return plattform->jetzt().date(); });
    else
        m_modell.setze_heute({});
}

TFilterGrid::~TFilterGrid()
{
    m_modell.setze_anzeige(nullptr);
    setModel(nullptr);
    delete m_adapter;
}

void TFilterGrid::darstellung_uebernehmen()
{
    // Only sizes that differ are handed on: every section the header resizes costs it a pass
    // over all rows, and a new default size resizes every section.
    if (verticalHeader()->defaultSectionSize() != m_modell.DefaultRowHeight())
        verticalHeader()->setDefaultSectionSize(m_modell.DefaultRowHeight());
    for (int c = 0; c < m_modell.ColCount(); ++c)
        setColumnWidth(c, std::max(m_modell.ColWidths(c), 0));
    for (int r = 0; r < m_modell.RowCount(); ++r) {
        const int hoehe = std::max(m_modell.RowHeights(r), 0);
        if (rowHeight(r) != hoehe)
            setRowHeight(r, hoehe);
    }
    QPalette palette = this->palette();
    palette.setColor(QPalette::Highlight, farbe_zu_qcolor(m_modell.SelectRowColor));
    const QColor grund = farbe_zu_qcolor(m_modell.Color());
    palette.setColor(QPalette::Base, grund);
    // The cell editor writes in the palette's text colour on the grid colour.
    palette.setColor(QPalette::Text,
                     lesbare_schrift(grund, farbe_zu_qcolor(m_modell.Font().Color)));
    setPalette(palette);
    cursor_uebernehmen();
    viewport()->update();
}

void TFilterGrid::cursor_uebernehmen()
{
    if (m_gleicht_ab)
        return;
    m_gleicht_ab = true;
    setSelectionBehavior(m_modell.goRowSelect() ? QAbstractItemView::SelectRows
                                                : QAbstractItemView::SelectItems);
    const QModelIndex aktuell = m_adapter->index(m_modell.Row(), m_modell.Col());
    if (currentIndex() != aktuell) {
        selectionModel()->setCurrentIndex(aktuell, QItemSelectionModel::NoUpdate);
        scrollTo(aktuell); // the grid moved the cursor itself, so show where it went
    }
    const TGridRect auswahl = m_modell.Selection();
    if (auswahl.Top < 0 || auswahl.Left < 0) {
        selectionModel()->clearSelection();
    } else {
        const QItemSelection bereich(m_adapter->index(auswahl.Top, auswahl.Left),
                                     m_adapter->index(auswahl.Bottom, auswahl.Right));
        selectionModel()->select(bereich, QItemSelectionModel::ClearAndSelect);
    }
    m_gleicht_ab = false;
}

void TFilterGrid::currentChanged(const QModelIndex &aktuell, const QModelIndex &vorher)
{
    QTableView::currentChanged(aktuell, vorher);
    if (m_gleicht_ab || !aktuell.isValid())
        return;
    const bool titel =
        aktuell.row() < m_modell.FixedRows() || aktuell.column() < m_modell.FixedCols();
    if (titel || !m_modell.zelle_waehlbar(aktuell.column(), aktuell.row())) {
        cursor_uebernehmen(); // title cells and refused cells: back to where the grid stands
        return;
    }
    m_gleicht_ab = true;
    m_modell.SetRow(aktuell.row());
    m_modell.SetCol(aktuell.column());
    m_gleicht_ab = false;
    cursor_uebernehmen();
}

bool TFilterGrid::edit(const QModelIndex &index, EditTrigger ausloeser, QEvent *ereignis)
{
    if (!m_modell.goEditing() && ausloeser != QAbstractItemView::AllEditTriggers)
        return false;
    return QTableView::edit(index, ausloeser, ereignis);
}

void TFilterGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hinweis)
{
    QTableView::closeEditor(editor, hinweis);
    m_modell.editieren_endet(hinweis == QAbstractItemDelegate::RevertModelCache);
}

void TFilterGrid::editor_schliessen()
{
    if (state() != EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TFilterGrid::mousePressEvent(QMouseEvent *ereignis)
{
    const int scroll_vorher = horizontalScrollBar()->value();
    QTableView::mousePressEvent(ereignis);
    const QPoint punkt = ereignis->position().toPoint();
    const QModelIndex zelle = indexAt(punkt);
    const bool gezaehlt = !m_modell.NoInherited;
    bool im_titel = false;
    if (zelle.isValid() && zelle.row() < m_modell.FixedRows()) {
        const QRect rahmen = visualRect(zelle);
        im_titel = punkt.x() >= rahmen.left() + 3 && punkt.x() <= rahmen.right() - 3;
    }
    m_modell.maus_gedrueckt(zelle.isValid() ? zelle.column() : -1,
                            zelle.isValid() ? zelle.row() : -1,
                            ereignis->button() == Qt::LeftButton, im_titel);
    m_maus_scroll = gezaehlt && zelle.isValid() ? scroll_vorher : -1;
}

void TFilterGrid::mouseReleaseEvent(QMouseEvent *ereignis)
{
    QTableView::mouseReleaseEvent(ereignis);
    m_modell.maus_losgelassen();
    // A click never scrolls the grid sideways.
    if (m_maus_scroll >= 0)
        horizontalScrollBar()->setValue(m_maus_scroll);
    m_maus_scroll = -1;
}

void TFilterGrid::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Down)
        m_modell.taste_runter();
    QTableView::keyPressEvent(ereignis);
}

void TFilterGrid::resizeEvent(QResizeEvent *ereignis)
{
    QTableView::resizeEvent(ereignis);
    masse_melden();
}

void TFilterGrid::masse_melden()
{
    m_modell.setze_ansichts_breite(width());
    m_modell.setze_senkrechter_rollbalken(verticalScrollBar()->isVisible());
}

void TFilterGrid::masse_anheben(int aCol, int breite, int aRow, int hoehe)
{
    if (aCol >= 0) {
        int &neu = m_neue_breiten[aCol];
        neu = std::max(neu, breite);
    }
    if (aRow >= 0) {
        int &neu = m_neue_hoehen[aRow];
        neu = std::max(neu, hoehe);
    }
    if (m_masse_geplant)
        return;
    m_masse_geplant = true;
    QMetaObject::invokeMethod(this, &TFilterGrid::masse_anwenden, Qt::QueuedConnection);
}

void TFilterGrid::masse_anwenden()
{
    m_masse_geplant = false;
    const GitterModell::Sammlung sammlung(m_modell);
    for (const auto &[c, breite] : std::exchange(m_neue_breiten, {})) {
        if (breite > m_modell.ColWidths(c))
            m_modell.SetColWidths(c, breite);
    }
    for (const auto &[r, hoehe] : std::exchange(m_neue_hoehen, {})) {
        if (hoehe > m_modell.RowHeights(r))
            m_modell.SetRowHeights(r, hoehe);
    }
}
