#include "rosters/adressbestand.h"
#include "rosters/adressen_fenster.h"
#include "schreibschutz.h"
#include "storage/sichere_datei.h"
#include "storage/text1252.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstAdressenFenster : public QObject
{
    Q_OBJECT

    struct Aufbau : TestOrdner
    {
        TestPlattform plattform;
        QString gewaehlt;
        std::unique_ptr<AdressenFenster> fenster;
        Mannschaft mannschaft;

        explicit Aufbau(Mannschaft m = Mannschaft::eins, const QList<adresse> &saetze = {})
            : mannschaft(m)
        {
            if (!saetze.isEmpty()) {
                QByteArray bytes;
                for (const adresse &satz : saetze)
                    bytes += satz.bytes();
                speicher::datei_ersetzen(datei(), bytes);
            }
            if (m == Mannschaft::eins)
                fenster = std::make_unique<TAdressen>(zustand, plattform, gewaehlt);
            else
                fenster = std::make_unique<TAdressen2>(zustand, plattform, gewaehlt);
        }
        QString datei() const { return pfad(adressen_dateiname(mannschaft)); }
        QList<adresse> saetze() const { return adressen_lesen(datei()); }
        QStringList liste() const
        {
            QStringList eintraege;
            for (int i = 0; i < fenster->ListBox1->count(); ++i)
                eintraege << fenster->ListBox1->item(i)->text();
            return eintraege;
        }
        AdressenFenster &oeffnen()
        {
            fenster->oeffnen();
            fenster->activateWindow();
            [&] {
                QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
            }();
            return *fenster;
        }
        void waehlen(const QString &eintrag)
        {
            const QList<QListWidgetItem *> treffer =
                fenster->ListBox1->findItems(eintrag, Qt::MatchExactly);
            QCOMPARE(treffer.size(), 1);
            QListWidget *liste = fenster->ListBox1;
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualItemRect(treffer[0]).center());
        }
        QStringList felder() const
        {
            QStringList texte;
            for (QLineEdit *feld :
                 {fenster->Edit3, fenster->Edit4, fenster->Edit5, fenster->Edit6, fenster->Edit7,
                  fenster->Edit8, fenster->Edit9, fenster->Edit10})
                texte << feld->text();
            return texte;
        }
    };

    static adresse satz(const QString &name, const QString &vorname, const QString &strasse = {})
    {
        Adresstexte t;
        t[adr::index_name] = name;
        t[adr::index_vorname] = vorname;
        t[2] = strasse;
        return adresse_aus_texten(t);
    }

    // Typed character by character, umlauts included, as a keyboard sends them.
    static void tippen(QWidget *feld, const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void ersetzen(QLineEdit *feld, const QString &text)
    {
        feld->setFocus();
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Delete);
        tippen(feld, text);
    }

private slots:
    void zwillinge_unterscheiden_sich_nur_im_profil_data()
    {
        QTest::addColumn<int>("mannschaft");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<bool>("fokus_auf_name");
        QTest::newRow("1") << 1 << u"Spieler Mannschaft 1 erfassen/ändern."_s << u"Meier , Hans"_s
                           << false;
        QTest::newRow("2") << 2 << u"Spieler Mannschaft 2 erfassen/ändern."_s << u"Meier, Hans"_s
                           << true;
    }
    void zwillinge_unterscheiden_sich_nur_im_profil()
    {
        QFETCH(int, mannschaft);
        QFETCH(QString, titel);
        QFETCH(QString, eintrag);
        QFETCH(bool, fokus_auf_name);
        Aufbau a(Mannschaft(mannschaft),
                 {satz(u"Zander"_s, u"Zoe"_s), satz(u"Meier "_s, u"Hans"_s, u"Alte Gasse 1"_s),
                  satz(u"Abel"_s, u"Anna"_s)});
        AdressenFenster &f = a.oeffnen();
        QCOMPARE(f.windowTitle(), titel);
        QCOMPARE(f.GroupBox2->title(), u"Bereits 3 vorhandene Namen"_s);
        QCOMPARE(a.liste(), (QStringList{u"Abel, Anna"_s, eintrag, u"Zander, Zoe"_s}));
        QCOMPARE(QApplication::focusWidget(), f.Edit3);

        // Picking fills the fields from its record; a changed street replaces the record,
        // which moves to the end of the file.
        a.waehlen(eintrag);
        QCOMPARE(f.Edit5->text(), u"Alte Gasse 1"_s);
        ersetzen(f.Edit5, u"Neue Straße 2"_s);
        f.Button1->click();
        QCOMPARE(QApplication::focusWidget(), fokus_auf_name ? f.Edit3 : f.Edit5);
        QCOMPARE(a.felder(), QStringList(8));
        QCOMPARE(a.liste(), (QStringList{u"Abel, Anna"_s, eintrag, u"Zander, Zoe"_s}));
        const QList<adresse> saetze = a.saetze();
        QCOMPARE(saetze.size(), 3);
        QCOMPARE(saetze.last().wert(adr::name), u"Meier "_s);
        QCOMPARE(saetze.last().wert(adr::strasse), u"Neue Straße 2"_s);
        QVERIFY(!QFileInfo::exists(a.pfad(adressen_dateiname(andere(a.mannschaft)))));
    }

    void speichern_nur_mit_vorname()
    {
        Aufbau a;
        AdressenFenster &f = a.oeffnen();
        QVERIFY(!f.Button1->isEnabled());
        tippen(f.Edit3, u"Müller"_s);
        QVERIFY(!f.Button1->isEnabled());
        tippen(f.Edit4, u"Ö"_s);
        QVERIFY(f.Button1->isEnabled());
        QTest::keyClick(f.Edit4, Qt::Key_Backspace);
        QVERIFY(!f.Button1->isEnabled());
        // Without a surname the player can be stored.
        ersetzen(f.Edit3, {});
        tippen(f.Edit4, u"Jürgen"_s);
        f.Button1->click();
        QVERIFY(!f.Button1->isEnabled());
        QCOMPARE(a.liste(), QStringList{u", Jürgen"_s});
    }

    void alle_felder_landen_an_ihrem_platz()
    {
        Aufbau a(Mannschaft::zwei);
        AdressenFenster &f = a.oeffnen();
        const QStringList texte{u"Größe"_s,      u"Jürgen"_s,          u"Äußere Str. 5"_s,
                                u"12345 Köln"_s, u"0221 ü"_s,          u"0221 ö"_s,
                                u"0171 €"_s,     u"jürgen@straße.de"_s};
        const QList<QLineEdit *> felder{f.Edit3, f.Edit4, f.Edit5, f.Edit6,
                                        f.Edit7, f.Edit8, f.Edit9, f.Edit10};
        for (int i = 0; i < felder.size(); ++i)
            tippen(felder[i], texte[i]);
        QCOMPARE(a.felder(), texte);
        f.Button1->click();

        QByteArray bytes;
        QVERIFY(speicher::datei_lesen(a.datei(), bytes));
        QCOMPARE(bytes.size(), 960);
        const QList<int> offsets{61, 0, 122, 183, 467, 498, 560, 305};
        for (int i = 0; i < offsets.size(); ++i) {
            const QByteArray erwartet = speicher::nach_1252(texte[i]);
            QCOMPARE(bytes.at(offsets[i]), char(erwartet.size()));
            QCOMPARE(bytes.mid(offsets[i] + 1, erwartet.size()), erwartet);
        }
        QCOMPARE(a.liste(), QStringList{u"Größe, Jürgen"_s});
        QCOMPARE(f.GroupBox2->title(), u"Bereits 1 vorhandene Namen"_s);
    }

    void anderer_vorname_ergibt_zweiten_spieler()
    {
        Aufbau a(Mannschaft::eins, {satz(u"Meier"_s, u"Hans"_s, u"Weg 1"_s)});
        AdressenFenster &f = a.oeffnen();
        a.waehlen(u"Meier, Hans"_s);
        ersetzen(f.Edit4, u"Klaus"_s);
        f.Button1->click();
        QCOMPARE(a.liste(), (QStringList{u"Meier, Hans"_s, u"Meier, Klaus"_s}));
        QCOMPARE(a.saetze().last().wert(adr::strasse), u"Weg 1"_s);
        QCOMPARE(f.GroupBox2->title(), u"Bereits 2 vorhandene Namen"_s);
    }

    void lange_namen_werden_ersetzt_nicht_verdoppelt()
    {
        Aufbau a;
        AdressenFenster &f = a.oeffnen();
        const QString name = QString(58, u'N') + u"ößen"_s;
        for (const QString &strasse : {u"Weg 1"_s, u"Weg 2"_s}) {
            tippen(f.Edit3, name);
            tippen(f.Edit4, u"Hans"_s);
            tippen(f.Edit5, strasse);
            f.Button1->click();
        }
        QCOMPARE(a.saetze().size(), 1);
        QCOMPARE(a.saetze().first().wert(adr::strasse), u"Weg 2"_s);
        QCOMPARE(f.GroupBox2->title(), u"Bereits 1 vorhandene Namen"_s);
    }

    void speicherfehler_meldet_die_datei_und_behaelt_die_felder_data()
    {
        QTest::addColumn<bool>("datei_da");
        QTest::newRow("neue Datei") << false;
        QTest::newRow("vorhandene Datei") << true;
    }
    void speicherfehler_meldet_die_datei_und_behaelt_die_felder()
    {
        QFETCH(bool, datei_da);
        const QList<adresse> vorher =
            datei_da ? QList<adresse>{satz(u"Abel"_s, u"Anna"_s)} : QList<adresse>{};
        Aufbau a(Mannschaft::zwei, vorher);
        AdressenFenster &f = a.oeffnen();
        tippen(f.Edit3, u"Öztürk"_s);
        tippen(f.Edit4, u"Ümit"_s);
        tippen(f.Edit10, u"ue@example.org"_s);
        const QStringList getippt = a.felder();
        {
            const Schreibschutz schutz(a.ordner.path());
            QVERIFY(schutz.wirksam());
            f.Button1->click();
        }
        QCOMPARE(a.plattform.meldungen.size(), 1);
        QCOMPARE(a.plattform.meldungen.first().art, TestPlattform::Meldung::Schreibfehler);
        QCOMPARE(a.plattform.texte().first(),
                 u"Der Spieler wurde nicht gespeichert: Die Datei \"%1\" konnte nicht "
                 u"geschrieben werden."_s.arg(a.datei()));
        QCOMPARE(a.felder(), getippt);
        QVERIFY(f.Button1->isEnabled());
        QCOMPARE(a.saetze().size(), vorher.size());
        QCOMPARE(f.GroupBox2->title(), u"Bereits %1 vorhandene Namen"_s.arg(vorher.size()));

        // Once the folder can be written again, the same click stores the player.
        f.Button1->click();
        QCOMPARE(a.saetze().size(), vorher.size() + 1);
        QCOMPARE(a.felder(), QStringList(8));
    }

    void klick_und_pfeiltasten_waehlen()
    {
        Aufbau a(Mannschaft::eins,
                 {satz(u"Abel"_s, u"Anna"_s, u"Weg 1"_s), satz(u"Zander"_s, u"Zoe"_s, u"Weg 2"_s)});
        AdressenFenster &f = a.oeffnen();
        a.waehlen(u"Abel, Anna"_s);
        ersetzen(f.Edit5, u"getippt"_s);
        a.waehlen(u"Abel, Anna"_s);
        QCOMPARE(f.Edit5->text(), u"Weg 1"_s);
        f.ListBox1->setFocus();
        QTest::keyClick(f.ListBox1, Qt::Key_Down);
        QCOMPARE(a.gewaehlt, u"Zander, Zoe"_s);
        QCOMPARE(f.Edit5->text(), u"Weg 2"_s);
    }

    void loeschen_nach_rueckfrage_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Ja") << true << QStringList{u"Zander, Zoe"_s}
                            << u"Bereits 1 vorhandene Namen"_s;
        QTest::newRow("Nein") << false << QStringList{u"Öz, Ali"_s, u"Zander, Zoe"_s}
                              << u"Bereits 2 vorhandene Namen"_s;
    }
    void loeschen_nach_rueckfrage()
    {
        QFETCH(bool, ja);
        QFETCH(QStringList, danach);
        QFETCH(QString, titel);
        Aufbau a(Mannschaft::zwei, {satz(u"Öz"_s, u"Ali"_s), satz(u"Zander"_s, u"Zoe"_s)});
        AdressenFenster &f = a.oeffnen();
        a.waehlen(u"Öz, Ali"_s);
        a.plattform.ja_nein_antworten.enqueue(ja);
        QTest::mouseClick(f.Button3, Qt::LeftButton);
        QCOMPARE(a.plattform.texte(),
                 QStringList{u"Wollen Sie diese Adresse wirklich löschen ??"_s});
        QCOMPARE(a.liste(), danach);
        QCOMPARE(f.GroupBox2->title(), titel);
        QCOMPARE(a.felder(), QStringList(8));
    }

    void loeschen_braucht_eine_auswahl_in_einem_der_fenster()
    {
        Aufbau a(Mannschaft::eins, {satz(u"Meier"_s, u"Hans"_s)});
        AdressenFenster &f = a.oeffnen();
        tippen(f.Edit3, u"Meier"_s);
        tippen(f.Edit4, u"Hans"_s);
        QTest::mouseClick(f.Button3, Qt::LeftButton);
        QVERIFY(a.plattform.meldungen.isEmpty());
        QCOMPARE(a.felder().mid(0, 2), (QStringList{u"Meier"_s, u"Hans"_s}));

        // A pick in team 2's window counts as well.
        TAdressen2 zwei(a.zustand, a.plattform, a.gewaehlt);
        speicher::datei_ersetzen(a.pfad(adressen_dateiname(Mannschaft::zwei)),
                                 satz(u"Kurz"_s, u"Kai"_s).bytes());
        zwei.oeffnen();
        zwei.ListBox1->setCurrentRow(0);
        QCOMPARE(a.gewaehlt, u"Kurz, Kai"_s);
        a.plattform.ja_nein_antworten.enqueue(true);
        QTest::mouseClick(f.Button3, Qt::LeftButton);
        QCOMPARE(a.plattform.meldungen.size(), 1);
        QVERIFY(a.liste().isEmpty());
        QCOMPARE(f.GroupBox2->title(), u"Bereits 0 vorhandene Namen"_s);
    }

    void loeschen_eines_unbekannten_namens_tut_nichts()
    {
        Aufbau a(Mannschaft::eins, {satz(u"Meier"_s, u"Hans"_s)});
        AdressenFenster &f = a.oeffnen();
        a.waehlen(u"Meier, Hans"_s);
        ersetzen(f.Edit4, u"Hannes"_s);
        QTest::mouseClick(f.Button3, Qt::LeftButton);
        QVERIFY(a.plattform.meldungen.isEmpty());
        QCOMPARE(f.Edit4->text(), u"Hannes"_s);
        QCOMPARE(a.saetze().size(), 1);
    }

    void tasten_data()
    {
        QTest::addColumn<QString>("von");
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("nach");
        QTest::newRow("Enter Name") << u"Edit3"_s << int(Qt::Key_Return) << u"Edit4"_s;
        QTest::newRow("Enter Ziffernblock") << u"Edit9"_s << int(Qt::Key_Enter) << u"Edit10"_s;
        QTest::newRow("Enter Email") << u"Edit10"_s << int(Qt::Key_Return) << u"Button1"_s;
        QTest::newRow("Enter Speichern") << u"Button1"_s << int(Qt::Key_Return) << u"ListBox1"_s;
        QTest::newRow("Enter Liste") << u"ListBox1"_s << int(Qt::Key_Return) << u"Button3"_s;
        QTest::newRow("Enter Beenden") << u"Button2"_s << int(Qt::Key_Return) << u"Edit3"_s;
        QTest::newRow("runter") << u"Edit3"_s << int(Qt::Key_Down) << u"Edit4"_s;
        QTest::newRow("runter Mobil") << u"Edit9"_s << int(Qt::Key_Down) << u"Edit10"_s;
        QTest::newRow("runter Email") << u"Edit10"_s << int(Qt::Key_Down) << u"Edit10"_s;
        QTest::newRow("hoch Email") << u"Edit10"_s << int(Qt::Key_Up) << u"Edit9"_s;
        QTest::newRow("hoch Vorname") << u"Edit4"_s << int(Qt::Key_Up) << u"Edit3"_s;
        QTest::newRow("hoch Name") << u"Edit3"_s << int(Qt::Key_Up) << u"Edit3"_s;
    }
    void tasten()
    {
        QFETCH(QString, von);
        QFETCH(int, taste);
        QFETCH(QString, nach);
        Aufbau a(Mannschaft::eins, {satz(u"Meier"_s, u"Hans"_s)});
        AdressenFenster &f = a.oeffnen();
        tippen(f.Edit4, u"Jörg"_s); // enables "Speichern >>"
        auto *start = f.findChild<QWidget *>(von);
        start->setFocus();
        QCOMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(start, Qt::Key(taste));
        QCOMPARE(QApplication::focusWidget()->objectName(), nach);
        // The key never reaches the control: nothing was stored, picked or closed.
        QVERIFY(f.isVisible());
        QCOMPARE(a.saetze().size(), 1);
        QVERIFY(a.gewaehlt.isEmpty());
    }

    void hilfe_und_beenden()
    {
        Aufbau a;
        AdressenFenster &f = a.oeffnen();
        QSignalSpy startseite(&f, &AdressenFenster::startseite_zeigen);
        QTest::mouseClick(f.Button4, Qt::LeftButton);
        QTest::keyClick(f.Edit5, Qt::Key_F1);
        const QString hilfe = a.zustand.hilfe_datei;
        QCOMPARE(a.plattform.hilfe_aufrufe,
                 (QList<QPair<QString, int>>{{hilfe, 1050}, {hilfe, 150}}));
        QTest::mouseClick(f.Button2, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(a.plattform.hilfe_geschlossen, 1);
        QCOMPARE(startseite.count(), 1);
    }

    void oeffnen_leert_und_zaehlt_neu()
    {
        Aufbau a(Mannschaft::eins, {satz(u"Meier"_s, u"Hans"_s)});
        AdressenFenster &f = a.oeffnen();
        QCOMPARE(f.GroupBox1->title(), u"Personendaten"_s);
        tippen(f.Edit6, u"Köln"_s);
        f.close();
        adresse_speichern(a.zustand.daten_pfad, a.mannschaft, satz(u"Abel"_s, u"Anna"_s));
        a.oeffnen();
        QCOMPARE(a.felder(), QStringList(8));
        QCOMPARE(f.GroupBox2->title(), u"Bereits 2 vorhandene Namen"_s);
        QVERIFY(!f.Button1->isEnabled());
        // 50 pixels below the middle of the screen, centred across.
        const QRect schirm = a.plattform.schirm;
        QCOMPARE(f.x(), (schirm.width() - f.width()) / 2);
        QCOMPARE(f.y(), (schirm.height() - f.height()) / 2 + 50);
    }

    void zugaengliche_namen()
    {
        Aufbau a;
        AdressenFenster &f = a.oeffnen();
        const QStringList beschriftungen{u"Name"_s,    u"Vorname"_s, u"Strasse"_s, u"Plz/Ort"_s,
                                         u"Telefon"_s, u"Fax"_s,     u"Mobil"_s,   u"Email"_s};
        QStringList gefunden;
        for (int nr = 3; nr <= 10; ++nr) {
            auto *feld = f.findChild<QLineEdit *>(u"Edit%1"_s.arg(nr));
            for (QLabel *label : f.findChildren<QLabel *>())
                if (label->buddy() == feld)
                    gefunden << label->text();
            QCOMPARE(feld->accessibleName(), gefunden.value(nr - 3));
        }
        QCOMPARE(gefunden, beschriftungen);
        QStringList knoepfe;
        for (QPushButton *k : {f.Button1, f.Button3, f.Button4, f.Button2})
            knoepfe << k->accessibleName();
        QCOMPARE(knoepfe, (QStringList{u"Speichern >>"_s, u"Löschen"_s, u"Hilfe"_s, u"Beenden"_s}));
        QVERIFY(!f.ListBox1->accessibleName().isEmpty());
    }
};

QTEST_MAIN(TstAdressenFenster)
#include "tst_adressen_fenster.moc"
