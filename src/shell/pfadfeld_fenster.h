#pragma once

class QLineEdit;
class QWidget;

enum class Pfadeingabe { frei, nur_lesen };

// A one-line field that shows a folder or file path; nur_lesen where the path is chosen
// elsewhere (a folder tree, the program's own folder).
QLineEdit *pfadfeld_anlegen(QWidget *eltern, const char *objekt_name,
                            Pfadeingabe eingabe = Pfadeingabe::frei);
