#pragma once

#include "matchplan/spielplan.h"
#include "matchplan/zuschauer_ansicht.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>

class Plattform;

// A text of the audience view, drawn in its own font and colours over its whole area, whatever
// the style or a style sheet says; too long a text is shown whole in smaller type, on two lines
// where that reads larger. Its text is its accessible name.
class Tafeltext : public QLabel
{
    Q_OBJECT

public:
    explicit Tafeltext(const char *name, QWidget *eltern);

    void schrift_setzen(const QFont &schrift);
    void farben_setzen(const QColor &farbe, const QColor &grund = Qt::black);
    QColor farbe() const { return m_farbe; }
    QColor grund() const { return m_grund; }
    // The type and the text flags it is drawn with at its present size.
    struct Darstellung
    {
        QFont schrift;
        int flaggen = 0;
    };
    Darstellung darstellung() const;

protected:
    void paintEvent(QPaintEvent *ereignis) override;

private:
    QFont m_schrift;
    QColor m_farbe = Qt::white;
    QColor m_grund = Qt::black;
};

// "Zuschauer-Ansicht": the match day for the hall, on a second screen when there is one. It
// shows the ranking of all entries, the two team lines, the running stopwatch time and the plan's
// date in large type and its own high-contrast colours, follows every result of its plan at
// once and takes no input but Esc (and F11), which close it.
class ZuschauerFenster : public QWidget
{
    Q_OBJECT

public:
    static constexpr int zeilen = zuschauer_platz_fuer;

    explicit ZuschauerFenster(Plattform &plattform, QWidget *eltern = nullptr);

    // The plan to follow; none shows a line saying that no plan is open.
    void plan_setzen(Spielplan *plan);
    Spielplan *plan() const { return m_plan; }
    // The stopwatch's display; an invalid colour while no game runs.
    void zeit_anzeigen(const QString &text, const QColor &farbe);
    // Frameless and full screen on a second screen when there is one, else a normal window in
    // front of the program.
    void oeffnen();

    Tafeltext *m_datum = nullptr;
    Tafeltext *m_titel = nullptr;
    Tafeltext *m_spielzeit = nullptr;
    Tafeltext *m_hinweis = nullptr; // no plan open
    std::array<Tafeltext *, 5> m_kopf{};
    // Row i, columns "Platz", "Name", "Mannschaft", "Spiele", "Ges.".
    std::array<std::array<Tafeltext *, 5>, zeilen> m_rangliste{};
    Tafeltext *m_mannschaft1 = nullptr;
    Tafeltext *m_mannschaft2 = nullptr;
    // With the round plan on: the current round with its tables, then the next one.
    Tafeltext *m_jetzt = nullptr;
    Tafeltext *m_danach = nullptr;
    std::array<Tafeltext *, 10> m_jetzt_zeilen{};
    std::array<Tafeltext *, 10> m_danach_zeilen{};

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;
    void paintEvent(QPaintEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;
    void showEvent(QShowEvent *ereignis) override;

private:
    void spiegeln();
    void runden_spiegeln();
    void anordnen();
    void runden_anordnen(int x, int breite, int h);
    bool mit_runden() const;

    Plattform &m_plattform;
    QPointer<Spielplan> m_plan;
};
