#include "printing/drucken_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "printing/adressliste.h"
#include "printing/seitenausgabe.h"
#include "shell/beschriftung_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

void Groessenfeld::stepBy(int schritte)
{
    QSpinBox::stepBy(schritte);
    emit geschritten();
}

TForm14::TForm14(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : VorschauLeisteFenster(plattform, parent)
    , m_zustand(zustand)
{
    setObjectName("Form14");
    setWindowTitle(u"Drucken"_s);
    m_drucker->setDocName(u"Printing ..."_s);
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
}

void TForm14::oberflaeche_aufbauen()
{
    vorschau_aufbauen([this](QHBoxLayout &leiste) {
        const auto feld = [this, &leiste](const QString &beschriftung, QWidget *eingabe) {
            leiste.addWidget(beschriftung_anlegen(Panel1, nullptr, beschriftung, eingabe));
            leiste.addWidget(eingabe);
        };
        RxSpinEdit1 = new Groessenfeld(Panel1);
        RxSpinEdit1->setObjectName("RxSpinEdit1");
        RxSpinEdit1->setRange(druck::kleinste_groesse, druck::groesste_groesse);
        feld(u"Schrift&grösse"_s, RxSpinEdit1);
        ComboBox1 = new QFontComboBox(Panel1);
        ComboBox1->setObjectName("ComboBox1");
        ComboBox1->setEditable(false);
        feld(u"Schrift&art"_s, ComboBox1);
        m_querformat = new QCheckBox(u"&Querformat"_s, Panel1);
        m_querformat->setObjectName("Querformat");
        m_querformat->setAccessibleName(u"Querformat"_s);
        leiste.addWidget(m_querformat);
    });

    connect(RxSpinEdit1, &QSpinBox::textChanged, this, &TForm14::RxSpinEdit1Change);
    connect(RxSpinEdit1, &Groessenfeld::geschritten, this, &TForm14::drucken_adressen);
    connect(ComboBox1, &QFontComboBox::currentFontChanged, this, &TForm14::ComboBox1Change);
    connect(Button7, &QPushButton::clicked, this, &TForm14::Button7Click);
    connect(m_querformat, &QCheckBox::toggled, this, &TForm14::querformat_umschalten);
    connect(Button3, &QPushButton::clicked, this, [this] {
        m_plattform.hilfe_schliessen();
        close();
    });
}

void TForm14::oeffnen(Mannschaft mannschaft)
{
    m_mannschaft = mannschaft;
    drucken_adressen();
    showMaximized();
    raise();
    activateWindow();
}

void TForm14::drucken_adressen()
{
    const Druckschrift schrift = druckschrift_aus_optionen(m_zustand.optionen);
    {
        // Putting the stored values into the fields is no change by the user.
        const QSignalBlocker groesse(RxSpinEdit1);
        const QSignalBlocker art(ComboBox1);
        RxSpinEdit1->setValue(schrift.groesse);
        ComboBox1->setCurrentFont(QFont(schrift.art));
    }
    setWindowTitle(druck::titel);
    m_liste = ::drucken_adressen(adressen_lesen(m_zustand.pfad(adressen_dateiname(m_mannschaft))),
                                 mannschaftsname(), schrift, m_plattform.jetzt().date(),
                                 m_querformat->isChecked());
    eine_seite();
    NicePreview1->updatePreview();
}

QString TForm14::mannschaftsname() const
{
    const QString name =
        m_zustand.optionen
            .wert(m_mannschaft == Mannschaft::eins ? opt::name_mannschaft1 : opt::name_mannschaft2)
            .trimmed();
    return name.isEmpty() ? u"Mannschaft %1"_s.arg(nummer(m_mannschaft)) : name;
}

void TForm14::RxSpinEdit1Change(const QString &text)
{
    bool zahl = false;
    const int groesse = locale().toInt(text, &zahl);
    if (!zahl || groesse < druck::kleinste_groesse || groesse > druck::groesste_groesse)
        return;
    m_zustand.setze(opt::druck_schriftgroesse, groesse);
    m_zustand.optionen_speichern();
}

void TForm14::ComboBox1Change(const QFont &schrift)
{
    m_zustand.optionen.setze(opt::druck_schriftart, schrift.family());
    m_zustand.optionen_speichern();
    drucken_adressen();
}

void TForm14::querformat_umschalten(bool quer)
{
    m_drucker->setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
    drucken_adressen();
}

bool TForm14::ausgeben(QPrinter &drucker)
{
    return seiten_ausgeben(drucker, m_liste.seiten);
}

void TForm14::Button7Click()
{
    QString pfad = m_plattform.datei_speichern_dialog(
        u"Als PDF speichern"_s, m_zustand.pfad(u"Adressen%1.pdf"_s.arg(nummer(m_mannschaft))),
        u"PDF-Dateien (*.pdf)"_s);
    if (pfad.isEmpty())
        return;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += u".pdf"_s;
    if (!adressliste_als_pdf(m_liste.seiten, pfad, m_drucker->pageLayout().pageSize()))
        m_plattform.schreibfehler(u"Die PDF-Datei konnte nicht geschrieben werden:\n"_s + pfad);
}

void TForm14::closeEvent(QCloseEvent *ereignis)
{
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}
