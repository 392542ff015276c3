#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

// Where the taskbar stands, as far as the system tells.
struct Taskleiste
{
    int oberkante = 0;             // top edge in screen coordinates
    bool blendet_sich_aus = false; // set to hide itself
};

// Everything the windows need of the desktop goes through here, so that tests can answer
// message boxes and dialogs, fix the clock and the random seed, and see what was shown.
class Plattform
{
public:
    virtual ~Plattform() = default;

    // Message boxes.
    virtual void information(const QString &text) = 0;
    virtual bool warnung_ja_nein(const QString &text) = 0; // true for "Ja"
    virtual void fehler(const QString &text) = 0;          // error with a single "OK" button
    // The framework's message for text that is no whole number: an error with a single
    // "Abbrechen" button.
    virtual void umwandlungsfehler(const QString &text) { fehler(text); }
    // A write the user started failed: an error with a single "OK" button.
    virtual void schreibfehler(const QString &text) = 0;

    // Dialogs; an empty result or std::nullopt means cancelled.
    virtual QString datei_speichern_dialog(const QString &titel, const QString &vorschlag,
                                           const QString &filter) = 0;
    // A save dialog offering several file types (filters joined by ";;"); dateiart brings back
    // the filter chosen. Without a dialog of its own a platform offers the first.
    virtual QString datei_speichern_dialog_mit_art(const QString &titel, const QString &vorschlag,
                                                   const QString &filter, QString &dateiart)
    {
        dateiart = filter.left(filter.indexOf(u";;"));
        return datei_speichern_dialog(titel, vorschlag, filter);
    }
    virtual QString datei_oeffnen_dialog(const QString &titel, const QString &ordner,
                                         const QString &filter) = 0;
    virtual QString ordner_dialog(const QString &titel, const QString &ordner) = 0;
    virtual std::optional<QColor> farbe_waehlen(const QColor &start,
                                                QList<QColor> &eigene_farben) = 0;
    virtual std::optional<QString> drucker_waehlen() = 0;

    // Sound, help, screen.
    virtual void ton_abspielen(const QString &wav_datei) = 0;
    virtual void signalton() = 0; // the system's short warning beep
    virtual bool hilfe_oeffnen(const QString &hilfe_datei, int thema) = 0;
    virtual void hilfe_schliessen() = 0;
    virtual void ordner_zeigen(const QString &ordner) = 0; // in the file manager
    virtual QImage bildschirm_aufnehmen(const QRect &bereich) = 0;
    virtual QRect arbeitsbereich() = 0; // the screen without the taskbar
    virtual QRect bildschirm() = 0;
    virtual std::optional<Taskleiste> taskleiste() = 0;

    // Clock and the seed of the random generator.
    virtual QDateTime jetzt() = 0;
    virtual quint32 zufallssaat() = 0;
};
