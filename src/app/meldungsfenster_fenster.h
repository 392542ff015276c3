#pragma once

#include <QMessageBox>
#include <memory>

// A message box of the program under its name, wide enough that a window manager shows the
// whole title and not an elided one over a short message.
std::unique_ptr<QMessageBox> meldungsfenster(QMessageBox::Icon art, const QString &text,
                                             QWidget *eltern);
