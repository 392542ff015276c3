#include "backup/ordnerbaum_fenster.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>

Ordnerbaum::Ordnerbaum(QWidget *parent)
    : QTreeView(parent)
    , m_modell(new QFileSystemModel(this))
{
    m_modell->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_modell->setRootPath(QDir::rootPath());
    setModel(m_modell);
    for (int spalte = 1; spalte < m_modell->columnCount(); ++spalte)
        hideColumn(spalte);
    header()->hide();

    // One scroll after a burst of inserted rows.
    m_nachfuehren.setSingleShot(true);
    m_nachfuehren.setInterval(0);
    connect(&m_nachfuehren, &QTimer::timeout, this, &Ordnerbaum::nachfuehren);
    const auto spaeter = [this] {
        m_nachfuehren.start();
    };
    connect(m_modell, &QFileSystemModel::rowsInserted, this, spaeter);
    connect(m_modell, &QFileSystemModel::rowsRemoved, this, spaeter);
    connect(m_modell, &QFileSystemModel::layoutChanged, this, spaeter);

    const auto gewaehlt = [this](const QModelIndex &index) {
        emit ordner_gewaehlt(m_modell->filePath(index));
    };
    connect(this, &QTreeView::clicked, this, gewaehlt);
    connect(this, &QTreeView::activated, this, gewaehlt);
}

void Ordnerbaum::ordner_zeigen(const QString &ordner)
{
    if (!QFileInfo(ordner).isDir())
        return;
    m_ziel = QDir::cleanPath(ordner);
    const QModelIndex index = m_modell->index(m_ziel);
    setCurrentIndex(index);
    expand(index);
    nachfuehren();
}

void Ordnerbaum::nachfuehren()
{
    if (!m_ziel.isEmpty())
        scrollTo(m_modell->index(m_ziel), QAbstractItemView::PositionAtCenter);
}

void Ordnerbaum::mousePressEvent(QMouseEvent *ereignis)
{
    m_ziel.clear();
    QTreeView::mousePressEvent(ereignis);
}

void Ordnerbaum::wheelEvent(QWheelEvent *ereignis)
{
    m_ziel.clear();
    QTreeView::wheelEvent(ereignis);
}

void Ordnerbaum::keyPressEvent(QKeyEvent *ereignis)
{
    m_ziel.clear();
    QTreeView::keyPressEvent(ereignis);
}
