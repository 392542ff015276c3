#include "app/hauptfenster_fenster.h"
#include "help/hilfe_fenster.h"
#include "help/hilfe_taste_fenster.h"
#include "rosters/adressen_fenster.h"
#include "rosters/erfassung_fenster.h"
#include "test_ordner.h"
#include "test_plattform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString hilfe_chm = QString::fromUtf8(VORLIX_HILFE_CHM);

// The test platform with the real help window behind it.
struct HilfePlattform : TestPlattform
{
    HilfeAnzeige anzeige{*this};
    bool hilfe_oeffnen(const QString &datei, int thema) override
    {
        TestPlattform::hilfe_oeffnen(datei, thema);
        return anzeige.oeffnen(datei, thema);
    }
    void hilfe_schliessen() override
    {
        TestPlattform::hilfe_schliessen();
        anzeige.schliessen();
    }
};

int hilfefenster_anzahl()
{
    int anzahl = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        anzahl += qobject_cast<HilfeFenster *>(w) != nullptr;
    return anzahl;
}

void tippen(QWidget *feld, const QString &text)
{
    for (const QChar zeichen : text)
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
}

} // namespace

class TstHilfeFenster : public QObject
{
    Q_OBJECT

    struct Offen
    {
        HilfeFenster fenster;
        Offen(int thema = 150)
        {
            [&] {
                QVERIFY(fenster.datei_oeffnen(hilfe_chm));
            }();
            fenster.thema_zeigen(thema);
            fenster.show();
        }
        QString titel() const { return fenster.m_seite->documentTitle(); }
    };

private slots:
    void hilfe_zeigt_die_seite_des_fensters_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<QString>("titel");
        const QString start = u"Willkommen bei Vorlix Turnier-Quarel 2"_s;
        QTest::newRow("F1 im Hauptfenster") << u"hauptfenster"_s << start;
        QTest::newRow("F1 in der Spielerliste") << u"spielerliste F1"_s << start;
        QTest::newRow("Hilfe in der Spielerliste")
            << u"spielerliste Hilfe"_s << u"Spielerlisten erfassen und ändern"_s;
        // The plan window is not built yet; a window with its topic stands in for it.
        QTest::newRow("F1 mit Thema 600") << u"600"_s << u"Der Turnierplan"_s;
    }
    void hilfe_zeigt_die_seite_des_fensters()
    {
        QFETCH(QString, weg);
        QFETCH(QString, titel);
        TestOrdner ordner;
        ordner.zustand.optionen_lesen();
        ordner.zustand.programm_ordner = QFileInfo(hilfe_chm).path();
        HilfePlattform plattform;
        TForm1 haupt(ordner.zustand, plattform);
        QVERIFY(plattform.meldungen.isEmpty());
        QWidget *fenster = &haupt;
        QWidget thema_fenster;
        QPushButton *knopf = nullptr;
        if (weg.startsWith(u"spielerliste")) {
            haupt.befehl_ausfuehren(Befehl::spieler_gruppe1_erfassen);
            AdressenFenster *liste = haupt.m_erfassung->adressen(Mannschaft::eins);
            fenster = liste;
            if (weg.endsWith(u"Hilfe"))
                knopf = liste->Button4;
        } else if (weg == u"600") {
            hilfe_taste_einrichten(&thema_fenster, ordner.zustand, plattform, 600);
            fenster = &thema_fenster;
        }
        const auto ausloesen = [&] {
            fenster->show();
            fenster->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(fenster));
            if (knopf)
                QTest::mouseClick(knopf, Qt::LeftButton);
            else
                QTest::keyClick(fenster, Qt::Key_F1);
        };
        ausloesen();
        HilfeFenster *hilfe = plattform.anzeige.fenster();
        QVERIFY(hilfe && hilfe->isVisible());
        QCOMPARE(hilfe->m_seite->documentTitle(), titel);
        QCOMPARE(hilfe->m_inhalt->currentItem()->data(0, Qt::UserRole).toString(), hilfe->seite());

        // Again from the same window: still the one help window, on the same page.
        hilfe->m_startseite->trigger();
        hilfe->m_reiter->setCurrentIndex(2);
        ausloesen();
        QCOMPARE(plattform.anzeige.fenster(), hilfe);
        QCOMPARE(hilfefenster_anzahl(), 1);
        QCOMPARE(hilfe->m_seite->documentTitle(), titel);
        plattform.hilfe_schliessen();
        QCOMPARE(hilfefenster_anzahl(), 0);
    }

    void inhalt_verweise_und_zurueck()
    {
        Offen o;
        QVERIFY(!o.fenster.m_zurueck->isEnabled());
        const auto treffer = o.fenster.m_inhalt->findItems(u"Der Turnierplan"_s,
                                                           Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(treffer.size(), 1);
        QTest::mouseClick(o.fenster.m_inhalt->viewport(), Qt::LeftButton, {},
                          o.fenster.m_inhalt->visualItemRect(treffer[0]).center());
        QCOMPARE(o.titel(), u"Der Turnierplan"_s);

        // A link in the page: "Weiter: Stoppuhr und Hupe".
        QTextCursor link = o.fenster.m_seite->document()->find(u"Stoppuhr und Hupe"_s);
        QVERIFY(!link.isNull());
        o.fenster.m_seite->setTextCursor(link);
        o.fenster.m_seite->ensureCursorVisible();
        const QPoint stelle = o.fenster.m_seite->cursorRect(link).center() - QPoint(8, 0);
        QTest::mouseClick(o.fenster.m_seite->viewport(), Qt::LeftButton, {}, stelle);
        QTRY_COMPARE(o.titel(), u"Stoppuhr und Hupe"_s);
        QCOMPARE(o.fenster.m_inhalt->currentItem()->text(0), u"Stoppuhr und Hupe"_s);

        o.fenster.m_zurueck->trigger();
        QCOMPARE(o.titel(), u"Der Turnierplan"_s);
        o.fenster.m_zurueck->trigger();
        QCOMPARE(o.titel(), u"Willkommen bei Vorlix Turnier-Quarel 2"_s);
        QVERIFY(!o.fenster.m_zurueck->isEnabled());
        o.fenster.m_vorwaerts->trigger();
        QCOMPARE(o.titel(), u"Der Turnierplan"_s);
        o.fenster.m_startseite->trigger();
        QCOMPARE(o.titel(), u"Willkommen bei Vorlix Turnier-Quarel 2"_s);
    }

    void quellen_aus_der_datei_data()
    {
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("erwartet"); // "Bild", "Seite nicht gefunden" or "nichts"
        QTest::newRow("Bild") << u"bilder/hauptfenster.png"_s << int(QTextDocument::ImageResource)
                              << u"Bild"_s;
        QTest::newRow("Bild absolut") << u"hilfe:/bilder/gruppen_einzel.png"_s
                                      << int(QTextDocument::ImageResource) << u"Bild"_s;
        QTest::newRow("Verweis in die Datei")
            << u"ms-its:Vorlix_Turnier-Hilfe.chm::/bilder/gruppen_doppel.png"_s
            << int(QTextDocument::ImageResource) << u"Bild"_s;
        QTest::newRow("fehlende Seite") << u"gibtsnicht.html"_s << int(QTextDocument::HtmlResource)
                                        << u"Seite nicht gefunden"_s;
        QTest::newRow("Netz") << u"http://example.invalid/start.html"_s
                              << int(QTextDocument::HtmlResource) << u"Seite nicht gefunden"_s;
        QTest::newRow("fehlendes Bild")
            << u"bilder/nichts.png"_s << int(QTextDocument::ImageResource) << u"nichts"_s;
    }
    void quellen_aus_der_datei()
    {
        QFETCH(QString, adresse);
        QFETCH(int, art);
        QFETCH(QString, erwartet);
        Offen o;
        const QVariant quelle = o.fenster.m_seite->loadResource(art, QUrl(adresse));
        if (erwartet == u"Bild") {
            const QImage bild = QImage::fromData(quelle.toByteArray());
            QVERIFY(bild.width() > 100);
        } else if (erwartet == u"nichts") {
            QVERIFY(!quelle.isValid());
        } else {
            QVERIFY(quelle.toString().contains(erwartet));
        }
    }

    void index_mit_vorschlag_beim_tippen_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("stichwort");
        QTest::addColumn<QString>("titel");
        QTest::newRow("klein geschrieben") << u"stopp"_s << u"Stoppuhr"_s << u"Stoppuhr und Hupe"_s;
        QTest::newRow("Umlaut") << u"üb"_s << u"Übersicht"_s
                                << u"Willkommen bei Vorlix Turnier-Quarel 2"_s;
        QTest::newRow("mit Leerzeichen")
            << u"Ergebnis l"_s << u"Ergebnis löschen"_s << u"Der Turnierplan"_s;
    }
    void index_mit_vorschlag_beim_tippen()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, stichwort);
        QFETCH(QString, titel);
        Offen o(600);
        o.fenster.m_reiter->setCurrentIndex(1);
        o.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&o.fenster));
        o.fenster.m_stichwort->setFocus();
        tippen(o.fenster.m_stichwort, getippt);
        QCOMPARE(o.fenster.m_index->currentItem()->text(), stichwort);
        QTest::keyClick(o.fenster.m_stichwort, Qt::Key_Return);
        QCOMPARE(o.titel(), titel);
    }

    void suche_im_ganzen_text()
    {
        Offen o;
        o.fenster.m_reiter->setCurrentIndex(2);
        o.fenster.m_suchtext->setText(u"Xylophon"_s);
        QTest::mouseClick(o.fenster.m_suchen, Qt::LeftButton);
        QCOMPARE(o.fenster.m_treffer->count(), 1);
        QCOMPARE(o.fenster.m_treffer->item(0)->text(), u"Keine Treffer."_s);
        QTest::mouseClick(
            o.fenster.m_treffer->viewport(), Qt::LeftButton, {},
            o.fenster.m_treffer->visualItemRect(o.fenster.m_treffer->item(0)).center());
        QCOMPARE(o.titel(), u"Willkommen bei Vorlix Turnier-Quarel 2"_s);

        o.fenster.m_suchtext->setText(u"wav-dateien hupe"_s);
        QTest::keyClick(o.fenster.m_suchtext, Qt::Key_Return);
        const auto treffer =
            o.fenster.m_treffer->findItems(u"Stoppuhr und Hupe"_s, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        QTest::mouseClick(o.fenster.m_treffer->viewport(), Qt::LeftButton, {},
                          o.fenster.m_treffer->visualItemRect(treffer[0]).center());
        QCOMPARE(o.titel(), u"Stoppuhr und Hupe"_s);
    }

    void kaputte_oder_fehlende_datei_data()
    {
        QTest::addColumn<QByteArray>("inhalt"); // null: no file at all
        QTest::addColumn<bool>("gemeldet");
        QTest::newRow("fehlt") << QByteArray() << false;
        QTest::newRow("beschädigt") << QByteArray("ITSF kaputt") << true;
    }
    void kaputte_oder_fehlende_datei()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, gemeldet);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"Vorlix_Turnier-Hilfe.chm"_s);
        if (!inhalt.isNull()) {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        HilfePlattform plattform;
        QVERIFY(!plattform.hilfe_oeffnen(pfad, 150));
        QVERIFY(!plattform.anzeige.fenster());
        QCOMPARE(hilfefenster_anzahl(), 0);
        QCOMPARE(plattform.texte(),
                 gemeldet ? QStringList{u"Die Hilfe-Datei ist beschädigt und kann nicht gelesen "
                                        "werden.\n"_s +
                                        pfad}
                          : QStringList{});
    }
};

QTEST_MAIN(TstHilfeFenster)
#include "tst_hilfe_fenster.moc"
