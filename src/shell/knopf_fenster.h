#pragma once

class QPushButton;
class QString;
class QWidget;

// A push button whose caption carries its Alt mnemonic ("&Beenden"). A screen reader reads the
// caption without the mnemonic unless the button is given a name of its own. Enter never
// presses it by accident: it is no default button.
QPushButton *knopf_anlegen(QWidget *eltern, const char *objekt_name, const QString &beschriftung);
QPushButton *knopf_anlegen(QWidget *eltern, const char *objekt_name, const QString &beschriftung,
                           const QString &zugaenglicher_name);

// A button of a size the window fixes (a bottom row placed by a formula): marked with the
// property below, so that a style gives its caption the whole face instead of its own padding.
void feste_knopfgroesse(QPushButton *knopf, int breite, int hoehe);
inline constexpr const char *feste_knopfgroesse_eigenschaft = "feste_groesse";
