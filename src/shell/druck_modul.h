#pragma once

#include <QString>
#include <QtPlugin>
#include <functional>
#include <optional>

class Plattform;
class QPainter;
class QRectF;
class QWidget;
struct Zustand;

// Pages laid out by the program, for the print preview.
struct Seitenvorschau
{
    QString titel; // the window's caption and the print job's name
    int seiten = 0;
    // Draws page 0..seiten - 1 stretched over the target rectangle.
    std::function<void(QPainter &maler, int seite, const QRectF &ziel)> zeichnen;
    // "Als PDF speichern": the program asks for the file and writes it.
    std::function<void()> als_pdf_speichern;
};

// The module "vorlix_druck" (Qt Print Support): everything that needs a printer, the printing
// windows included.
class DruckModul
{
public:
    virtual ~DruckModul() = default;
    // The printer dialog; the chosen printer's name, std::nullopt when cancelled.
    virtual std::optional<QString> drucker_waehlen(QWidget *eltern) = 0;
    // "Adressen drucken": shows the chooser "Teilnehmer drucken". It and the print window are
    // children of the main window, built at the first call; from then on startseite_zeigen
    // runs whenever they hand back to the start page.
    virtual void adressen_drucken(Zustand &zustand, Plattform &plattform, QWidget *hauptfenster,
                                  const std::function<void()> &startseite_zeigen) = 0;
    // A print preview window of the pages, shown at once; it goes when closed. Its messages
    // and the printer choice go through the platform.
    virtual QWidget *seiten_vorschau(const Seitenvorschau &vorschau, Plattform &plattform,
                                     QWidget *eltern) = 0;
};

#define DruckModul_iid "vorlix.DruckModul/3"
Q_DECLARE_INTERFACE(DruckModul, DruckModul_iid)

inline constexpr const char *druck_modul_name = "vorlix_druck";
