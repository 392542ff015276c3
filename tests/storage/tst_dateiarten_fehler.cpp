// Every kind of file the program writes, under faults: the process killed after the temporary
// file is written and before it is renamed, a read-only data folder and a full disk. The older
// file always stays whole; each kind gives its fixed outcome, or a German message where a
// silent failure would lose the organiser's work. The kill runs this executable again as a
// child ("--schreiben") that stops itself through the safe replace's test hook.
#include "appearance/eigene_farben.h"
#include "appearance/farbsatz.h"
#include "appearance/stile.h"
#include "backup/auto_sicherung.h"
#include "backup/sicherungsansicht.h"
#include "lineup/gruppendateien.h"
#include "matchplan/spieltag.h"
#include "matchplan/wiederherstellung.h"
#include "pictures/bildschirmfoto.h"
#include "plan_testhilfe.h"
#include "printing/pdf_speichern.h"
#include "results/ergebnis_export.h"
#include "rosters/adressbestand.h"
#include "rosters/adresse.h"
#include "schreibschutz.h"
#include "season/saison_export.h"
#include "selection/listen_satz.h"
#include "volle_platte.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Umgebung
{
    Zustand zustand;
    TestPlattform plattform;

    explicit Umgebung(const QString &daten_pfad) { zustand.daten_pfad = daten_pfad; }
};

// A singles plan of two entries per team with one result, which tells the two versions apart.
struct Plan
{
    GitterModell tabelle;
    GitterModell matrix;
    Spielplan plan;

    Plan(Umgebung &u, int fassung)
        : plan(u.zustand, u.plattform, einzel_profil(), tabelle, matrix)
    {
        u.zustand.optionen_lesen();
        if (!QFile::exists(u.zustand.pfad(gruppe1_e_datei)))
            aufstellungen_schreiben(u.zustand, aufstellung(u"A"_s, 2), aufstellung(u"B"_s, 2));
        plan.oeffnen();
        // A later version works on the stored day, as an organiser who loaded it does; saving
        // over a day the plan did not load would ask first.
        const QString gespeichert = u"E_Tab1Gr02_08_12_2026.Tab"_s;
        if (QFile::exists(u.zustand.pfad(gespeichert))) {
            u.zustand.listen_datum = u"08.12.2026"_s;
            plan.laden(gespeichert);
        }
        matrix.SetCol(1);
        matrix.SetRow(1);
        matrix.editieren_beginnt(1, 1);
        matrix.text_editiert(1, 1, u"%1:0"_s.arg(fassung));
    }
};

struct Dateiart
{
    const char *name;
    QString datei; // below the data folder
    std::function<void(Umgebung &, int fassung)> schreiben;
    QString meldung; // start of the message of a failed write; empty where it is silent
};

QString text(int fassung)
{
    return u"Fassung %1 äöü"_s.arg(fassung);
}

// A backup into "Sicherung" below the data folder, as the given run makes it. The first run
// finds the data file in its first version, copies it and then leaves the second version in the
// data folder, so that the second run's copy is what tells old from new.
void sichern(Umgebung &u, int fassung, const std::function<void()> &lauf)
{
    const QString liste = u.zustand.pfad(u"aktuelle_Liste1.akt"_s);
    if (fassung == 1)
        listen_datei_schreiben(liste, {text(1)}, true);
    lauf();
    if (fassung == 1)
        listen_datei_schreiben(liste, {text(2)}, true);
}

const QList<Dateiart> &dateiarten()
{
    static const QList<Dateiart> arten{
        {"Optionen",
         u"Vorlixn.opt"_s,
         [](Umgebung &u, int f) {
             u.zustand.optionen_lesen();
             u.zustand.optionen.setze(opt::name_mannschaft1, text(f));
             u.zustand.optionen_speichern();
         },
         {}},
        {"Aufstellung",
         gruppe1_e_datei,
         [](Umgebung &u, int f) {
             u.zustand.gruppe1.setze_name(1, text(f));
             gruppe1_speichern(u.zustand);
         },
         {}},
        {"Auswahl",
         u"aktuelle_Liste1.akt"_s,
         [](Umgebung &u, int f) {
             listen_datei_schreiben(u.zustand.pfad(u"aktuelle_Liste1.akt"_s), {text(f)}, true);
         },
         {}},
        {"Adressen",
         u"Adressen1.adr"_s,
         [](Umgebung &u, int f) {
             adresse satz;
             satz.setze(adr::name, text(f));
             if (f == 1)
                 adresse_anlegen(u.zustand.daten_pfad, Mannschaft::eins, satz);
             else
                 adresse_speichern(u.zustand.daten_pfad, Mannschaft::eins, satz);
         },
         {}},
        {"Spieltagsatz",
         u"E_Gr02_08_12_2026.grp"_s,
         [](Umgebung &u, int f) {
             TSpieltag satz;
             satz.setze(spt::summe(1), QString::number(f));
             spieltag_schreiben(u.zustand.pfad(u"E_Gr02_08_12_2026.grp"_s), satz);
         },
         {}},
        {"Spieltag speichern", u"E_Tab1Gr02_08_12_2026.Tab"_s,
         [](Umgebung &u, int f) { Plan(u, f).plan.speichern(); },
         u"Der Spieltag konnte nicht vollständig gespeichert werden."_s},
        {"Farben",
         farben_dateiname,
         [](Umgebung &u, int f) {
             if (f == 1)
                 Farben_anlegen(u.zustand.farben, u.zustand.daten_pfad);
             else
                 farben_lesen(u.zustand.farben, u.zustand.daten_pfad);
             u.zustand.farben.setze(frb::H_bs_hg, f);
             farben_speichern(u.zustand.farben, u.zustand.daten_pfad);
         },
         {}},
        {"Eigene Farben",
         eigene_farben_dateiname,
         [](Umgebung &u, int f) {
             EigeneFarben farben;
             farben.setze(0, quint32(f));
             farben.schreiben(u.zustand.pfad(eigene_farben_dateiname));
         },
         {}},
        {"Stil",
         style_dateiname,
         [](Umgebung &u, int f) {
             style_speichern(u.zustand.daten_pfad,
                             f == 1 ? u"Emerald Light Slate"_s : system_stil_name);
         },
         {}},
        {"Export", u"export.csv"_s,
         [](Umgebung &u, int f) {
             u.zustand.grp_datei = u"E_Gr02_08_12_2026.grp"_s;
             if (!QFile::exists(u.zustand.pfad(u.zustand.grp_datei)))
                 speicher::datei_ersetzen(u.zustand.pfad(u.zustand.grp_datei), "x");
             GitterModell liste;
             liste.SetColCount(3);
             liste.SetRowCount(2);
             liste.SetCells(1, 1, text(f));
             u.plattform.datei_antworten.enqueue(u.zustand.pfad(u"export"_s));
             ergebnisse_exportieren(u.zustand, u.plattform, liste);
         },
         u"Die Datei "_s},
        {"Bildschirmfoto", u"bild.jpg"_s,
         [](Umgebung &u, int f) {
             u.plattform.aufnahme.fill(f == 1 ? Qt::red : Qt::blue);
             u.plattform.datei_antworten.enqueue(u.zustand.pfad(u"bild"_s));
             Bildschirmfoto foto(
                 u.zustand, u.plattform, std::nullopt, [] { return QRect(0, 0, 16, 16); }, nullptr);
             foto.starten();
             foto.aufnehmen();
         },
         u"Das Bildschirmfoto konnte nicht gespeichert werden"_s},
        {"Saison-Export", u"Saison.csv"_s,
         [](Umgebung &u, int f) {
             u.plattform.datei_antworten.enqueue(u.zustand.pfad(u"Saison"_s));
             saison_exportieren(u.zustand, u.plattform,
                                {Ausgabetabelle{text(f), {u"Name"_s}, {{text(f)}}, {}}});
         },
         u"Die Datei "_s},
        {"PDF", u"liste.pdf"_s,
         [](Umgebung &u, int f) {
             u.plattform.datei_antworten.enqueue(u.zustand.pfad(u"liste"_s));
             pdf_speichern(u.plattform, {}, {DruckSeite{}}, text(f));
         },
         u"Die PDF-Datei konnte nicht geschrieben werden"_s},
        {"Wiederherstellung", u"Wiederherstellung/Einzel/1/E_Tab1Gr02_08_12_2026.Tab"_s,
         [](Umgebung &u, int f) {
             Plan p(u, f);
             Wiederherstellung(u.zustand, u.plattform, p.plan, p.tabelle, p.matrix).schreiben();
         },
         u"Der laufende Spieltag kann nicht für eine Wiederherstellung gesichert werden"_s},
        {"Datensicherung", u"Sicherung/aktuelle_Liste1.akt"_s,
         [](Umgebung &u, int f) {
             sichern(u, f, [&u] {
                 Sicherungsstand stand;
                 Sicherungsansicht ansicht(u.zustand, u.plattform, stand);
                 ansicht.oeffnen();
                 ansicht.ziel_getippt(u.zustand.pfad(u"Sicherung"_s));
                 ansicht.sichern({});
             });
         },
         u"Die Datei "_s},
        {"Automatische Sicherung", u"Sicherung/08_12_2026/aktuelle_Liste1.akt"_s,
         [](Umgebung &u, int f) {
             sichern(u, f, [&u, f] {
                 u.zustand.optionen_lesen();
                 if (f == 1) {
                     u.zustand.optionen.setze(opt::sicherungs_pfad, u.zustand.pfad(u"Sicherung"_s));
                     u.zustand.optionen_speichern();
                 }
                 Lesen(u.zustand, u.plattform, {});
             });
         },
         u"Die Datei "_s},
        {"Rücksicherung", u"aktuelle_Liste2.akt"_s,
         [](Umgebung &u, int f) {
             // The older file as the data folder holds it, the newer one in the backup; the
             // options as the program's start leaves them.
             const QString name = u"aktuelle_Liste2.akt"_s;
             if (f == 1) {
                 u.zustand.optionen_lesen();
                 listen_datei_schreiben(u.zustand.pfad(name), {text(1)}, true);
                 QDir().mkpath(u.zustand.pfad(u"Sicherung"_s));
                 listen_datei_schreiben(u.zustand.pfad(u"Sicherung/"_s + name), {text(2)}, true);
                 return;
             }
             Sicherungsstand stand;
             Sicherungsansicht ansicht(u.zustand, u.plattform, stand);
             ansicht.oeffnen();
             ansicht.wiederherstellung_zeigen();
             ansicht.rueck_ordner_gewaehlt(u.zustand.pfad(u"Sicherung"_s));
             ansicht.datei_angeklickt(name);
             ansicht.wiederherstellen({}, {});
         },
         u"Die Datei "_s},
    };
    return arten;
}

QByteArray inhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Every file below the folder with its bytes.
QMap<QString, QByteArray> bestand(const QString &ordner)
{
    QMap<QString, QByteArray> dateien;
    QDirIterator lauf(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (lauf.hasNext()) {
        const QString pfad = lauf.next();
        dateien.insert(pfad.mid(ordner.size()), inhalt(pfad));
    }
    return dateien;
}

} // namespace

class TstDateiartenFehler : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString daten() const { return m_ordner.path() + u'/'; }

    // The first version written as usual; it is the older file the faults must leave whole.
    const Dateiart &vorbereiten(int nummer)
    {
        const Dateiart &art = dateiarten().at(nummer);
        Umgebung u(daten());
        art.schreiben(u, 1);
        return art;
    }

    static void als_daten()
    {
        QTest::addColumn<int>("nummer");
        for (int i = 0; i < dateiarten().size(); ++i)
            QTest::newRow(dateiarten().at(i).name) << i;
    }

    // The second version, written while the fault lasts, must leave every file as it was.
    template <class Fehler> void zweite_fassung_unter(int nummer)
    {
        const Dateiart &art = vorbereiten(nummer);
        const QMap<QString, QByteArray> vorher = bestand(daten());
        QVERIFY(!vorher.value(art.datei).isEmpty());
        Umgebung u(daten());
        {
            Fehler fehler(daten());
            if (!fehler.wirksam())
                QSKIP("Dieser Fehler lässt sich hier nicht herbeiführen.");
            art.schreiben(u, 2);
        }
        QCOMPARE(bestand(daten()), vorher);
        if (art.meldung.isEmpty()) {
            QCOMPARE(u.plattform.texte(), QStringList());
        } else {
            QCOMPARE(u.plattform.meldungen.size(), 1);
            QVERIFY2(u.plattform.texte().first().startsWith(art.meldung),
                     qPrintable(u.plattform.texte().first()));
        }
    }

    struct Voll : VollePlatte
    {
        explicit Voll(const QString &)
            : VollePlatte(4)
        {
        }
        bool wirksam() const { return gesetzt(); }
    };

private slots:
    void init()
    {
        QDir(m_ordner.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_ordner.path()));
    }

    void kill_vor_dem_umbenennen_data() { als_daten(); }
    void kill_vor_dem_umbenennen()
    {
        QFETCH(int, nummer);
        const Dateiart &art = vorbereiten(nummer);
        const QMap<QString, QByteArray> vorher = bestand(daten());
        QVERIFY(!vorher.value(art.datei).isEmpty());

        // Killed with the new version written out to its temporary file: every file as before,
        // nothing torn, nothing left over.
        QProcess kind;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(u"VORLIX_TEST_ABBRUCH_VOR_UMBENENNEN"_s, QFileInfo(art.datei).fileName());
        kind.setProcessEnvironment(umgebung);
        kind.setProcessChannelMode(QProcess::ForwardedChannels);
        const QStringList argumente{u"--schreiben"_s, QString::number(nummer), daten()};
        kind.start(QCoreApplication::applicationFilePath(), argumente);
        QVERIFY(kind.waitForFinished(60000));
        QCOMPARE(kind.exitStatus(), QProcess::CrashExit);
        QCOMPARE(bestand(daten()), vorher);

        // Not killed, the same child writes: the kill did stop a real save.
        kind.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        kind.start(QCoreApplication::applicationFilePath(), argumente);
        QVERIFY(kind.waitForFinished(60000));
        QCOMPARE(kind.exitCode(), 0);
        QVERIFY(bestand(daten()) != vorher);
    }

    void schreibgeschuetzter_ordner_data() { als_daten(); }
    void schreibgeschuetzter_ordner()
    {
        QFETCH(int, nummer);
        zweite_fassung_unter<Schreibschutz>(nummer);
    }

    void volle_platte_data() { als_daten(); }
    void volle_platte()
    {
        QFETCH(int, nummer);
        zweite_fassung_unter<Voll>(nummer);
    }
};

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (argc == 4 && qstrcmp(argv[1], "--schreiben") == 0) {
        Umgebung u(QString::fromLocal8Bit(argv[3]));
        dateiarten().at(QByteArray(argv[2]).toInt()).schreiben(u, 2);
        return 0;
    }
    TstDateiartenFehler test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dateiarten_fehler.moc"
