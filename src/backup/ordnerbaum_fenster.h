#pragma once

#include <QTimer>
#include <QTreeView>

class QFileSystemModel;

// A tree of the file system's folders that opens at a given folder. The model reads folders
// in the background and inserts their entries in batches, which moves the rows below; the tree
// keeps the folder in view until the person moves it.
class Ordnerbaum : public QTreeView
{
    Q_OBJECT

public:
    explicit Ordnerbaum(QWidget *parent = nullptr);

    void ordner_zeigen(const QString &ordner);

signals:
    // A click on a folder, or Enter on it.
    void ordner_gewaehlt(const QString &ordner);

protected:
    void mousePressEvent(QMouseEvent *ereignis) override;
    void wheelEvent(QWheelEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    void nachfuehren();

    QFileSystemModel *m_modell = nullptr;
    QString m_ziel; // empty once the person moved the tree
    QTimer m_nachfuehren;
};
