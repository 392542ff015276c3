#pragma once

#include "grid/filtergrid.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

// Shows a GitterModell to Qt's item views and hears its changes.
class GitterAdapter : public QAbstractTableModel, public GitterAnzeige
{
    Q_OBJECT

public:
    explicit GitterAdapter(GitterModell &gitter, QObject *eltern = nullptr);

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    bool setData(const QModelIndex &index, const QVariant &wert, int rolle) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void zelle_geaendert(int aCol, int aRow) override;
    void alles_geaendert() override;
    void cursor_geaendert() override;
    void benachrichtigt() override;
    void fehler_melden(const QString &text) override;

signals:
    void darstellung_geaendert(); // sizes, widths or colours
    void cursor_bewegt();
    void geaendert(); // the change notification
    void fehler(const QString &text);

private:
    bool ist_titel(int aCol, int aRow) const;

    GitterModell &m_gitter;
    int m_zeilen = 0;
    int m_spalten = 0;
};

// A line editor whose every changed keystroke goes into the cell at once.
class GitterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GitterDelegate(GitterModell &gitter, QObject *eltern);

    QWidget *createEditor(QWidget *eltern, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *modell,
                      const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    GitterModell &m_gitter;
};
