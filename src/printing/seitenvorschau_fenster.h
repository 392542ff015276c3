#pragma once

#include "shell/druck_modul.h"

#include <QWidget>
#include <memory>

class Plattform;
class QFrame;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

// The print preview of pages the program laid out: one or two pages on screen, printing,
// another printer and saving as PDF. Part of the print module; it goes when closed.
class SeitenvorschauFenster : public QWidget
{
    Q_OBJECT

public:
    SeitenvorschauFenster(const Seitenvorschau &vorschau, Plattform &plattform,
                          QWidget *eltern = nullptr);
    ~SeitenvorschauFenster() override;

    QPrintPreviewWidget *NicePreview1 = nullptr;
    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr; // "Zwei Seiten"
    QPushButton *Button4 = nullptr; // "Eine Seite"
    QPushButton *Button2 = nullptr; // "Drucken"
    QPushButton *Button7 = nullptr; // "Als PDF speichern"
    QPushButton *Button6 = nullptr; // "Anderen Drucker wählen"
    QPushButton *Button3 = nullptr; // "Beenden"

private:
    QPushButton *knopf(const char *objekt_name, const QString &text);
    // Every page onto the printer or the preview's device; false when it cannot be drawn on.
    bool ausgeben(QPrinter &drucker);
    void eine_seite();
    void zwei_seiten();
    void drucken();
    void drucker_waehlen();

    Seitenvorschau m_vorschau;
    Plattform &m_plattform;
    std::unique_ptr<QPrinter> m_drucker;
};
