#pragma once

class Plattform;
class QWidget;
struct Seitenvorschau;

// Shows "Rundenplan drucken" or "Spielzettel drucken" in the print module's preview, with
// printer and "Als PDF speichern"; the preview is a child of eltern and goes with it. Without the
// module it reports so and gives nullptr.
QWidget *rundendruck_zeigen(const Seitenvorschau &vorschau, Plattform &plattform, QWidget *eltern);
