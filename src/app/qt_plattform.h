#pragma once

#include "help/hilfe_fenster.h"
#include "shell/plattform.h"

class QWidget;

// The real desktop behind the platform seam. Sound and printing come from modules loaded at
// their first use (shell/module.h).
class QtPlattform : public Plattform
{
public:
    void information(const QString &text) override;
    bool warnung_ja_nein(const QString &text) override;
    void fehler(const QString &text) override;
    void umwandlungsfehler(const QString &text) override;
    void schreibfehler(const QString &text) override;
    QString datei_speichern_dialog(const QString &titel, const QString &vorschlag,
                                   const QString &filter) override;
    QString datei_speichern_dialog_mit_art(const QString &titel, const QString &vorschlag,
                                           const QString &filter, QString &dateiart) override;
    QString datei_oeffnen_dialog(const QString &titel, const QString &ordner,
                                 const QString &filter) override;
    QString ordner_dialog(const QString &titel, const QString &ordner) override;
    std::optional<QColor> farbe_waehlen(const QColor &start, QList<QColor> &eigene_farben) override;
    std::optional<QString> drucker_waehlen() override;
    void ton_abspielen(const QString &wav_datei) override;
    void signalton() override;
    bool hilfe_oeffnen(const QString &hilfe_datei, int thema) override;
    void hilfe_schliessen() override;
    void ordner_zeigen(const QString &ordner) override;
    QImage bildschirm_aufnehmen(const QRect &bereich) override;
    QRect arbeitsbereich() override;
    QRect bildschirm() override;
    std::optional<Taskleiste> taskleiste() override;
    QDateTime jetzt() override;
    quint32 zufallssaat() override;

private:
    HilfeAnzeige m_hilfe{*this};
    bool m_ton_gemeldet = false; // a missing sound module is reported once a run
};
