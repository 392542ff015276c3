#pragma once

#include "printing/adressliste.h"
#include "shell/mannschaft.h"

#include <QSpinBox>
#include <QWidget>
#include <memory>

class Plattform;
class QFontComboBox;
class QFrame;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
struct Zustand;

// The size field: tells apart a click on its arrows, which lays the list out again, from
// typing, which does not.
class Groessenfeld : public QSpinBox
{
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;

signals:
    void geschritten();

protected:
    void stepBy(int schritte) override;
};

// "Drucken": the address list of a team in a print preview, with font, size, one or two
// pages on screen, printer choice, printing and saving as PDF.
class TForm14 : public QWidget
{
    Q_OBJECT

public:
    TForm14(Zustand &zustand, Plattform &plattform, QWidget *parent = nullptr);
    ~TForm14() override;

    // Lays out the team's roster and shows the window maximised.
    void oeffnen(Mannschaft mannschaft);
    // Lays the list out again with the stored font and size.
    void drucken_adressen();

    const Adressliste &liste() const { return m_liste; }
    QPrinter &drucker() { return *m_drucker; }

    QPrintPreviewWidget *NicePreview1 = nullptr;
    QFrame *Panel1 = nullptr; // the bottom bar
    Groessenfeld *RxSpinEdit1 = nullptr;
    QFontComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr; // "Zwei Seiten"
    QPushButton *Button4 = nullptr; // "Eine Seite"
    QPushButton *Button2 = nullptr; // "Drucken"
    QPushButton *Button7 = nullptr; // "Als PDF speichern"
    QPushButton *Button6 = nullptr; // "Anderen Drucker wählen"
    QPushButton *Button3 = nullptr; // "Beenden"

signals:
    void startseite_zeigen();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void oberflaeche_aufbauen();
    QPushButton *knopf(const char *objekt_name, const QString &text);
    void RxSpinEdit1Change(const QString &text);
    void ComboBox1Change(const QFont &schrift);
    void eine_seite();
    void zwei_seiten();
    void Button2Click();
    void Button7Click();
    void Button6Click();

    Zustand &m_zustand;
    Plattform &m_plattform;
    std::unique_ptr<QPrinter> m_drucker;
    Mannschaft m_mannschaft = Mannschaft::eins;
    Adressliste m_liste;
};
