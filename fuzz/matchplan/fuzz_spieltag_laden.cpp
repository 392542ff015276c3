// Arbitrary bytes as the saved standings and result matrix of a match day, loaded into a plan
// as "Laden" does: a damaged day is refused with a message and leaves the plan as it was;
// otherwise the plan keeps its fixed places, its totals and ranks are well formed or a message
// says why they were not computed, and typing on works.
#include "../grid/fuzz_qt_start.h"
#include "grid/filtergrid.h"
#include "matchplan/plan_profil.h"
#include "matchplan/spielplan.h"
#include "matchplan/spieltag_namen.h"
#include "matchplan/spieltag_pruefung.h"
#include "shell/zustand.h"
#include "storage/ganzzahl.h"
#include "storage/sichere_datei.h"
#include "test_plattform.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

void wertung_pruefen(const GitterModell &tabelle, int n)
{
    for (int zeile = 1; zeile <= 21; ++zeile) {
        const QString ges = tabelle.Cells(n + 1, zeile);
        const QString platz = tabelle.Cells(n + 2, zeile);
        if (ges.isEmpty()) {
            pruefen(platz.isEmpty());
            continue;
        }
        pruefen(zeile != 11);
        const qint64 summe = ges.toLongLong();
        pruefen(summe > 0 && QString::number(summe) == ges);
        const std::optional<qint32> rang = ganzzahl_lesen(platz);
        pruefen(rang && *rang >= 1 && *rang <= 20);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_qt_starten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse < 2)
        return 0;
    static QTemporaryDir ordner(QFileInfo(u"/dev/shm"_s).isWritable()
                                    ? u"/dev/shm/fuzz_spieltag_laden-XXXXXX"_s
                                    : QDir::tempPath() + u"/fuzz_spieltag_laden-XXXXXX"_s);
    // The first byte gives the entry count of the name, the second where the standings file
    // ends and the matrix file begins.
    const int n = daten[0] % 10 + 1;
    const QByteArrayView rest(reinterpret_cast<const char *>(daten) + 2, qsizetype(groesse) - 2);
    const qsizetype grenze = rest.size() * daten[1] / 255;
    const Spieltagdateien namen = spieltag_dateinamen(true, n, QDate(2026, 3, 14));

    Zustand zustand;
    zustand.daten_pfad = ordner.path() + u'/';
    zustand.listen_datum = u"14.03.2026"_s;
    pruefen(speicher::datei_ersetzen(zustand.pfad(namen.tabelle), rest.first(grenze)));
    pruefen(speicher::datei_ersetzen(zustand.pfad(namen.matrix), rest.sliced(grenze)));
    TestPlattform plattform;
    GitterModell tabelle;
    GitterModell matrix;
    Spielplan plan(zustand, plattform, doppel_profil(), tabelle, matrix);
    const Planstand vorher = plan.stand();

    if (!plan.laden(namen.tabelle)) {
        pruefen(plattform.texte() ==
                QStringList{spieltag_beschaedigt_meldung(
                    beschaedigte_gitterdatei(zustand.daten_pfad, namen.tabelle))});
        pruefen(plan.stand() == vorher);
        return 0;
    }

    pruefen(plan.anzahl() == n && zustand.plan_anzahl == n);
    pruefen(tabelle.ColCount() == n + 3 && tabelle.RowCount() == 22);
    pruefen(matrix.ColCount() == 11 && matrix.RowCount() == 11);
    if (plattform.meldungen.isEmpty())
        wertung_pruefen(tabelle, n);

    // Typing on in the loaded plan takes the result over and ranks anew.
    plattform.meldungen.clear();
    matrix.SetCol(1);
    matrix.SetRow(1);
    matrix.editieren_beginnt(1, 1);
    matrix.text_editiert(1, 1, u"4:3"_s);
    if (plattform.meldungen.isEmpty()) {
        pruefen(tabelle.Cells(1, 12) == u"4"_s && tabelle.Cells(1, 1) == u"3"_s);
        wertung_pruefen(tabelle, n);
    }
    return 0;
}
