#include "matchplan/wiederherstellung.h"
#include "programm_testhilfe.h"
#include "schreibschutz.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString frage =
    u"Der letzte Spieltag wurde nicht gespeichert. Soll er wiederhergestellt werden?"_s;

QStringList namen(const QString &stamm, bool doppel)
{
    return aufstellung(stamm, doppel ? 6 : 3);
}

} // namespace

class TstWiederherstellung : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString daten() const { return m_ordner.path() + u'/'; }

    // The first run: the plan opened and results typed; the set written as the timer ends.
    struct Getippt
    {
        QStringList tabelle;
        QStringList matrix;
    };
    Getippt tippen_und_sichern(Lauf &lauf, bool doppel)
    {
        // The game kind chosen as the selection window stores it.
        lauf.zustand.setze(opt::doppel_modus, doppel ? 1 : 0);
        lauf.zustand.optionen_speichern();
        SpielplanFenster *plan = lauf.oeffnen(doppel);
        [&] {
            QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 1, 1, u"3,2"_s));
            QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 2, 3, u"0:5"_s));
            // Refused, but it stays in the cell.
            QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 1, 3, u"Ü:1"_s));
            QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 3, 2, u"10:7"_s));
            QTRY_VERIFY(!plan->wiederherstellung().vorgemerkt());
        }();
        return {zellen(plan->FilterGrid1->modell()), zellen(plan->FilterGrid2->modell())};
    }

    // The matrix as the set on disk holds it.
    QStringList gesicherte_matrix() const
    {
        const wiederherstellung::Fund fund = wiederherstellung::suchen(daten(), false);
        GitterModell matrix;
        matrix.SetFileName(fund.satz.ordner + fund.satz.namen.matrix);
        return matrix.LoadFromFile(true) ? zellen(matrix) : QStringList();
    }

    // The standings files of one game kind's sets on disk.
    QStringList saetze(bool doppel) const
    {
        QStringList tabellen;
        QDirIterator lauf(wiederherstellung::ordner(daten()), {u"*.Tab"_s}, QDir::Files,
                          QDirIterator::Subdirectories);
        while (lauf.hasNext()) {
            const QString pfad = lauf.next();
            if (lauf.fileName().startsWith(doppel ? u"D_"_s : u"E_"_s))
                tabellen << pfad;
        }
        return tabellen;
    }

private slots:
    void init()
    {
        QVERIFY(m_ordner.isValid());
        QDir(m_ordner.path()).removeRecursively();
        QDir().mkpath(m_ordner.path());
    }

    void zyklus_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<bool>("ja");
        QTest::newRow("Doppel, Ja") << true << true;
        QTest::newRow("Doppel, Nein") << true << false;
        QTest::newRow("Einzel, Ja") << false << true;
        QTest::newRow("Einzel, Nein") << false << false;
    }
    void zyklus()
    {
        QFETCH(bool, doppel);
        QFETCH(bool, ja);
        daten_vorbereiten(daten(), doppel, namen(u"Jö"_s, doppel), namen(u"Gül"_s, doppel));
        Getippt getippt;
        {
            Lauf erster(daten());
            getippt = tippen_und_sichern(erster, doppel);
            QVERIFY(getippt.tabelle.join(u'\n').contains(u"\t10\t"_s));
        } // ended without "Speichern", as by a crash

        Lauf zweiter(daten(), {ja});
        QCOMPARE(zweiter.plattform.texte(), QStringList{frage});
        SpielplanFenster *plan = zweiter.plan(doppel);
        QCOMPARE(plan && plan->isVisible(), ja);
        QCOMPARE(zweiter.plan(!doppel), nullptr);
        QCOMPARE(wiederherstellung::suchen(daten(), doppel).art == wiederherstellung::Fund::ladbar,
                 ja);
        if (!ja) {
            QVERIFY(!QDir(wiederherstellung::ordner(daten())).exists());
            return;
        }
        QCOMPARE(zellen(plan->FilterGrid1->modell()), getippt.tabelle);
        QCOMPARE(zellen(plan->FilterGrid2->modell()), getippt.matrix);
        QVERIFY(!zweiter.haupt->Panel5->isVisible());

        // Saved now: the next start asks nothing.
        QTest::mouseClick(plan->Button1, Qt::LeftButton);
        QVERIFY(!QDir(wiederherstellung::ordner(daten())).exists());
        QVERIFY(QFile::exists(daten() +
                              (doppel ? u"D_Gr03_08_12_2026.grp"_s : u"E_Gr03_08_12_2026.grp"_s)));
        zweiter.haupt.reset();
        Lauf dritter(daten());
        QVERIFY(dritter.plattform.meldungen.isEmpty());
        QCOMPARE(dritter.plan(doppel), nullptr);
    }

    // A club evening with a singles day and a doubles day, neither saved, or one of them: each
    // kind keeps its own set, is asked for on its own (singles first) and comes back into its
    // own plan.
    void beide_arten_data()
    {
        QTest::addColumn<QString>("gespeichert");
        QTest::addColumn<bool>("ja_einzel");
        QTest::addColumn<bool>("ja_doppel");
        QTest::newRow("Ja, Ja") << QString() << true << true;
        QTest::newRow("Ja, Nein") << QString() << true << false;
        QTest::newRow("Nein, Ja") << QString() << false << true;
        QTest::newRow("Doppel gespeichert") << u"D"_s << true << false;
        QTest::newRow("Einzel gespeichert") << u"E"_s << false << true;
    }
    void beide_arten()
    {
        QFETCH(QString, gespeichert);
        QFETCH(bool, ja_einzel);
        QFETCH(bool, ja_doppel);
        daten_vorbereiten(daten(), false, namen(u"Jö"_s, true), namen(u"Gül"_s, true));
        Getippt getippt[2];
        {
            Lauf erster(daten());
            getippt[0] = tippen_und_sichern(erster, false);
            getippt[1] = tippen_und_sichern(erster, true);
            if (!gespeichert.isEmpty()) {
                SpielplanFenster *plan = erster.plan(gespeichert == u"D"_s);
                QTest::mouseClick(plan->Button1, Qt::LeftButton);
                QVERIFY(saetze(gespeichert == u"D"_s).isEmpty());
            }
            QCOMPARE(saetze(false).size(), gespeichert == u"E"_s ? 0 : 1);
            QCOMPARE(saetze(true).size(), gespeichert == u"D"_s ? 0 : 1);
        }

        QList<bool> antworten;
        if (gespeichert != u"E"_s)
            antworten << ja_einzel;
        if (gespeichert != u"D"_s)
            antworten << ja_doppel;
        Lauf zweiter(daten(), antworten);
        QCOMPARE(zweiter.plattform.texte(), QStringList(antworten.size(), frage));
        for (bool doppel : {false, true}) {
            const bool ja = doppel ? ja_doppel : ja_einzel;
            SpielplanFenster *plan = zweiter.plan(doppel);
            QCOMPARE(plan && plan->isVisible(), ja);
            QCOMPARE(saetze(doppel).size(), ja ? 1 : 0);
            if (ja) {
                QCOMPARE(zellen(plan->FilterGrid1->modell()), getippt[doppel].tabelle);
                QCOMPARE(zellen(plan->FilterGrid2->modell()), getippt[doppel].matrix);
            }
        }
    }

    // A new set of one kind replaces that kind's older set and leaves the other kind's.
    void neuer_satz_ersetzt_nur_die_eigene_art()
    {
        daten_vorbereiten(daten(), true, namen(u"A"_s, true), namen(u"B"_s, true));
        Lauf lauf(daten());
        tippen_und_sichern(lauf, true);
        const QStringList doppel = saetze(true);
        QCOMPARE(doppel.size(), 1);
        tippen_und_sichern(lauf, false);
        const QStringList einzel = saetze(false);
        QCOMPARE(einzel.size(), 1);
        SpielplanFenster *plan = lauf.plan(false);
        QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 4, 4, u"6:1"_s));
        QTRY_VERIFY(!plan->wiederherstellung().vorgemerkt());
        QCOMPARE(saetze(false).size(), 1);
        QVERIFY(saetze(false) != einzel);
        QCOMPARE(saetze(true), doppel);
    }

    // "Ergebnis löschen" and taking it back are kept like results.
    void loeschen_und_rueckgaengig_werden_gesichert()
    {
        daten_vorbereiten(daten(), false, namen(u"A"_s, false), namen(u"B"_s, false));
        Getippt getippt;
        {
            Lauf erster(daten());
            SpielplanFenster *plan = erster.oeffnen(false);
            const QStringList leer = zellen(plan->FilterGrid2->modell());
            getippt = tippen_und_sichern(erster, false);
            QTest::mouseClick(plan->Button4, Qt::LeftButton);
            QTRY_VERIFY(!plan->wiederherstellung().vorgemerkt());
            QCOMPARE(gesicherte_matrix(), leer);
            plan->findChild<QAction *>("Rueckgaengig")->trigger();
            QTRY_VERIFY(!plan->wiederherstellung().vorgemerkt());
            QCOMPARE(gesicherte_matrix(), getippt.matrix);
        }
        Lauf zweiter(daten(), {true});
        QCOMPARE(zellen(zweiter.plan(false)->FilterGrid1->modell()), getippt.tabelle);
        QCOMPARE(zellen(zweiter.plan(false)->FilterGrid2->modell()), getippt.matrix);
    }

    // A kill between two files of a newer set leaves the older set whole, and that one is
    // offered; a folder without a loadable set is reported and removed, and a half set of the
    // other kind goes without taking this kind's set along; a damaged grid file goes through the
    // loader's own message.
    void unvollstaendig_oder_beschaedigt_data()
    {
        QTest::addColumn<QString>("schaden");
        QTest::addColumn<bool>("angeboten");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("neuerer Satz halb") << u"neuer_halb"_s << true << QString();
        QTest::newRow("ohne Matrix") << u"ohne_matrix"_s << false << u"unvollständig"_s;
        QTest::newRow("fremde Datei") << u"fremd"_s << false << u"unvollständig"_s;
        QTest::newRow("Einzel halb") << u"einzel_halb"_s << true << u"unvollständig"_s;
        QTest::newRow("Tabelle zerstört") << u"zerstoert"_s << true << u"ist beschädigt"_s;
    }
    void unvollstaendig_oder_beschaedigt()
    {
        QFETCH(QString, schaden);
        QFETCH(bool, angeboten);
        QFETCH(QString, meldung);
        daten_vorbereiten(daten(), true, namen(u"A"_s, true), namen(u"B"_s, true));
        Getippt getippt;
        {
            Lauf erster(daten());
            getippt = tippen_und_sichern(erster, true);
        }
        const wiederherstellung::Fund fund = wiederherstellung::suchen(daten(), true);
        QCOMPARE(fund.art, wiederherstellung::Fund::ladbar);
        const QString satz = fund.satz.ordner;
        const QString basis = wiederherstellung::ordner(daten());
        if (schaden == u"neuer_halb"_s) {
            const QString neu = wiederherstellung::ordner(daten(), true) + u"99/"_s;
            QVERIFY(QDir().mkpath(neu));
            QVERIFY(QFile::copy(satz + fund.satz.namen.tabelle, neu + fund.satz.namen.tabelle));
        } else if (schaden == u"ohne_matrix"_s) {
            QVERIFY(QFile::remove(satz + fund.satz.namen.matrix));
        } else if (schaden == u"fremd"_s) {
            QVERIFY(QDir(satz).removeRecursively());
            QVERIFY(speicher::datei_ersetzen(basis + u"notiz.txt"_s, "x"));
        } else if (schaden == u"einzel_halb"_s) {
            const QString einzel = wiederherstellung::ordner(daten(), false) + u"3/"_s;
            QVERIFY(QDir().mkpath(einzel));
            QVERIFY(speicher::datei_ersetzen(einzel + u"E_Tab1Gr03_08_12_2026.Tab"_s, "x"));
        } else {
            QVERIFY(speicher::datei_ersetzen(satz + fund.satz.namen.tabelle, "1\n-5\nzz\n"));
        }

        Lauf zweiter(daten(), {true});
        const QStringList texte = zweiter.plattform.texte();
        QCOMPARE(texte.count(frage), angeboten ? 1 : 0);
        QCOMPARE(zweiter.plan(true) != nullptr, angeboten);
        QCOMPARE(zweiter.plan(false), nullptr);
        if (meldung.isEmpty())
            QCOMPARE(texte, QStringList{frage});
        else
            QVERIFY2(texte.filter(meldung).size() == 1, qPrintable(texte.join(u'|')));
        if (schaden.endsWith(u"_halb"_s)) {
            QCOMPARE(zellen(zweiter.plan(true)->FilterGrid1->modell()), getippt.tabelle);
            QCOMPARE(zellen(zweiter.plan(true)->FilterGrid2->modell()), getippt.matrix);
            QCOMPARE(wiederherstellung::suchen(daten(), true).art, wiederherstellung::Fund::ladbar);
        }
        QVERIFY(!QDir(wiederherstellung::ordner(daten(), false)).exists());
        if (!angeboten)
            QVERIFY(!QDir(basis).exists());
    }

    // Without a place for the set the organiser is told once, not at every result.
    void nicht_schreibbar_wird_einmal_gemeldet()
    {
        daten_vorbereiten(daten(), false, namen(u"A"_s, false), namen(u"B"_s, false));
        Lauf lauf(daten());
        SpielplanFenster *plan = lauf.oeffnen(false);
        Schreibschutz schutz(m_ordner.path());
        if (!schutz.wirksam())
            QSKIP("Der Ordner lässt sich hier nicht schreibschützen.");
        QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 1, 1, u"1:0"_s));
        QTRY_VERIFY(!plan->wiederherstellung().vorgemerkt());
        QVERIFY(ergebnis_eintragen(plan->FilterGrid2, 2, 2, u"2:0"_s));
        QTRY_VERIFY(!plan->wiederherstellung().vorgemerkt());
        QCOMPARE(lauf.plattform.meldungen.size(), 1);
        QVERIFY(lauf.plattform.texte().first().startsWith(
            u"Der laufende Spieltag kann nicht für eine Wiederherstellung gesichert werden"_s));
        QCOMPARE(plan->FilterGrid2->modell().Cells(2, 2), u"2:0"_s);
    }
};

QTEST_MAIN(TstWiederherstellung)
#include "tst_wiederherstellung.moc"
