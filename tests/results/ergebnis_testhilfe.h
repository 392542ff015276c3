#pragma once

#include "grid/filtergrid.h"
#include "matchplan/planaufbau.h"
#include "matchplan/spieltag.h"
#include "shell/zustand.h"
#include "storage/sichere_datei.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

// A stored day of n entries per team. Team 1's entry k is "A<k>" (with partner "P<k>" in
// doubles), team 2's "B<k>" ("Q<k>"); the score of standings row r in game g is r * 100 + g,
// the total of entry t is 500 + t, and ranks interleave the teams: team 1's entry k has rank
// 2k - 1, team 2's 2k.
inline TSpieltag spieltag_fuer(bool doppel, int n)
{
    TSpieltag satz;
    for (Mannschaft mannschaft : {Mannschaft::eins, Mannschaft::zwei}) {
        const bool eins = mannschaft == Mannschaft::eins;
        for (int k = 1; k <= n; ++k) {
            const QString nr = QString::number(k);
            if (doppel) {
                satz.setze(spt::doppel_name(mannschaft, k, 1), QString(eins ? u'A' : u'B') + nr);
                satz.setze(spt::doppel_name(mannschaft, k, 2), QString(eins ? u'P' : u'Q') + nr);
            } else {
                satz.setze(spt::einzel_name(mannschaft, k), QString(eins ? u'A' : u'B') + nr);
            }
            const int zeile = plan::zeile(mannschaft, k);
            for (int g = 1; g <= spt::spiele; ++g)
                satz.setze(spt::punkte(zeile, g), QString::number(zeile * 100 + g));
            const int t = eins ? k : plan::max_eintraege + k;
            satz.setze(spt::summe(t), QString::number(500 + t));
            satz.setze(spt::platz(zeile), QString::number(eins ? 2 * k - 1 : 2 * k));
        }
    }
    return satz;
}

// The record as the file name of a saved day, and the shared values the file choice sets for
// it; the day is 14.03.2026.
inline QString spieltag_ablegen(Zustand &zustand, const TSpieltag &satz, bool doppel, int n)
{
    using namespace Qt::StringLiterals;
    const QString name =
        u"%1_Gr%2_14_03_2026.grp"_s.arg(doppel ? u"D"_s : u"E"_s).arg(n, 2, 10, QChar(u'0'));
    speicher::datei_ersetzen(zustand.pfad(name), satz.bytes());
    zustand.grp_datei = name;
    zustand.plan_anzahl = n;
    zustand.listen_datum = u"14.03.2026"_s;
    return name;
}

inline QStringList spalte_text(const GitterModell &gitter, int spalte)
{
    QStringList texte;
    for (int zeile = 0; zeile < gitter.RowCount(); ++zeile)
        texte << gitter.Cells(spalte, zeile);
    return texte;
}

inline QString zeile_text(const GitterModell &gitter, int zeile)
{
    QStringList texte;
    for (int spalte = 0; spalte < gitter.ColCount(); ++spalte)
        texte << gitter.Cells(spalte, zeile);
    return texte.join(u'|');
}

inline int titel_spalte(const GitterModell &gitter, const QString &titel)
{
    for (int spalte = 0; spalte < gitter.ColCount(); ++spalte) {
        if (gitter.Cells(spalte, 0) == titel)
            return spalte;
    }
    return -1;
}

// The first value of the first quantisation table of a JPEG file: 8 at the encoder's default
// quality 75, 1 at quality 100; -1 without such a table.
inline int jpeg_erster_quantwert(const QByteArray &jpeg)
{
    const qsizetype dqt = jpeg.indexOf("\xFF\xDB");
    if (dqt < 0 || dqt + 5 >= jpeg.size())
        return -1;
    return quint8(jpeg.at(dqt + 5));
}
