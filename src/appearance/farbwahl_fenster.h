#pragma once

#include <QWidget>

class Plattform;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
struct Zustand;

// "Farbwahl": the choice of the visual style for all windows, and saving the colour record.
class TFarbe : public QWidget
{
    Q_OBJECT

public:
    TFarbe(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    void zeigen();

    QLabel *Panel1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QPushButton *Style_Button = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button22 = nullptr;

signals:
    // The window was closed in any way; the main window shows its start page again.
    void startseite_zeigen();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    void platzieren();
    void ListBox1Click(QListWidgetItem *eintrag);
    void ListBox1DblClick(QListWidgetItem *eintrag);
    void Style_ButtonClick();
    void Button1Click();
    // Applies the chosen style to all windows and stores it.
    void stil_uebernehmen();
    void aktiven_stil_zeigen();

    Zustand &m_zustand;
    Plattform &m_plattform;
    QString m_gewaehlt;
};
