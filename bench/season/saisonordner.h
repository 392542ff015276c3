#pragma once

// A data folder with a season of stored match days, played and saved through the plan, so the
// folder holds all three files of each day in the formats the program writes.
#include "../../tests/matchplan/plan_testhilfe.h"

#include <QDir>
#include <QTemporaryDir>

struct Saisonordner
{
    QTemporaryDir ordner;
    QString pfad = ordner.path() + u'/';
    QStringList satzdateien; // every record file, found in the folder, not named by the program
};

// `tage` days of 4 to 10 entries per team, doubles and singles in turn, every game played.
inline Saisonordner *saisonordner_anlegen(int tage)
{
    using namespace Qt::StringLiterals;
    auto *s = new Saisonordner;
    for (int tag = 0; tag < tage; ++tag) {
        const int n = 4 + tag % 7;
        PlanAufbau a(tag % 2 ? einzel_profil() : doppel_profil(), n);
        for (int c = 1; c <= n; ++c) {
            for (int r = 1; r <= n; ++r)
                a.ersetzen(c, r, u"%1:%2"_s.arg((c * 7 + r + tag) % 11).arg((r * 5 + c) % 11));
        }
        a.plattform.uhrzeit = QDateTime(QDate(2020, 1, 1).addDays(tag), QTime(18, 0));
        a.zustand.daten_pfad = s->pfad;
        a.plan.speichern();
    }
    for (const QString &name : QDir(s->pfad).entryList({u"*.grp"_s}, QDir::Files))
        s->satzdateien << s->pfad + name;
    return s;
}
