#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class Plattform;
class QTimer;
struct Zustand;

// The screen area a window's screenshot shows: the window with its frame, as far as it lies
// on the screen.
QRect aufnahme_bereich(const QRect &fenster, const QRect &bildschirm);
// The picture of that area: the capture at the area's size, so a screen that counts more
// pixels than points gives the same picture.
QImage fenster_bild(const QImage &aufnahme, const QSize &groesse);
// The picture's file name for a bitmap name: its file part with the last three characters
// replaced by "jpg" ("Tag1.bmp" gives "Tag1.jpg").
QString setJPGFileName(const QString &fbmp);

// "Screenshot" of a window: asks for a name without extension, waits until the dialog has
// left the screen, then captures the window's area and saves it as name + ".jpg".
class Bildschirmfoto : public QObject
{
    Q_OBJECT

public:
    // fensterrahmen gives the window's outer edges on the screen when the picture is taken.
    Bildschirmfoto(Zustand &zustand, Plattform &plattform, std::optional<int> qualitaet,
                   std::function<QRect()> fensterrahmen, QObject *eltern);

    // The button: the save dialog, then the wait.
    void starten();
    // The end of the wait: the capture and the file.
    void aufnehmen();
    QTimer *wartezeit() const { return m_wartezeit; }

    static constexpr int warte_ms = 750;

private:
    Zustand &m_zustand;
    Plattform &m_plattform;
    std::optional<int> m_qualitaet;
    std::function<QRect()> m_fensterrahmen;
    QTimer *m_wartezeit;
    QString m_bmp_name;
};
