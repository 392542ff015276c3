#pragma once

#include <QFrame>

class Plattform;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class Tischeingang;

// "Von den Tischen": the open proposals from the phones beside the round panel, oldest first,
// with "Übernehmen" (also Enter in the list) and "Verwerfen". Shown while a proposal is open. A
// new proposal beeps and is marked, but never takes the keyboard focus.
class Tischmeldungsfeld : public QFrame
{
    Q_OBJECT

public:
    Tischmeldungsfeld(Tischeingang &eingang, Plattform &plattform, QWidget *eltern = nullptr);

    QListWidget *m_liste = nullptr;
    QPushButton *m_uebernehmen = nullptr;
    QPushButton *m_verwerfen = nullptr;

signals:
    // The focus goes back to the matrix once the panel has nothing more to offer.
    void erledigt();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void zeigen();
    void eingegangen();
    void uebernehmen();
    void verwerfen();

    Tischeingang &m_eingang;
    Plattform &m_plattform;
    QLabel *m_titel = nullptr;
    QTimer *m_takt = nullptr;
};
