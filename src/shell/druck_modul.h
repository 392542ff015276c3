#pragma once

#include <QString>
#include <QtPlugin>
#include <functional>
#include <optional>

class Plattform;
class QWidget;
struct Zustand;

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
};

#define DruckModul_iid "vorlix.DruckModul/2"
Q_DECLARE_INTERFACE(DruckModul, DruckModul_iid)

inline constexpr const char *druck_modul_name = "vorlix_druck";
