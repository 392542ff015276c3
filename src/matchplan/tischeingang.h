#pragma once

#include "matchplan/tischmeldungen.h"
#include "shell/tischannahme.h"

#include <QObject>
#include <functional>

class GitterModell;
class Plattform;
class Spielplan;
struct Zustand;

// The proposals from the tables for one plan: a slip's key finds its game among the games of
// the plan shown today, a proposal waits in the list and goes into "Tischmeldungen.txt", and
// only "Übernehmen" puts it into the plan, as typed into the game's matrix cell.
class Tischeingang : public QObject, public Tischannahme
{
    Q_OBJECT

public:
    Tischeingang(Zustand &zustand, Plattform &plattform, Spielplan &plan,
                 const GitterModell &matrix, QObject *eltern = nullptr);

    // Every game of the plan as it stands, with today's date.
    QList<Tischspiel> spiele() const;
    std::optional<Tischlage> lage(QByteArrayView schluessel) override;
    bool melden(QByteArrayView schluessel, int tore1, int tore2, const QString &adresse) override;

    const QList<Tischmeldung> &offen() const { return m_meldungen.offen(); }
    // The panel's lines, oldest first, at this moment.
    QStringList texte() const;
    // "Übernehmen": false, with the German message, when the game is no longer in the plan;
    // the proposal is then dropped.
    std::optional<QString> uebernehmen(int index);
    void verwerfen(int index);
    // The address of each game's page on its slip for the page at `seite` ("http://…:port/"),
    // made with the secret of the day (made now when the day has none); none without a page.
    std::function<QString(int spalte, int zeile)> zetteladressen(const QString &seite);
    // "Neue Zettel": a new secret of the day; every slip printed before opens nothing any more.
    void neue_zettel();
    // Proposals kept for a restart come back as they were.
    void wiederaufnehmen(const QList<Tischmeldung> &meldungen);

signals:
    // The list of open proposals changed.
    void geaendert();
    // A proposal came from a phone.
    void eingegangen();

private:
    std::optional<Tischspiel> spiel(QByteArrayView schluessel) const;
    Tischlage lage_von(const Tischspiel &spiel) const;
    QString steht(const Tischspiel &spiel) const;
    bool im_plan(const Tischspiel &spiel) const;
    void aufschreiben(const Tischmeldung &meldung, const QString &ausgang);

    Zustand &m_zustand;
    Plattform &m_plattform;
    Spielplan &m_plan;
    const GitterModell &m_matrix;
    Tischmeldungen m_meldungen;
    bool m_fehler_gemeldet = false;
};
