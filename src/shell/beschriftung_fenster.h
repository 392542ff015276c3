#pragma once

class QLabel;
class QString;
class QWidget;

// A label; objekt_name may be null for a label that no test or screen reader looks up.
QLabel *beschriftung_anlegen(QWidget *eltern, const char *objekt_name, const QString &text);
// A label that names the control feld: its Alt mnemonic ("&Quelle") moves the focus to feld,
// and a screen reader reads feld by the label's text without the mnemonic, or by the name given.
QLabel *beschriftung_anlegen(QWidget *eltern, const char *objekt_name, const QString &text,
                             QWidget *feld);
QLabel *beschriftung_anlegen(QWidget *eltern, const char *objekt_name, const QString &text,
                             QWidget *feld, const QString &zugaenglicher_name);
