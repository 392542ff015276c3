#pragma once

#include "backup/sicherungsansicht.h"

#include <QDialog>
#include <optional>

class Ordnerbaum;
class Plattform;
class QCheckBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
struct Zustand;

// "Daten sichern/wiederherstellen": mirrors the backup rules and passes every action to them.
// Built anew at each opening, opened window-modal, and deleted when closed; finished() tells
// the main window to set its title and show its start page again.
class TBack5 : public QDialog
{
    Q_OBJECT

public:
    TBack5(Zustand &zustand, Plattform &plattform, Sicherungsstand &stand,
           QWidget *parent = nullptr);

    // Reads the options and opens on the backup tab.
    void oeffnen();

    Sicherungsansicht &ansicht() { return m_ansicht; }

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *Panel4 = nullptr;
    Ordnerbaum *DirectoryListBox1 = nullptr;
    QPushButton *Button4 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLabel *Panel5 = nullptr;
    Ordnerbaum *DirectoryListBox2 = nullptr;
    QListView *FileListBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QFrame *Panel3 = nullptr; // the bottom bar
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

private:
    void oberflaeche_aufbauen();
    QWidget *sicherungsseite_aufbauen();
    QWidget *wiederherstellungsseite_aufbauen();
    void verbinden();
    void spiegeln();
    void farben_anwenden(bool wiederherstellung);
    void dateiliste_zeigen(const QString &ordner);
    QStringList markierte_dateien() const;
    void knopf1_geklickt();
    void kopierschritt_zeigen(const Kopierschritt &schritt);

    Zustand &m_zustand;
    Sicherungsansicht m_ansicht;
    QFileSystemModel *m_dateien = nullptr;
    std::optional<Sicherungsansicht::Seite> m_gezeigte_seite;
    QString m_gezeigter_ordner; // the folder the file list shows
};
