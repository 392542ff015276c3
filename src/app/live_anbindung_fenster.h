#pragma once

#include "live/tagesstand.h"
#include "shell/tischannahme.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class LiveModul;
class LiveVerdichter;
class Plattform;
class QLabel;
class SpielplanFenster;
class TForm1;
class TurnierplanAnbindung;
struct Zustand;

// "Live-Seite im Hallennetz…": the live page follows the same plan as the audience view (the
// plan of the current game kind, and from then on every plan that is shown) and its
// stopwatch display. The module and the snapshot are set up at the first opening; until then
// no change of the plan costs anything here. A slip's page answers for the plan followed. While
// the page is on, the main window says so.
class LiveAnbindung : public QObject, public Tischannahme
{
    Q_OBJECT

public:
    LiveAnbindung(TForm1 &hauptfenster, TurnierplanAnbindung &turnierplan, Zustand &zustand,
                  Plattform &plattform);

    // Built at the first opening; nullptr until then.
    LiveVerdichter *verdichter() const { return m_verdichter; }

    // The slips' pages answer for the plan the live page follows, and only for it.
    std::optional<Tischlage> lage(QByteArrayView schluessel) override;
    bool melden(QByteArrayView schluessel, int tore1, int tore2, const QString &adresse) override;

private:
    void oeffnen();
    void plan_anbinden(SpielplanFenster *plan);
    void folgen(SpielplanFenster *plan);
    void markieren();
    void anzeigen(std::optional<int> telefone);
    QJsonObject stand() const;

    TForm1 &m_hauptfenster;
    TurnierplanAnbindung &m_turnierplan;
    Zustand &m_zustand;
    Plattform &m_plattform;
    LiveModul *m_modul = nullptr;
    LiveVerdichter *m_verdichter = nullptr;
    QPointer<SpielplanFenster> m_gefolgt;
    // In the main window's status bar while the page is on: closing its window leaves it
    // running.
    QLabel *m_anzeige = nullptr;
};
