#pragma once

#include <QFrame>

class QLabel;
class QListWidget;
struct Rundenanzeige;

// The round panel beside the plan: "Runde 3 von 34", the current round's games by table, and
// smaller the next round. A click on a game asks for its matrix cell; two buttons print the
// round plan and the game slips, a third makes new slip keys.
class Rundenfeld : public QFrame
{
    Q_OBJECT

public:
    explicit Rundenfeld(QWidget *eltern = nullptr);

    void zeigen(const Rundenanzeige &anzeige);

signals:
    void spiel_gewaehlt(int spalte, int zeile);
    void rundenplan_drucken();
    void spielzettel_drucken();
    void neue_zettel();

private:
    QLabel *m_titel = nullptr;
    QListWidget *m_jetzt = nullptr;
    QLabel *m_danach_titel = nullptr;
    QLabel *m_danach = nullptr;
};
