#include "grid/gitter_adapter_fenster.h"

#include <QBrush>
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
    , gitter_(gitter)
    , zeilen_(gitter.RowCount())
    , spalten_(gitter.ColCount())
{
}

int GitterAdapter::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : zeilen_;
}

int GitterAdapter::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : spalten_;
}

bool GitterAdapter::ist_titel(int aCol, int aRow) const
{
    return aRow < gitter_.FixedRows() || aCol < gitter_.FixedCols();
}

QVariant GitterAdapter::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid())
        return {};
    const int c = index.column();
    const int r = index.row();
    const TColInfo *info = gitter_.GetColInfo(c);
    const bool titelzeile = r < gitter_.FixedRows();
    switch (rolle) {
    case Qt::DisplayRole: {
        QString text = gitter_.Cells(c, r);
        if (info && ((titelzeile ? info->TitAlign : info->DatAlign) & ausrichtung_umbruch))
            text.replace(u'\u00AF', u'\n');
        return text;
    }
    case Qt::EditRole:
        return gitter_.Cells(c, r);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            ausrichtung(info ? (titelzeile ? info->TitAlign : info->DatAlign) : 36));
    case Qt::FontRole: {
        const std::optional<Schrift> &schrift =
            info ? (titelzeile ? info->TitFont : info->DatFont) : std::optional<Schrift>();
        return schrift ? schrift->font : gitter_.Font().font;
    }
    case Qt::ForegroundRole: {
        const std::optional<Schrift> &schrift =
            info ? (titelzeile ? info->TitFont : info->DatFont) : std::optional<Schrift>();
        return QBrush(farbe_zu_qcolor(schrift ? schrift->Color : gitter_.Font().Color));
    }
    case Qt::BackgroundRole: {
        TColor farbe = ist_titel(c, r) ? gitter_.FixedColor() : gitter_.Color();
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
    if (text != gitter_.Cells(index.column(), index.row()))
        gitter_.text_editiert(index.column(), index.row(), text);
    return true;
}

Qt::ItemFlags GitterAdapter::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (ist_titel(index.column(), index.row()))
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (gitter_.goEditing())
        flags |= Qt::ItemIsEditable;
    return flags;
}

void GitterAdapter::zelle_geaendert(int aCol, int aRow)
{
    if (aRow < zeilen_ && aCol < spalten_) {
        const QModelIndex zelle = index(aRow, aCol);
        emit dataChanged(zelle, zelle);
    }
}

void GitterAdapter::alles_geaendert()
{
    if (zeilen_ != gitter_.RowCount() || spalten_ != gitter_.ColCount()) {
        beginResetModel();
        zeilen_ = gitter_.RowCount();
        spalten_ = gitter_.ColCount();
        endResetModel();
    } else if (zeilen_ > 0 && spalten_ > 0) {
        emit dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1));
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

GitterDelegate::GitterDelegate(GitterModell &gitter, QObject *eltern)
    : QStyledItemDelegate(eltern)
    , gitter_(gitter)
{
}

QWidget *GitterDelegate::createEditor(QWidget *eltern, const QStyleOptionViewItem &,
                                      const QModelIndex &index) const
{
    auto *editor = new QLineEdit(eltern);
    editor->setFrame(false);
    const int c = index.column();
    const int r = index.row();
    gitter_.editieren_beginnt(c, r);
    GitterModell &gitter = gitter_;
    QObject::connect(editor, &QLineEdit::textEdited, editor,
                     [&gitter, c, r](const QString &text) { gitter.text_editiert(c, r, text); });
    return editor;
}

void GitterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *zeile = static_cast<QLineEdit *>(editor);
    const QString text = gitter_.Cells(index.column(), index.row());
    // The cell already holds what is being typed; resetting would move the cursor.
    if (zeile->text() != text)
        zeile->setText(text);
}

void GitterDelegate::setModelData(QWidget *editor, QAbstractItemModel *modell,
                                  const QModelIndex &index) const
{
    modell->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}
