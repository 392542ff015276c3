#pragma once

#include "storage/farbwert.h"
#include "storage/satzbild.h"

#include <QWidget>
#include <array>

class Plattform;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
struct Zustand;

// "Einstellungen": team names, match-day date, the four plan colours, the horn sound and one
// option. Colours and the sound file are stored when picked, the rest with "Speichern".
class TForm10 : public QWidget
{
    Q_OBJECT

public:
    TForm10(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // Reads the options file, hides the start page, places, fills and shows the window.
    void oeffnen();

    QTabWidget *PageControl1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit7 = nullptr;
    QLineEdit *DateEdit1 = nullptr;
    QToolButton *m_kalender = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QPushButton *Button3 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

signals:
    void startseite_verbergen();
    // The window was closed in any way; the main window shows its start page again.
    void startseite_zeigen();
    // A plan colour was stored; an open plan shows it at once.
    void farben_geaendert();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    // One of the four colour rows: its field, its button and the options field it stores to.
    struct Farbzeile
    {
        QLineEdit *feld = nullptr;
        QToolButton *knopf = nullptr;
        speicher::FarbeFeld option;
        TColor farbe;
    };

    struct Raster;

    void oberflaeche_aufbauen();
    void namen_und_datum_aufbauen(Raster &raster);
    void farbzeilen_aufbauen(Raster &raster);
    void tonzeile_aufbauen(Raster &raster);
    void haken_aufbauen(Raster &raster);
    QFrame *knopfleiste_aufbauen();
    void verbinden();
    void kalender_einrichten();
    void platzieren();
    void fuellen();
    void farbe_zeigen(Farbzeile &zeile);
    void farbe_waehlen(Farbzeile &zeile);
    // Stores the options; what could not be written is reported.
    void optionen_sichern();
    void Button1Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void CheckBox2Click(bool angehakt);
    void CheckBox3Click(bool angehakt);

    Zustand &m_zustand;
    Plattform &m_plattform;
    std::array<Farbzeile, 4> m_farben{};
};
