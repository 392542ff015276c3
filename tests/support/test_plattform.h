#pragma once

#include "shell/plattform.h"

#include <QList>
#include <QPair>
#include <QQueue>
#include <QStringList>

// The platform of the tests: records every message, answers with prepared replies, and has
// a fixed clock and a fixed seed. No test ever waits on a modal box.
class TestPlattform : public Plattform
{
public:
    struct Meldung
    {
        enum Art { Information, Warnung, Fehler, Schreibfehler } art;
        QString text;
        // An error given as the framework's conversion message.
        bool umwandlung = false;
    };

    QList<Meldung> meldungen;
    QQueue<bool> ja_nein_antworten;  // an empty queue answers "Nein"
    QQueue<QString> datei_antworten; // an empty queue cancels
    QQueue<std::optional<QColor>> farb_antworten;
    QList<QColor> farb_starts; // the colour each colour dialog opened with
    QList<QColor> gezeigte_eigene_farben;   // the custom colours the last colour dialog was given
    QList<QColor> geaenderte_eigene_farben; // when not empty, the colour dialog hands these back
    std::optional<QString> drucker_antwort;
    QStringList abgespielte_toene;
    int signaltoene = 0;
    QList<QPair<QString, int>> hilfe_aufrufe;
    bool hilfe_vorhanden = true;
    int hilfe_geschlossen = 0;
    QStringList gezeigte_ordner;
    QDateTime uhrzeit{QDate(2026, 12, 8), QTime(10, 30, 0)};
    quint32 saat = 4711;
    QQueue<quint32> saaten; // handed out first, one per request; then saat
    QRect schirm{0, 0, 1280, 1024};
    QRect arbeit{0, 0, 1280, 984};
    std::optional<Taskleiste> leiste = Taskleiste{984, false};
    QImage aufnahme{16, 16, QImage::Format_RGB32};
    QList<QRect> aufnahme_bereiche; // every screen area asked for
    QStringList speichern_filter;   // the filter of every save dialog
    QString dateiart_antwort;       // the type a save dialog with types returns; empty: the first

    QStringList texte() const;

    void information(const QString &text) override;
    bool warnung_ja_nein(const QString &text) override;
    void fehler(const QString &text) override;
    void umwandlungsfehler(const QString &text) override;
    void schreibfehler(const QString &text) override;
    QString datei_speichern_dialog(const QString &, const QString &,
                                   const QString &filter) override;
    QString datei_speichern_dialog_mit_art(const QString &titel, const QString &vorschlag,
                                           const QString &filter, QString &dateiart) override;
    QString datei_oeffnen_dialog(const QString &, const QString &, const QString &) override;
    QString ordner_dialog(const QString &, const QString &) override;
    std::optional<QColor> farbe_waehlen(const QColor &, QList<QColor> &eigene_farben) override;
    std::optional<QString> drucker_waehlen() override { return drucker_antwort; }
    void ton_abspielen(const QString &wav_datei) override { abgespielte_toene << wav_datei; }
    void signalton() override { ++signaltoene; }
    bool hilfe_oeffnen(const QString &hilfe_datei, int thema) override;
    void hilfe_schliessen() override { ++hilfe_geschlossen; }
    void ordner_zeigen(const QString &ordner) override { gezeigte_ordner << ordner; }
    QImage bildschirm_aufnehmen(const QRect &bereich) override;
    QRect arbeitsbereich() override { return arbeit; }
    QRect bildschirm() override { return schirm; }
    std::optional<Taskleiste> taskleiste() override { return leiste; }
    QDateTime jetzt() override { return uhrzeit; }
    quint32 zufallssaat() override { return saaten.isEmpty() ? saat : saaten.dequeue(); }
};
