// The road of a match day, walked through the real windows from the main window on an empty
// data folder, only by clicking and typing: rosters, participants, draw, plan, results, saving,
// the results list with its sorting and export, and loading the plan back.

#include "app/hauptfenster_fenster.h"
#include "appearance/oberflaeche_fenster.h"
#include "appearance/stil_anwenden.h"
#include "grid/filtergrid_fenster.h"
#include "shell/kuerzel.h"
#include "shell/sprache.h"
#include "shell/start.h"
#include "shell/zustand.h"
#include "test_plattform.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

// A failed check inside a step ends the whole walk, not only the step.
#define SCHRITT(aufruf)                                                                            \
    do {                                                                                           \
        aufruf;                                                                                    \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

namespace {

struct Spieler
{
    QString name;
    QString vorname;
    QString strasse;
    QString plz_ort;
    QString telefon;
};

// Eight players per team, in the order they are entered.
const QList<Spieler> kader1{
    {u"Müller"_s, u"Jürgen"_s, u"Hauptstraße 12"_s, u"74613 Öhringen"_s, u"07941 12345"_s},
    {u"Weiß"_s, u"Björn"_s, u"Lindenweg 3"_s, u"74613 Öhringen"_s, u"07941 54321"_s},
    {u"Groß"_s, u"Käthe"_s, u"Am Bühl 7"_s, u"74629 Pfedelbach"_s, {}},
    {u"Schäfer"_s, u"Özlem"_s, u"Gärtnerstraße 1"_s, u"74613 Öhringen"_s, {}},
    {u"Straßer"_s, u"Ulf"_s, u"Mühlgasse 9"_s, u"74632 Neuenstein"_s, {}},
    {u"Köhler"_s, u"Ännchen"_s, u"Schloßplatz 2"_s, u"74613 Öhringen"_s, {}},
    {u"Fuß"_s, u"Sören"_s, u"Talstraße 40"_s, u"74629 Pfedelbach"_s, {}},
    {u"Bär"_s, u"Grete"_s, u"Weinsteige 5"_s, u"74613 Öhringen"_s, {}},
};
const QList<Spieler> kader2{
    {u"Öztürk"_s, u"Günther"_s, u"Marktplatz 1"_s, u"73079 Süßen"_s, u"07162 1111"_s},
    {u"Hüsch"_s, u"Jörg"_s, u"Bahnhofstraße 8"_s, u"73079 Süßen"_s, {}},
    {u"Maaß"_s, u"Hans"_s, u"Fußweg 4"_s, u"73079 Süßen"_s, {}},
    {u"Jäger"_s, u"Zoë"_s, u"Römerstraße 6"_s, u"73072 Donzdorf"_s, {}},
    {u"Klöß"_s, u"Lüder"_s, u"Gänsgasse 2"_s, u"73079 Süßen"_s, {}},
    {u"Fröhlich"_s, u"Dörte"_s, u"Überlinger Weg 3"_s, u"73072 Donzdorf"_s, {}},
    {u"Rößler"_s, u"Änne"_s, u"Kirchstraße 11"_s, u"73079 Süßen"_s, {}},
    {u"Gülden"_s, u"Kai"_s, u"Brühlstraße 5"_s, u"73079 Süßen"_s, {}},
};
const QString name_mannschaft1 = u"Grün-Weiß Öhringen"_s;
const QString name_mannschaft2 = u"Süßener Kickerfreunde"_s;
// The test platform's today.
const QString heute = u"08.12.2026"_s;
const QString heute_name = u"08_12_2026"_s;

// ---- what a person sees and does ----

QString beschriftung_von(const QWidget *w)
{
    if (const auto *knopf = qobject_cast<const QAbstractButton *>(w))
        return ohne_kuerzel(knopf->text());
    return {};
}

// The one visible window with this title.
QWidget *fenster(const QString &titel)
{
    QWidget *gefunden = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == titel) {
            if (gefunden)
                return nullptr;
            gefunden = w;
        }
    }
    return gefunden;
}

QStringList sichtbare_fenster()
{
    QStringList titel;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            titel << w->windowTitle();
    titel.sort();
    return titel;
}

// A visible button of the window, by the caption a person reads.
QAbstractButton *knopf(QWidget *fenster, const QString &text)
{
    for (QAbstractButton *k : fenster->findChildren<QAbstractButton *>())
        if (k->isVisible() && (beschriftung_von(k) == text || k->accessibleName() == text))
            return k;
    return nullptr;
}

// An input field of the window, by its label or accessible name.
template <class Feld> Feld *feld(QWidget *fenster, const QString &name)
{
    for (Feld *f : fenster->findChildren<Feld *>())
        if (f->isVisible() && f->accessibleName() == name)
            return f;
    for (QLabel *label : fenster->findChildren<QLabel *>())
        if (label->isVisible() && ohne_kuerzel(label->text()) == name)
            if (auto *f = qobject_cast<Feld *>(label->buddy()))
                return f;
    return nullptr;
}

void klicken(QAbstractButton *k)
{
    QVERIFY(k);
    QVERIFY2(k->isEnabled(), qPrintable(beschriftung_von(k)));
    QTest::mouseClick(k, Qt::LeftButton);
}

// A tool button of the main window.
void werkzeug(TForm1 &haupt, const QString &text)
{
    QAbstractButton *k = knopf(haupt.Panel1, text);
    QVERIFY2(k, qPrintable(text));
    QTest::mouseClick(k, Qt::LeftButton);
}

void klicken(QWidget *fenster, const QString &text)
{
    QVERIFY2(fenster, qPrintable(text));
    QAbstractButton *k = knopf(fenster, text);
    QVERIFY2(k, qPrintable(u"Kein Knopf "_s + text));
    klicken(k);
}

// Key by key with the text each key gives, so umlauts and ß arrive as typed.
void tasten(QWidget *ziel, const QString &text)
{
    for (QChar zeichen : text) {
        QTest::sendKeyEvent(QTest::Press, ziel, Qt::Key_unknown, QString(zeichen), {});
        QTest::sendKeyEvent(QTest::Release, ziel, Qt::Key_unknown, QString(zeichen), {});
    }
}

// Click into the field, select what it holds and type over it.
void eintippen(QWidget *fenster, const QString &feldname, const QString &text)
{
    QVERIFY(fenster);
    auto *f = feld<QLineEdit>(fenster, feldname);
    QVERIFY2(f, qPrintable(u"Kein Feld "_s + feldname));
    QTest::mouseClick(f, Qt::LeftButton);
    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    tasten(f, text);
    QCOMPARE(f->text(), text);
}

// Opens the menu on the menu bar and clicks the entry, as a person does.
void menue(TForm1 &haupt, const QString &menuetitel, const QString &eintrag)
{
    QMenuBar *leiste = haupt.menuBar();
    QMenu *aufgeklappt = nullptr;
    for (QAction *oben : leiste->actions())
        if (oben->menu() && ohne_kuerzel(oben->text()) == menuetitel)
            aufgeklappt = oben->menu();
    QVERIFY2(aufgeklappt, qPrintable(menuetitel));
    QTest::mouseClick(leiste, Qt::LeftButton, {},
                      leiste->actionGeometry(aufgeklappt->menuAction()).center());
    QTRY_VERIFY(aufgeklappt->isVisible());
    QAction *ziel = nullptr;
    for (QAction *a : aufgeklappt->actions())
        if (ohne_kuerzel(a->text()) == eintrag)
            ziel = a;
    QVERIFY2(ziel, qPrintable(eintrag));
    QTest::mouseClick(aufgeklappt, Qt::LeftButton, {}, aufgeklappt->actionGeometry(ziel).center());
    QTRY_VERIFY(!aufgeklappt->isVisible());
}

QStringList eintraege(const QListWidget *liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

void eintrag_klicken(QListWidget *liste, const QString &text)
{
    const QList<QListWidgetItem *> treffer = liste->findItems(text, Qt::MatchExactly);
    QVERIFY2(!treffer.isEmpty(), qPrintable(text));
    liste->scrollToItem(treffer.first());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(treffer.first()).center());
}

void zelle_klicken(TFilterGrid *gitter, int spalte, int zeile)
{
    const QRect zelle = gitter->visualRect(gitter->model()->index(zeile, spalte));
    QVERIFY(zelle.isValid());
    QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, zelle.center());
}

// Types into whatever has the window's focus, as the keyboard does: the first key opens the
// current cell's editor, which takes the focus; Return closes it.
void am_cursor_eintippen(QWidget *fenster, const QString &text)
{
    for (QChar zeichen : text) {
        QWidget *fokus = fenster->focusWidget();
        QVERIFY(fokus);
        tasten(fokus, QString(zeichen));
    }
    QTest::keyClick(fenster->focusWidget(), Qt::Key_Return);
}

// Click the cell and type into it.
void zelle_eintippen(TFilterGrid *gitter, int spalte, int zeile, const QString &text)
{
    SCHRITT(zelle_klicken(gitter, spalte, zeile));
    QCOMPARE(gitter->window()->focusWidget(), gitter);
    SCHRITT(am_cursor_eintippen(gitter->window(), text));
}

int spalte_mit_titel(const GitterModell &gitter, const QString &titel)
{
    for (int spalte = 0; spalte < gitter.ColCount(); ++spalte)
        if (gitter.Cells(spalte, 0) == titel)
            return spalte;
    return -1;
}

// ---- the bytes the layouts fix ----

QByteArray w1252(const QString &text)
{
    QStringEncoder kodierer("windows-1252");
    return kodierer.encode(text);
}

QString aus1252(const QByteArray &bytes)
{
    QStringDecoder dekodierer("windows-1252");
    return dekodierer.decode(bytes);
}

QByteArray datei(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// String[N] at an offset: the length byte, then the text.
void kurztext_setzen(QByteArray &bild, int offset, int kapazitaet, const QString &text)
{
    const QByteArray bytes = w1252(text).left(kapazitaet);
    bild[offset] = char(bytes.size());
    bild.replace(offset + 1, bytes.size(), bytes);
}

QString kurztext(const QByteArray &bild, int offset)
{
    const int laenge = quint8(bild.at(offset));
    return aus1252(bild.mid(offset + 1, laenge));
}

qint32 ganzzahl(const QByteArray &bild, int offset)
{
    return qFromLittleEndian<qint32>(bild.constData() + offset);
}

// The 960-byte roster record: every byte is fixed, reserved ones and the rest of a field zero.
QByteArray adresse_bild(const Spieler &s)
{
    QByteArray bild(960, '\0');
    kurztext_setzen(bild, 0, 60, s.vorname);
    kurztext_setzen(bild, 61, 60, s.name);
    kurztext_setzen(bild, 122, 60, s.strasse);
    kurztext_setzen(bild, 183, 60, s.plz_ort);
    kurztext_setzen(bild, 467, 30, s.telefon);
    return bild;
}

// A selection file: one 384-byte record per entry; team 1's singles choice numbers them.
QByteArray listen_datei(const QStringList &texte, bool nummeriert)
{
    QByteArray bytes;
    for (int i = 0; i < texte.size(); ++i) {
        QByteArray satz(384, '\0');
        kurztext_setzen(satz, 51, 50, texte.at(i));
        if (nummeriert)
            qToLittleEndian<qint32>(i + 1, satz.data() + 360);
        bytes += satz;
    }
    return bytes;
}

// The forty name slots of a line-up file.
QStringList gruppen_slots(const QByteArray &bild)
{
    QStringList plaetze;
    for (int k = 0; k < 40; ++k)
        plaetze << kurztext(bild, k * 51);
    return plaetze;
}

QStringList zeilen_lf(const QByteArray &bytes)
{
    QStringList zeilen = aus1252(bytes).split(u'\n');
    if (!zeilen.isEmpty() && zeilen.constLast().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

// ---- the match day's results ----

constexpr int n = 4; // entries per team: four players, or four pairs

// The scores typed into result cell (c, r): the row's entry (team 2, r) scores links, the
// column's entry (team 1, c) rechts. Every entry ends with its own total.
int links(int c, int r)
{
    return 2 * r - 1 + (c == r ? 1 : 0);
}
int rechts(int c, int r)
{
    return c + r - 1;
}
QString ergebnis_getippt(int c, int r)
{
    // Some typed with the comma of the number pad; the plan takes it as a colon.
    const QChar trenner = (c + r) % 3 == 0 ? u',' : u':';
    return QString::number(links(c, r)) + trenner + QString::number(rechts(c, r));
}

int summe(Mannschaft m, int k)
{
    int s = 0;
    for (int g = 1; g <= n; ++g)
        s += m == Mannschaft::eins ? rechts(k, g) : links(g, k);
    return s;
}

int platz(Mannschaft m, int k)
{
    int besser = 0;
    for (Mannschaft andere : {Mannschaft::eins, Mannschaft::zwei})
        for (int j = 1; j <= n; ++j)
            besser += summe(andere, j) > summe(m, k) ? 1 : 0;
    return besser + 1;
}

// Score of entry k in game g (its game against the other team's entry g).
int punkte(Mannschaft m, int k, int g)
{
    return m == Mannschaft::eins ? rechts(k, g) : links(g, k);
}

int zeile_in_tabelle(Mannschaft m, int k)
{
    return m == Mannschaft::eins ? k : 11 + k;
}

} // namespace

class TstSpieltagsweg : public QObject
{
    Q_OBJECT

    // The program as it runs for the organiser, with what the walk has seen so far.
    struct Weg
    {
        QTemporaryDir daten;    // the empty data folder
        QTemporaryDir programm; // the program's own folder, with its help file
        QTemporaryDir ablage;   // where the organiser keeps the export
        TestPlattform plattform;
        Zustand zustand;
        std::unique_ptr<TForm1> haupt;
        bool doppel = false;
        int spieler = 0; // players per team
        // The drawn entries of each team as the draw window showed them: "Vorname Name" in
        // singles, "Name1/Name2" in doubles.
        QStringList aufstellung1;
        QStringList aufstellung2;
        QString tab_datei, tub_datei, grp_datei;

        const QList<Spieler> &kader(Mannschaft m) const
        {
            return m == Mannschaft::eins ? kader1 : kader2;
        }
        QList<Spieler> teilnehmer(Mannschaft m) const { return kader(m).mid(0, spieler); }
        QStringList &aufstellung(Mannschaft m)
        {
            return m == Mannschaft::eins ? aufstellung1 : aufstellung2;
        }
        QString pfad(const QString &name) const { return QDir(daten.path()).filePath(name); }
        QString praefix() const { return doppel ? u"D_"_s : u"E_"_s; }
        int spaltenzahl() const { return n + 3; }
    };

    // ---- the steps of the road ----

    // Start-up on an empty data folder: the options file is created, only the main window shows.
    static void programm_starten(Weg &w)
    {
        QVERIFY(QDir(w.daten.path()).isEmpty());
        QFile hilfe(QDir(w.programm.path()).filePath(u"Vorlix_Turnier-Hilfe.chm"_s));
        QVERIFY(hilfe.open(QIODevice::WriteOnly));
        hilfe.close();
        qputenv("VORLIX_DATEN", QFile::encodeName(w.daten.path()));
        programm_vorbereiten(w.zustand, w.programm.path());
        stil_anwenden(w.zustand, u"Emerald Light Slate"_s);
        w.haupt = std::make_unique<TForm1>(w.zustand, w.plattform);
        w.haupt->titel_setzen();
        w.haupt->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.haupt.get()));

        QCOMPARE(w.zustand.daten_pfad, QDir(w.daten.path()).absolutePath() + u'/');
        QCOMPARE(w.haupt->windowTitle(),
                 u"Vorlix Turnier-Quarel 2   V 1.15      -      Heute ist  Dienstag der  "_s +
                     heute);
        QCOMPARE(sichtbare_fenster(), QStringList{w.haupt->windowTitle()});
        QVERIFY(w.haupt->Panel5->isVisible());
        QCOMPARE(datei(w.pfad(u"Vorlixn.opt"_s)).size(), 1224);
        QVERIFY(w.plattform.meldungen.isEmpty());
    }

    // "Einstellungen": the two team names.
    static void mannschaften_benennen(Weg &w)
    {
        SCHRITT(werkzeug(*w.haupt, u"Einstellungen"_s));
        QWidget *einstellungen = fenster(u"Einstellungen"_s);
        QVERIFY(einstellungen);
        SCHRITT(eintippen(einstellungen, u"Mannschaft 1"_s, name_mannschaft1));
        SCHRITT(eintippen(einstellungen, u"Mannschaft 2"_s, name_mannschaft2));
        klicken(einstellungen, u"Speichern"_s);
        QVERIFY(!einstellungen->isVisible());
        QVERIFY(w.haupt->Panel5->isVisible());
        const QByteArray optionen = datei(w.pfad(u"Vorlixn.opt"_s));
        QCOMPARE(kurztext(optionen, 291), name_mannschaft1);
        QCOMPARE(kurztext(optionen, 392), name_mannschaft2);
    }

    // The roster window of a team: every player typed in and stored with "Speichern >>".
    static void spieler_erfassen(Weg &w, Mannschaft m)
    {
        const QString titel = u"Spieler Mannschaft %1 erfassen/ändern."_s.arg(nummer(m));
        if (m == Mannschaft::eins) {
            // Through the tool bar's chooser.
            SCHRITT(werkzeug(*w.haupt, u"Erfassen"_s));
            QWidget *wahl = fenster(u"Teilnehmer erfassen"_s);
            QVERIFY(wahl);
            klicken(wahl, u"Mannschaft 1 erfassen"_s);
            QVERIFY(!wahl->isVisible());
        } else {
            SCHRITT(menue(*w.haupt, u"Spieler erfassen"_s, u"Spieler Gruppe 2 erfassen"_s));
        }
        QWidget *adressen = fenster(titel);
        QVERIFY(adressen);
        QVERIFY(!w.haupt->Panel5->isVisible());
        auto *rahmen = adressen->findChild<QGroupBox *>("GroupBox2");
        QCOMPARE(rahmen->title(), u"Bereits 0 vorhandene Namen"_s);
        QAbstractButton *speichern = knopf(adressen, u"Speichern >>"_s);
        QVERIFY(speichern);

        QByteArray erwartet;
        QStringList liste;
        for (const Spieler &s : w.teilnehmer(m)) {
            SCHRITT(eintippen(adressen, u"Name"_s, s.name));
            QVERIFY(!speichern->isEnabled()); // not without a first name
            SCHRITT(eintippen(adressen, u"Vorname"_s, s.vorname));
            SCHRITT(eintippen(adressen, u"Strasse"_s, s.strasse));
            SCHRITT(eintippen(adressen, u"Plz/Ort"_s, s.plz_ort));
            if (!s.telefon.isEmpty())
                SCHRITT(eintippen(adressen, u"Telefon"_s, s.telefon));
            klicken(speichern);
            QVERIFY(!speichern->isEnabled());
            QCOMPARE(feld<QLineEdit>(adressen, u"Name"_s)->text(), QString());
            erwartet += adresse_bild(s);
            liste << s.name + u", "_s + s.vorname;
            QCOMPARE(rahmen->title(), u"Bereits %1 vorhandene Namen"_s.arg(liste.size()));
        }
        QCOMPARE(eintraege(adressen->findChild<QListWidget *>()), sortiert(liste));

        klicken(adressen, u"Beenden"_s);
        QVERIFY(!adressen->isVisible());
        QVERIFY(w.haupt->Panel5->isVisible());
        QCOMPARE(datei(w.pfad(u"Adressen%1.adr"_s.arg(nummer(m)))), erwartet);
    }

    // How a German list orders names: umlauts with their base letters.
    static QStringList sortiert(QStringList texte)
    {
        QCollator deutsch(QLocale(QLocale::German, QLocale::Germany));
        deutsch.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(texte.begin(), texte.end(), deutsch);
        return texte;
    }

    static QString auswahl_text(const Weg &w, const Spieler &s)
    {
        return w.doppel ? s.name : s.vorname + u' ' + s.name;
    }

    // "Mitspieler festlegen": the game kind, then for each team its players clicked over to
    // the chosen ones and "Auswahl speichern", which draws the line-up.
    static void mitspieler_festlegen(Weg &w)
    {
        SCHRITT(menue(*w.haupt, u"Anzeigen"_s, u"Mitspieler festlegen"_s));
        QWidget *dlg = fenster(u"Gruppen zusammenstellen Mannschaft 1"_s);
        QVERIFY(dlg);
        QVERIFY(dlg->isModal());
        auto *quelle = dlg->findChild<QListWidget *>("SrcList");
        auto *ziel = dlg->findChild<QListWidget *>("DstList");
        QVERIFY(knopf(dlg, u"Einzelspiel"_s)->isChecked());
        if (w.doppel)
            klicken(dlg, u"Doppelspiel"_s);
        QCOMPARE(ohne_kuerzel(knopf(dlg, u"Doppelspiel"_s)->text()), u"Doppelspiel"_s);
        QCOMPARE(knopf(dlg, u"Doppelspiel"_s)->isChecked(), w.doppel);
        QCOMPARE(datei(w.pfad(u"Vorlixn.opt"_s)).at(4), char(w.doppel ? 1 : 0));

        for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei}) {
            if (m == Mannschaft::zwei) {
                klicken(dlg, u"Mannschaft 2"_s);
                QCOMPARE(dlg->windowTitle(), u"Gruppen zusammenstellen Mannschaft 2"_s);
                QVERIFY(!knopf(dlg, u"Mannschaft 1"_s)->isChecked());
            }
            QStringList alle;
            for (const Spieler &s : w.teilnehmer(m))
                alle << auswahl_text(w, s);
            alle = sortiert(alle);
            QCOMPARE(eintraege(ziel), QStringList());
            QCOMPARE(eintraege(quelle), alle);
            QCOMPARE(feld<QLabel>(dlg, u"Anzahl noch vorhandene Spieler"_s)->text(),
                     QString::number(alle.size()));
            QVERIFY(!knopf(dlg, u"Auswahl speichern"_s)->isEnabled());

            // A click on a name moves it over.
            for (const Spieler &s : w.teilnehmer(m))
                SCHRITT(eintrag_klicken(quelle, auswahl_text(w, s)));
            QCOMPARE(eintraege(quelle), QStringList());
            QCOMPARE(eintraege(ziel), alle);
            QCOMPARE(feld<QLabel>(dlg, u"Anzahl ausgewählte Spieler"_s)->text(),
                     QString::number(alle.size()));
            QCOMPARE(feld<QLabel>(dlg, u"Anzahl noch vorhandene Spieler"_s)->text(), u"0"_s);
            klicken(dlg, u"Auswahl speichern"_s);
            QVERIFY(dlg->isVisible());

            // Both lists stored, and the chosen names in the team's slots of its group file.
            const bool eins = m == Mannschaft::eins;
            const QString quell_datei =
                eins ? (w.doppel ? u"aktuelle_Liste1D.akt"_s : u"aktuelle_Liste1.akt"_s)
                     : u"aktuelle_Liste11.akt"_s;
            const QString ziel_datei =
                eins ? (w.doppel ? u"aktuelle_Liste2D.akt"_s : u"aktuelle_Liste2.akt"_s)
                     : u"aktuelle_Liste22.akt"_s;
            QCOMPARE(datei(w.pfad(quell_datei)), QByteArray());
            QVERIFY(QFile::exists(w.pfad(quell_datei)));
            QCOMPARE(datei(w.pfad(ziel_datei)), listen_datei(alle, eins && !w.doppel));
            if (w.doppel) {
                const QByteArray teilnehmer =
                    datei(w.pfad(eins ? u"Gruppe1_D.gr1"_s : u"Gruppe2_D.gr2"_s));
                QCOMPARE(teilnehmer.size(), 2040);
                QCOMPARE(gruppen_slots(teilnehmer).mid(eins ? 0 : 20, 20),
                         alle + QStringList(20 - alle.size()));
            }
            // The draw stored the line-up at once.
            SCHRITT(aufstellung_pruefen(w, m, alle));
        }
        const QByteArray optionen = datei(w.pfad(u"Vorlixn.opt"_s));
        QCOMPARE(ganzzahl(optionen, 4), w.doppel ? 1 : 0);
        QCOMPARE(ganzzahl(optionen, 1116), n);

        klicken(dlg, u"Beenden"_s);
        QVERIFY(!dlg->isVisible());
        QVERIFY(w.haupt->Panel5->isVisible());
    }

    // The stored line-up of a team holds exactly its participants, each once, in the
    // team's slots; gives the entries in their drawn order.
    static QStringList gespeicherte_aufstellung(const Weg &w, Mannschaft m)
    {
        const bool eins = m == Mannschaft::eins;
        const QByteArray bild = datei(w.pfad(eins ? u"Gruppe1_E.gr1"_s : u"Gruppe2_E.gr2"_s));
        if (bild.size() != 2040)
            return {};
        const QStringList plaetze = gruppen_slots(bild).mid(eins ? 0 : 20, 20);
        QStringList eintraege;
        for (int k = 0; k < n; ++k)
            eintraege << (w.doppel ? plaetze.at(2 * k) + u'/' + plaetze.at(2 * k + 1)
                                   : plaetze.at(k));
        return eintraege;
    }

    static void aufstellung_pruefen(Weg &w, Mannschaft m, const QStringList &teilnehmer)
    {
        const bool eins = m == Mannschaft::eins;
        const QByteArray bild = datei(w.pfad(eins ? u"Gruppe1_E.gr1"_s : u"Gruppe2_E.gr2"_s));
        QCOMPARE(bild.size(), 2040);
        QStringList plaetze = gruppen_slots(bild).mid(eins ? 0 : 20, 20);
        QCOMPARE(plaetze.mid(teilnehmer.size()), QStringList(20 - teilnehmer.size()));
        plaetze = plaetze.mid(0, teilnehmer.size());
        QCOMPARE(sortiert(plaetze), teilnehmer);
    }

    // The name fields of the draw window for team m, as entries.
    static QStringList gezeigte_aufstellung(const Weg &w, QWidget *auslosung, Mannschaft m)
    {
        const auto name = [auslosung](int nr) {
            auto *f = auslosung->findChild<QLineEdit *>(u"Edit%1"_s.arg(nr));
            return f ? f->text() : u"?"_s;
        };
        QStringList eintraege;
        for (int k = 1; k <= n; ++k) {
            if (w.doppel)
                eintraege << name(2 * k - 1) + u'/' + name(2 * k);
            else
                eintraege << name(m == Mannschaft::eins ? k : 10 + k);
        }
        return eintraege;
    }

    // "Gruppen": the line-ups in the draw window of the game kind, drawn once more, then left.
    static void gruppen_ansehen(Weg &w)
    {
        SCHRITT(werkzeug(*w.haupt, u"Gruppen"_s));
        QVERIFY(!w.haupt->Panel5->isVisible());
        if (w.doppel) {
            QWidget *auslosung = fenster(u"Zufällige Gruppen erstellen"_s);
            QVERIFY(auslosung);
            QVERIFY(knopf(auslosung, u"Gruppen Mannschaft 1"_s)->isChecked());
            QCOMPARE(gezeigte_aufstellung(w, auslosung, Mannschaft::eins),
                     gespeicherte_aufstellung(w, Mannschaft::eins));
            klicken(auslosung, u"Gruppen neu mischen"_s);
            w.aufstellung1 = gezeigte_aufstellung(w, auslosung, Mannschaft::eins);
            QCOMPARE(gespeicherte_aufstellung(w, Mannschaft::eins), w.aufstellung1);
            klicken(auslosung, u"Gruppen Mannschaft 2"_s);
            w.aufstellung2 = gezeigte_aufstellung(w, auslosung, Mannschaft::zwei);
            QCOMPARE(gespeicherte_aufstellung(w, Mannschaft::zwei), w.aufstellung2);
            // Pairs beyond the fourth stay empty.
            QCOMPARE(auslosung->findChild<QLineEdit *>(u"Edit9"_s)->text(), QString());
            klicken(auslosung, u"Beenden"_s);
            QVERIFY(!auslosung->isVisible());
        } else {
            // Opening the singles window draws both teams anew and stores them.
            QWidget *auslosung = fenster(u"Einzelspiel Gruppen erstellen"_s);
            QVERIFY(auslosung);
            for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei})
                QCOMPARE(gezeigte_aufstellung(w, auslosung, m), gespeicherte_aufstellung(w, m));
            klicken(auslosung, u"Gruppe neu mischen"_s);
            w.aufstellung1 = gezeigte_aufstellung(w, auslosung, Mannschaft::eins);
            w.aufstellung2 = gezeigte_aufstellung(w, auslosung, Mannschaft::zwei);
            QCOMPARE(auslosung->findChild<QLineEdit *>(u"Edit5"_s)->text(), QString());
            QCOMPARE(auslosung->findChild<QLineEdit *>(u"Edit15"_s)->text(), QString());
            klicken(auslosung, u"Speichern"_s);
            QVERIFY(!auslosung->isVisible());
            for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei})
                QCOMPARE(gespeicherte_aufstellung(w, m), w.aufstellung(m));
        }
        QVERIFY(w.haupt->Panel5->isVisible());
        for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei}) {
            QStringList namen;
            for (const QString &eintrag : w.aufstellung(m))
                namen << eintrag.split(u'/');
            QStringList teilnehmer;
            for (const Spieler &s : w.teilnehmer(m))
                teilnehmer << auswahl_text(w, s);
            QCOMPARE(sortiert(namen), sortiert(teilnehmer));
        }
        QCOMPARE(ganzzahl(datei(w.pfad(u"Vorlixn.opt"_s)), 1116), n);
    }

    static QWidget *planfenster()
    {
        return fenster(u"Turnier zwischen "_s + name_mannschaft1 + u" und "_s + name_mannschaft2);
    }

    // "Turnierplan anzeigen": the plan of the drawn line-ups, empty.
    static void turnierplan_oeffnen(Weg &w)
    {
        SCHRITT(menue(*w.haupt, u"Anzeigen"_s, u"Turnierplan anzeigen"_s));
        QWidget *plan = planfenster();
        QVERIFY(plan);
        QVERIFY(!w.haupt->Panel5->isVisible());
        QCOMPARE(plan->findChild<QLabel *>("Panel2")->text(),
                 w.doppel ? u"Turnierplan für 4 Doppelspieler pro Mannschaft"_s
                          : u"Spielplan für 4 Spieler pro Mannschaft"_s);
        QCOMPARE(plan->findChild<QDateEdit *>()->text(), heute);
        // The whole window on the work area, its frame and bottom row included.
        QCOMPARE(plan->frameGeometry(), w.plattform.arbeit);
        auto *tabelle = plan->findChild<TFilterGrid *>("FilterGrid1");
        auto *matrix = plan->findChild<TFilterGrid *>("FilterGrid2");
        QVERIFY(tabelle && matrix);

        QCOMPARE(tabelle->modell().ColCount(), w.spaltenzahl());
        QStringList kopf{u"Gruppe 1"_s};
        for (int g = 1; g <= n; ++g)
            kopf << u"Spiel %1"_s.arg(g);
        kopf << u"Ges."_s << u"Platz"_s;
        QCOMPARE(tabelle->modell().Rows(0).mid(0, w.spaltenzahl()), kopf);
        QCOMPARE(tabelle->modell().Cells(0, 11),
                 w.doppel ? u"          Gruppe 2"_s : u"        Gruppe 2"_s);
        QCOMPARE(matrix->modell().Cells(0, 0), w.doppel ? u"Gruppen"_s : u"Spieler"_s);
        for (int k = 1; k <= n; ++k) {
            QCOMPARE(tabelle->modell().Cells(0, k), w.aufstellung1.at(k - 1));
            QCOMPARE(tabelle->modell().Cells(0, 11 + k), w.aufstellung2.at(k - 1));
            QCOMPARE(matrix->modell().Cells(k, 0), w.aufstellung1.at(k - 1));
            QCOMPARE(matrix->modell().Cells(0, k), w.aufstellung2.at(k - 1));
            for (int spalte = 1; spalte < w.spaltenzahl(); ++spalte) {
                QCOMPARE(tabelle->modell().Cells(spalte, k), QString());
                QCOMPARE(tabelle->modell().Cells(spalte, 11 + k), QString());
            }
        }
        // The names are readable: no column narrower than its widest text.
        for (TFilterGrid *gitter : {tabelle, matrix})
            for (int spalte = 0; spalte < gitter->modell().ColCount(); ++spalte)
                QVERIFY(gitter->columnWidth(spalte) > 0);
    }

    // Every game typed into the result matrix; the standings follow at once.
    static void ergebnisse_eintippen(Weg &w)
    {
        QWidget *plan = planfenster();
        QVERIFY(plan);
        auto *tabelle = plan->findChild<TFilterGrid *>("FilterGrid1");
        auto *matrix = plan->findChild<TFilterGrid *>("FilterGrid2");
        // The cursor stands on the first game: its result is typed at once.
        QCOMPARE(matrix->currentIndex(), matrix->model()->index(1, 1));
        SCHRITT(am_cursor_eintippen(plan, ergebnis_getippt(1, 1)));
        for (int r = 1; r <= n; ++r)
            for (int c = r == 1 ? 2 : 1; c <= n; ++c)
                SCHRITT(zelle_eintippen(matrix, c, r, ergebnis_getippt(c, r)));
        QVERIFY2(w.plattform.meldungen.isEmpty(), qPrintable(w.plattform.texte().join(u'\n')));

        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                QTRY_COMPARE(matrix->modell().Cells(c, r),
                             u"%1:%2"_s.arg(links(c, r)).arg(rechts(c, r)));
        for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei}) {
            for (int k = 1; k <= n; ++k) {
                const int zeile = zeile_in_tabelle(m, k);
                for (int g = 1; g <= n; ++g)
                    QCOMPARE(tabelle->modell().Cells(g, zeile), QString::number(punkte(m, k, g)));
                QCOMPARE(tabelle->modell().Cells(n + 1, zeile), QString::number(summe(m, k)));
                QCOMPARE(tabelle->modell().Cells(n + 2, zeile), QString::number(platz(m, k)));
            }
        }
        QCOMPARE(tabelle->modell().Cells(n + 1, 11), QString());
        QCOMPARE(tabelle->modell().Cells(n + 2, 11), QString());
    }

    // "Speichern", then "Beenden": three files named after kind, size and today.
    static void speichern_und_verlassen(Weg &w)
    {
        QWidget *plan = planfenster();
        QVERIFY(plan);
        const QStringList tabelle = zeilen_der_tabelle(plan);
        klicken(plan, u"Speichern"_s);
        QVERIFY(plan->isVisible());
        QVERIFY(w.plattform.meldungen.isEmpty());
        w.tab_datei = w.praefix() + u"Tab1Gr04_"_s + heute_name + u".Tab"_s;
        w.tub_datei = w.praefix() + u"Tab2Gr04_"_s + heute_name + u".Tub"_s;
        w.grp_datei = w.praefix() + u"Gr04_"_s + heute_name + u".grp"_s;
        SCHRITT(tab_datei_pruefen(w, tabelle));
        SCHRITT(tub_datei_pruefen(w));
        SCHRITT(grp_datei_pruefen(w));
        QCOMPARE(kurztext(datei(w.pfad(u"Vorlixn.opt"_s)), 280), heute);

        klicken(plan, u"Beenden"_s);
        QVERIFY(!plan->isVisible());
        QVERIFY(w.haupt->Panel5->isVisible());
        QCOMPARE(sichtbare_fenster(), QStringList{w.haupt->windowTitle()});
    }

    static QStringList zeilen_der_tabelle(QWidget *plan)
    {
        auto *tabelle = plan->findChild<TFilterGrid *>("FilterGrid1");
        QStringList zellen;
        for (int zeile = 0; zeile < tabelle->modell().RowCount(); ++zeile)
            for (int spalte = 0; spalte < tabelle->modell().ColCount(); ++spalte)
                zellen << tabelle->modell().Cells(spalte, zeile);
        return zellen;
    }

    // A grid file: version, size, empty header and sort lines, the cells row by row, one
    // parameter string per column, the selection; LF only, Windows-1252.
    static void gitterdatei_pruefen(const QByteArray &bytes, int spalten, int zeilen,
                                    const QStringList &zellen)
    {
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(bytes.endsWith('\n'));
        const QStringList z = zeilen_lf(bytes);
        QCOMPARE(z.size(), 5 + spalten * zeilen + 1 + spalten + 4);
        QCOMPARE(z.mid(0, 5), (QStringList{u"1"_s, QString::number(spalten),
                                           QString::number(zeilen), QString(), QString()}));
        QCOMPARE(z.mid(5, spalten * zeilen), zellen);
        QCOMPARE(z.at(5 + spalten * zeilen), QString::number(spalten));
        for (const QString &parameter : z.mid(6 + spalten * zeilen, spalten))
            QCOMPARE(parameter.count(u'«'), 9);
        for (const QString &auswahl : z.mid(6 + spalten * zeilen + spalten)) {
            bool zahl = false;
            auswahl.toInt(&zahl);
            QVERIFY(zahl);
        }
    }

    static void tab_datei_pruefen(const Weg &w, const QStringList &tabelle)
    {
        const QByteArray bytes = datei(w.pfad(w.tab_datei));
        QVERIFY2(!bytes.isEmpty(), qPrintable(w.tab_datei));
        // The names with their umlauts as single Windows-1252 bytes.
        QVERIFY(bytes.contains(w1252(w.aufstellung1.at(0) + u'\n')));
        QVERIFY(!bytes.contains("\xc3"));
        SCHRITT(gitterdatei_pruefen(bytes, w.spaltenzahl(), 22, tabelle));
    }

    static void tub_datei_pruefen(const Weg &w)
    {
        QStringList zellen;
        for (int r = 0; r <= 10; ++r) {
            for (int c = 0; c <= 10; ++c) {
                QString text;
                if (r == 0 && c == 0)
                    text = w.doppel ? u"Gruppen"_s : u"Spieler"_s;
                else if (r == 0)
                    text = c <= n ? w.aufstellung1.at(c - 1) : (w.doppel ? u"/"_s : QString());
                else if (c == 0)
                    text = r <= n ? w.aufstellung2.at(r - 1) : (w.doppel ? u"/"_s : QString());
                else if (c <= n && r <= n)
                    text = u"%1:%2"_s.arg(links(c, r)).arg(rechts(c, r));
                zellen << text;
            }
        }
        SCHRITT(gitterdatei_pruefen(datei(w.pfad(w.tub_datei)), 11, 11, zellen));
    }

    // The 4224-byte match-day record the results lists read.
    static void grp_datei_pruefen(const Weg &w)
    {
        const QByteArray satz = datei(w.pfad(w.grp_datei));
        QCOMPARE(satz.size(), 4224);
        for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei}) {
            const bool eins = m == Mannschaft::eins;
            for (int k = 1; k <= n; ++k) {
                const QString eintrag = (eins ? w.aufstellung1 : w.aufstellung2).at(k - 1);
                if (w.doppel) {
                    const int basis = (eins ? 0 : 1020) + (k - 1) * 102;
                    QCOMPARE(kurztext(satz, basis), eintrag.section(u'/', 0, 0));
                    QCOMPARE(kurztext(satz, basis + 51), eintrag.section(u'/', 1));
                } else {
                    QCOMPARE(kurztext(satz, (eins ? 0 : 510) + (k - 1) * 51), eintrag);
                }
                const int zeile = zeile_in_tabelle(m, k);
                for (int g = 1; g <= n; ++g)
                    QCOMPARE(kurztext(satz, 2040 + (zeile - 1) * 60 + (g - 1) * 6),
                             QString::number(punkte(m, k, g)));
                // Beyond the games the row's total and rank, as the standings hold them.
                QCOMPARE(kurztext(satz, 2040 + (zeile - 1) * 60 + n * 6),
                         QString::number(summe(m, k)));
                QCOMPARE(kurztext(satz, 2040 + (zeile - 1) * 60 + (n + 1) * 6),
                         QString::number(platz(m, k)));
                const int t = eins ? k : 10 + k;
                QCOMPARE(kurztext(satz, 3360 + (t - 1) * 6), QString::number(summe(m, k)));
                QCOMPARE(kurztext(satz, 3720 + (zeile - 1) * 6), QString::number(platz(m, k)));
            }
        }
        // Entries beyond the fourth are empty.
        QCOMPARE(kurztext(satz, w.doppel ? 4 * 102 : 4 * 51), QString());
        QCOMPARE(kurztext(satz, 3360 + 4 * 6), QString());
    }

    // "Ergebnisse ansehen": the stored day chosen in the file choice.
    static void ergebnisse_ansehen(Weg &w)
    {
        SCHRITT(menue(*w.haupt, u"Anzeigen"_s, u"Ergebnisse ansehen"_s));
        QWidget *wahl = fenster(u"Datei wählen"_s);
        QVERIFY(wahl);
        QVERIFY(!w.haupt->Panel5->isVisible());
        auto *liste = feld<QListWidget>(wahl, u"Bitte wählen Sie eine Datei aus."_s);
        QVERIFY(liste);
        QCOMPARE(eintraege(liste), QStringList{w.grp_datei});
        SCHRITT(eintrag_klicken(liste, w.grp_datei));
        klicken(wahl, u"Auswahl"_s);
        QVERIFY(!wahl->isVisible());

        QWidget *ergebnisse = fenster(u"Ergebnisliste vom "_s + heute);
        QVERIFY(ergebnisse);
        QCOMPARE(ergebnisse->findChild<QLabel *>("Panel2")->text(),
                 w.doppel ? u"Ergebnisse für "_s + name_mannschaft1 + u" gegen "_s +
                                name_mannschaft2 + u" vom "_s + heute
                          : u"Ergebnisse für Spiele zwischen "_s + name_mannschaft1 + u" und "_s +
                                name_mannschaft2 + u" vom "_s + heute);
        QCOMPARE(ergebnisse->frameGeometry(), w.plattform.arbeit);
        auto *gitter = ergebnisse->findChild<TFilterGrid *>("FilterGrid1");
        QVERIFY(gitter);
        QCOMPARE(gitter->modell().Rows(0), listenkopf(w));
        QStringList gruppen{u"Gruppe"_s};
        for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei})
            for (int k = 1; k <= n; ++k)
                gruppen << u"%1/%2"_s.arg(nummer(m)).arg(k);
        QCOMPARE(gitter->modell().Cols(0), gruppen);
        for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei})
            for (int k = 1; k <= n; ++k)
                QCOMPARE(gitter->modell().Rows((m == Mannschaft::eins ? 0 : n) + k),
                         listenzeile(w, m, k));
        SCHRITT(spalten_lesbar(gitter));
    }

    static QStringList listenkopf(const Weg &w)
    {
        QStringList kopf{u"Gruppe"_s, u"Spieler"_s};
        if (w.doppel)
            kopf << u"Spieler"_s;
        for (int g = 1; g <= n; ++g)
            kopf << u"Spiel %1"_s.arg(g);
        return kopf << u"Gesamt"_s << u"Platz"_s;
    }

    static QStringList listenzeile(const Weg &w, Mannschaft m, int k)
    {
        const QString eintrag = (m == Mannschaft::eins ? w.aufstellung1 : w.aufstellung2).at(k - 1);
        QStringList zeile{u"%1/%2"_s.arg(nummer(m)).arg(k)};
        zeile << (w.doppel ? eintrag.split(u'/') : QStringList{eintrag});
        for (int g = 1; g <= n; ++g)
            zeile << QString::number(punkte(m, k, g));
        return zeile << QString::number(summe(m, k)) << QString::number(platz(m, k));
    }

    // Every column at least as wide as its widest text, so nothing is cut off.
    static void spalten_lesbar(TFilterGrid *gitter)
    {
        const QFontMetrics masse(gitter->font());
        for (int spalte = 0; spalte < gitter->modell().ColCount(); ++spalte) {
            int breiteste = 0;
            for (int zeile = 0; zeile < gitter->modell().RowCount(); ++zeile)
                breiteste =
                    qMax(breiteste, masse.horizontalAdvance(gitter->modell().Cells(spalte, zeile)));
            QVERIFY2(gitter->columnWidth(spalte) >= breiteste,
                     qPrintable(u"Spalte %1: %2 < %3"_s.arg(spalte)
                                    .arg(gitter->columnWidth(spalte))
                                    .arg(breiteste)));
        }
    }

    // A click on the title "Platz" orders the list by rank, best first.
    static void nach_platz_sortieren(Weg &w)
    {
        QWidget *ergebnisse = fenster(u"Ergebnisliste vom "_s + heute);
        QVERIFY(ergebnisse);
        auto *gitter = ergebnisse->findChild<TFilterGrid *>("FilterGrid1");
        const int spalte = spalte_mit_titel(gitter->modell(), u"Platz"_s);
        QVERIFY(spalte > 0);
        SCHRITT(zelle_klicken(gitter, spalte, 0));
        QCOMPARE(gitter->modell().Rows(0), listenkopf(w));
        QCOMPARE(gitter->modell().RowCount(), 2 * n + 1);
        for (int zeile = 1; zeile <= 2 * n; ++zeile)
            QTRY_COMPARE(gitter->modell().Cells(spalte, zeile), QString::number(zeile));
        for (const auto &[m, k] : nach_platz())
            QCOMPARE(gitter->modell().Rows(platz(m, k)), listenzeile(w, m, k));
    }

    static QList<std::pair<Mannschaft, int>> nach_platz()
    {
        QList<std::pair<Mannschaft, int>> eintraege;
        for (Mannschaft m : {Mannschaft::eins, Mannschaft::zwei})
            for (int k = 1; k <= n; ++k)
                eintraege.append({m, k});
        std::sort(eintraege.begin(), eintraege.end(), [](auto a, auto b) {
            return platz(a.first, a.second) < platz(b.first, b.second);
        });
        return eintraege;
    }

    // "Export" under a name without extension: a '#'-separated file in the list's order.
    static void exportieren(Weg &w)
    {
        QWidget *ergebnisse = fenster(u"Ergebnisliste vom "_s + heute);
        QVERIFY(ergebnisse);
        const QString ziel = QDir(w.ablage.path()).filePath(u"Spieltag Dezember"_s);
        w.plattform.datei_antworten.enqueue(ziel);
        klicken(ergebnisse, u"Export"_s);
        QCOMPARE(w.plattform.texte(), QStringList{u" Die Daten wurden exportiert.  "_s});
        // The "#" file is the dialog's first type, so the one taken when nobody changes it.
        QCOMPARE(w.plattform.speichern_filter.constLast(),
                 u"CSV-Dateien (*.csv);;Tabellenkalkulation (*.csv)"_s);
        w.plattform.meldungen.clear();

        const auto zeile = [](QStringList felder) {
            felder.resize(20);
            return w1252(felder.join(u'#') + u'#') + "\r\n";
        };
        QByteArray erwartet = zeile(listenkopf(w).mid(1));
        for (const auto &[m, k] : nach_platz())
            erwartet += zeile(listenzeile(w, m, k).mid(1));
        QCOMPARE(datei(ziel + u".csv"_s), erwartet);

        klicken(ergebnisse, u"Beenden"_s);
        QVERIFY(!ergebnisse->isVisible());
        QVERIFY(w.haupt->Panel5->isVisible());
    }

    // A plan's "Laden": the same file choice, the standings file, the plan as it was saved.
    static void plan_laden(Weg &w)
    {
        SCHRITT(werkzeug(*w.haupt, u"Turnierplan"_s));
        QWidget *plan = planfenster();
        QVERIFY(plan);
        auto *tabelle = plan->findChild<TFilterGrid *>("FilterGrid1");
        QCOMPARE(tabelle->modell().Cells(n + 1, 1), QString()); // a new plan
        klicken(plan, u"Laden"_s);
        QVERIFY(!plan->isVisible());
        QWidget *wahl = fenster(u"Datei wählen"_s);
        QVERIFY(wahl);
        auto *liste = feld<QListWidget>(wahl, u"Bitte wählen Sie eine Datei aus."_s);
        QCOMPARE(eintraege(liste), QStringList{w.tab_datei});
        SCHRITT(eintrag_klicken(liste, w.tab_datei));
        klicken(wahl, u"Auswahl"_s);
        QVERIFY(plan->isVisible());
        QCOMPARE(plan->findChild<QDateEdit *>()->text(), heute);
        const QStringList gespeichert = zeilen_lf(datei(w.pfad(w.tab_datei)));
        QCOMPARE(zeilen_der_tabelle(plan), gespeichert.mid(5, 22 * w.spaltenzahl()));
        auto *matrix = plan->findChild<TFilterGrid *>("FilterGrid2");
        QCOMPARE(matrix->modell().Cells(2, 3), u"%1:%2"_s.arg(links(2, 3)).arg(rechts(2, 3)));
        klicken(plan, u"Beenden"_s);
        QVERIFY(w.haupt->Panel5->isVisible());
        QVERIFY(w.plattform.meldungen.isEmpty());
    }

    // Nothing else was left in the data folder.
    static void dateien_pruefen(const Weg &w)
    {
        QStringList erwartet{u"Adressen1.adr"_s,
                             u"Adressen2.adr"_s,
                             u"Vorlixn.opt"_s,
                             u"Gruppe1_E.gr1"_s,
                             u"Gruppe2_E.gr2"_s,
                             u"Str_list.txt"_s,
                             u"Auslosungen.txt"_s,
                             u"farben.frb"_s,
                             u"aktuelle_Liste11.akt"_s,
                             u"aktuelle_Liste22.akt"_s,
                             w.tab_datei,
                             w.tub_datei,
                             w.grp_datei};
        if (w.doppel)
            erwartet << u"aktuelle_Liste1D.akt"_s << u"aktuelle_Liste2D.akt"_s << u"Gruppe1_D.gr1"_s
                     << u"Gruppe2_D.gr2"_s;
        else
            erwartet << u"aktuelle_Liste1.akt"_s << u"aktuelle_Liste2.akt"_s;
        erwartet.sort();
        QCOMPARE(QDir(w.daten.path()).entryList(QDir::Files, QDir::Name), erwartet);
        // The colour record of the first start, with its defaults.
        QCOMPARE(datei(w.pfad(u"farben.frb"_s)).size(), 3168);
        QCOMPARE(datei(w.pfad(u"farben.frb"_s)).left(4), QByteArray("\xE4\xF2\xDB\x00", 4));
        QCOMPARE(QDir(w.ablage.path()).entryList(QDir::Files),
                 QStringList{u"Spieltag Dezember.csv"_s});

        // The last draw's name pool, CR LF, Windows-1252: the team drawn again in the draw
        // window, team 1 in doubles and team 2 in singles.
        const QByteArray pool = datei(w.pfad(u"Str_list.txt"_s));
        QVERIFY(pool.endsWith("\r\n"));
        QStringList namen = aus1252(pool).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QStringList teilnehmer;
        for (const Spieler &s : w.teilnehmer(w.doppel ? Mannschaft::eins : Mannschaft::zwei))
            teilnehmer << auswahl_text(w, s);
        QCOMPARE(sortiert(namen), sortiert(teilnehmer));
    }

private slots:
    void initTestCase()
    {
        qt_deutsch_laden(*QCoreApplication::instance());
        oberflaeche_einrichten();
    }

    void spieltag_data()
    {
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<int>("spieler");
        QTest::newRow("Einzelspiel") << false << 4;
        QTest::newRow("Doppelspiel") << true << 8;
    }
    void spieltag()
    {
        Weg w;
        QFETCH(bool, doppel);
        QFETCH(int, spieler);
        w.doppel = doppel;
        w.spieler = spieler;
        SCHRITT(programm_starten(w));
        SCHRITT(mannschaften_benennen(w));
        SCHRITT(spieler_erfassen(w, Mannschaft::eins));
        SCHRITT(spieler_erfassen(w, Mannschaft::zwei));
        SCHRITT(mitspieler_festlegen(w));
        SCHRITT(gruppen_ansehen(w));
        SCHRITT(turnierplan_oeffnen(w));
        SCHRITT(ergebnisse_eintippen(w));
        SCHRITT(speichern_und_verlassen(w));
        SCHRITT(ergebnisse_ansehen(w));
        SCHRITT(nach_platz_sortieren(w));
        SCHRITT(exportieren(w));
        SCHRITT(plan_laden(w));
        SCHRITT(dateien_pruefen(w));
    }
};

QTEST_MAIN(TstSpieltagsweg)
#include "tst_spieltagsweg.moc"
