#include "grid/gitter_adapter_fenster.h"

#include "appearance/kontrast.h"

#include <QBrush>
#include <QFocusEvent>
#include <QLineEdit>

namespace {

Qt::Alignment ausrichtung(qint32 flags)
{
    Qt::Alignment ergebnis = (flags & ausrichtung_rechts)  ? Qt::AlignRight
                             : (flags & ausrichtung_mitte) ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
    return ergebnis | Qt::AlignVCenter;
}

} // namespace

GitterAdapter::GitterAdapter(GitterModell &gitter, QObject *eltern)
    : QAbstractTableModel(eltern)
    , m_gitter(gitter)
    , m_zeilen(gitter.RowCount())
    , m_spalten(gitter.ColCount())
{
}

int GitterAdapter::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : m_zeilen;
}

int GitterAdapter::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : m_spalten;
}

bool GitterAdapter::ist_titel(int aCol, int aRow) const
{
    return aRow < m_gitter.FixedRows() || aCol < m_gitter.FixedCols();
}

QVariant GitterAdapter::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid())
        return {};
    const int c = index.column();
    const int r = index.row();
    const TColInfo *info = m_gitter.GetColInfo(c);
    const bool titelzeile = r < m_gitter.FixedRows();
    switch (rolle) {
    case Qt::DisplayRole: {
        QString text = m_gitter.Cells(c, r);
        if (info && ((titelzeile ? info->TitAlign : info->DatAlign) & ausrichtung_umbruch))
            text.replace(u'\u00AF', u'\n');
        return text;
    }
    case Qt::EditRole:
        return m_gitter.Cells(c, r);
    case Qt::ToolTipRole:
        return m_gitter.ereignisse().OnHinweis ? m_gitter.ereignisse().OnHinweis(m_gitter, c, r)
                                               : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ausrichtung(info ? (titelzeile ? info->TitAlign : info->DatAlign)
                                                    : ausrichtung_links_mittig));
    case Qt::FontRole: {
        const std::optional<Schrift> &schrift =
            info ? (titelzeile ? info->TitFont : info->DatFont) : std::optional<Schrift>();
        return schrift ? schrift->font : m_gitter.Font().font;
    }
    case Qt::ForegroundRole: {
        const std::optional<Schrift> &schrift =
            info ? (titelzeile ? info->TitFont : info->DatFont) : std::optional<Schrift>();
        return QBrush(farbe_zu_qcolor(schrift ? schrift->Color : m_gitter.Font().Color));
    }
    case Qt::BackgroundRole: {
        TColor farbe = ist_titel(c, r) ? m_gitter.FixedColor() : m_gitter.Color();
        if (info)
            farbe = titelzeile ? info->TitColor : info->DatColor;
        return QBrush(farbe_zu_qcolor(farbe));
    }
    default:
        return {};
    }
}

bool GitterAdapter::setData(const QModelIndex &index, const QVariant &wert, int rolle)
{
    if (!index.isValid() || rolle != Qt::EditRole)
        return false;
    const QString text = wert.toString();
    if (text != m_gitter.Cells(index.column(), index.row()))
        m_gitter.text_editiert(index.column(), index.row(), text);
    return true;
}

Qt::ItemFlags GitterAdapter::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (ist_titel(index.column(), index.row()))
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_gitter.goEditing())
        flags |= Qt::ItemIsEditable;
    return flags;
}

void GitterAdapter::zelle_geaendert(int aCol, int aRow)
{
    if (aRow < m_zeilen && aCol < m_spalten) {
        const QModelIndex zelle = index(aRow, aCol);
        emit dataChanged(zelle, zelle);
    }
}

void GitterAdapter::alles_geaendert()
{
    if (m_zeilen != m_gitter.RowCount() || m_spalten != m_gitter.ColCount()) {
        beginResetModel();
        m_zeilen = m_gitter.RowCount();
        m_spalten = m_gitter.ColCount();
        endResetModel();
    } else if (m_zeilen > 0 && m_spalten > 0) {
        emit dataChanged(index(0, 0), index(m_zeilen - 1, m_spalten - 1));
    }
    emit darstellung_geaendert();
}

void GitterAdapter::cursor_geaendert()
{
    emit cursor_bewegt();
}

void GitterAdapter::benachrichtigt()
{
    emit geaendert();
}

void GitterAdapter::fehler_melden(const QString &text)
{
    emit fehler(text);
}

GitterDelegate::GitterDelegate(GitterModell &gitter, QObject *eltern)
    : QStyledItemDelegate(eltern)
    , m_gitter(gitter)
{
}

QWidget *GitterDelegate::createEditor(QWidget *eltern, const QStyleOptionViewItem &,
                                      const QModelIndex &index) const
{
    auto *editor = new QLineEdit(eltern);
    editor->setFrame(false);
    // The editor takes the cell's colours; a font colour that would not read on the cell's
    // background becomes black or white, whatever colours were stored.
    const QColor grund = index.data(Qt::BackgroundRole).value<QBrush>().color();
    const QColor schrift = index.data(Qt::ForegroundRole).value<QBrush>().color();
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, grund);
    palette.setColor(QPalette::Text, lesbare_schrift(grund, schrift));
    editor->setPalette(palette);
    const int c = index.column();
    const int r = index.row();
    m_gitter.editieren_beginnt(c, r);
    GitterModell &gitter = m_gitter;
    QObject::connect(editor, &QLineEdit::textEdited, editor,
                     [&gitter, c, r](const QString &text) { gitter.text_editiert(c, r, text); });
    return editor;
}

void GitterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *zeile = static_cast<QLineEdit *>(editor);
    const QString text = m_gitter.Cells(index.column(), index.row());
    // The cell already holds what is being typed; resetting would move the cursor.
    if (zeile->text() != text)
        zeile->setText(text);
}

void GitterDelegate::setModelData(QWidget *editor, QAbstractItemModel *modell,
                                  const QModelIndex &index) const
{
    modell->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}

bool GitterDelegate::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // A message box that a keystroke brings up takes the window's focus while the editor's key
    // press is still being handled. Closing the editor then would delete it under that handler;
    // it stays open instead, with the typed text ready for correction.
    if (ereignis->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent *>(ereignis)->reason() == Qt::ActiveWindowFocusReason)
        return false;
    return QStyledItemDelegate::eventFilter(objekt, ereignis);
}
