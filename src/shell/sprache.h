#pragma once

class QCoreApplication;

// Qt's own texts in German (context menus, standard buttons, the colour and file dialogs) from
// qtbase_de.qm in Qt's translations folder. False when that file is missing; Qt then speaks
// English and the program runs on.
bool qt_deutsch_laden(QCoreApplication &anwendung);
