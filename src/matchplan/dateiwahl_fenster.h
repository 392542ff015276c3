#pragma once

#include <QDialog>
#include <functional>

class Plattform;
class QLabel;
class QListWidget;
class QPushButton;
struct Zustand;

// "Datei wählen": the saved match days of one kind, to show one as a results list or to load
// it into the plan window that asked, or to delete one. dateiwahl_zweck tells which.
class TForm12 : public QDialog
{
    Q_OBJECT

public:
    TForm12(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);

    // "Ergebnisse ansehen": the record files, not modal.
    void ergebnisse_zeigen(const QString &muster);
    // "Laden" of a plan window: the standings files, modal; the chosen name goes to laden.
    // Without a name taken ("Beenden", the close box) abbrechen runs instead.
    void zum_laden_oeffnen(const QString &muster, std::function<void(const QString &)> laden,
                           std::function<void()> abbrechen);

    // Shows the results list of a record name once the shared values are set for it.
    std::function<void(const QString &name)> ergebnisliste_zeigen;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QPushButton *Button1 = nullptr; // "Auswahl"
    QPushButton *Button2 = nullptr; // "Beenden"
    QPushButton *Button3 = nullptr; // "Löschen"

signals:
    void startseite_zeigen();

protected:
    void resizeEvent(QResizeEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    void liste_fuellen();
    QString gewaehlt() const;
    void Button1Click();
    void Button3Click();
    void abgebrochen();

    Zustand &m_zustand;
    Plattform &m_plattform;
    QString m_muster;
    std::function<void(const QString &)> m_laden;
    std::function<void()> m_abbrechen;
};
