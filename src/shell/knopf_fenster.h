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
