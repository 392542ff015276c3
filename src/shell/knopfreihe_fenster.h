#pragma once

#include <initializer_list>

class QHBoxLayout;
class QWidget;

// The bottom row of a window's buttons, from left to right; a nullptr stands for free space that
// takes up the rest of the row (without one the buttons share the row). With a traeger the row
// becomes its layout; without one it is handed back for a parent layout.
QHBoxLayout *knopfreihe_anlegen(std::initializer_list<QWidget *> knoepfe,
                                QWidget *traeger = nullptr);
