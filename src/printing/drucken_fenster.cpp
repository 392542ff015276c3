#include "printing/drucken_fenster.h"

#include "printing/seitenausgabe.h"
#include "shell/hilfe_taste_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

void Groessenfeld::stepBy(int schritte)
{
    QSpinBox::stepBy(schritte);
    emit geschritten();
}

TForm14::TForm14(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName("Form14");
    setWindowTitle(u"Drucken"_s);
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
}

TForm14::~TForm14()
{
    // The preview paints on the printer, which goes before the window's children.
    delete NicePreview1;
}

QPushButton *TForm14::knopf(const char *objekt_name, const QString &text)
{
    auto *k = new QPushButton(text, Panel1);
    k->setObjectName(objekt_name);
    k->setAccessibleName(QString(text).remove(u'&'));
    k->setAutoDefault(false);
    return k;
}

void TForm14::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    NicePreview1 = new QPrintPreviewWidget(m_drucker.get(), this);
    NicePreview1->setObjectName("NicePreview1");
    NicePreview1->setAccessibleName(u"Druckvorschau"_s);
    connect(NicePreview1, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *drucker) { seiten_ausgeben(*drucker, m_liste.seiten); });
    spalte->addWidget(NicePreview1, 1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto *leiste = new QHBoxLayout(Panel1);
    const auto feld = [this, leiste](const QString &beschriftung, QWidget *eingabe) {
        auto *label = new QLabel(beschriftung, Panel1);
        label->setBuddy(eingabe);
        eingabe->setAccessibleName(QString(beschriftung).remove(u'&'));
        leiste->addWidget(label);
        leiste->addWidget(eingabe);
    };
    leiste->addStretch();
    RxSpinEdit1 = new Groessenfeld(Panel1);
    RxSpinEdit1->setObjectName("RxSpinEdit1");
    RxSpinEdit1->setRange(druck::kleinste_groesse, druck::groesste_groesse);
    feld(u"Schrift&grösse"_s, RxSpinEdit1);
    ComboBox1 = new QFontComboBox(Panel1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(false);
    feld(u"Schrift&art"_s, ComboBox1);
    Button1 = knopf("Button1", u"&Zwei Seiten"_s);
    Button4 = knopf("Button4", u"&Eine Seite"_s);
    Button2 = knopf("Button2", u"&Drucken"_s);
    Button7 = knopf("Button7", u"Als &PDF speichern"_s);
    Button6 = knopf("Button6", u"Anderen Drucker &wählen"_s);
    Button3 = knopf("Button3", u"&Beenden"_s);
    for (QPushButton *k : {Button1, Button4, Button2, Button7, Button6, Button3})
        leiste->addWidget(k);
    leiste->addStretch();
    spalte->addWidget(Panel1);

    connect(RxSpinEdit1, &QSpinBox::textChanged, this, &TForm14::RxSpinEdit1Change);
    connect(RxSpinEdit1, &Groessenfeld::geschritten, this, &TForm14::drucken_adressen);
    connect(ComboBox1, &QFontComboBox::currentFontChanged, this, &TForm14::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm14::zwei_seiten);
    connect(Button4, &QPushButton::clicked, this, &TForm14::eine_seite);
    connect(Button2, &QPushButton::clicked, this, &TForm14::Button2Click);
    connect(Button7, &QPushButton::clicked, this, &TForm14::Button7Click);
    connect(Button6, &QPushButton::clicked, this, &TForm14::Button6Click);
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
                                 schrift, m_plattform.jetzt().date());
    eine_seite();
    NicePreview1->updatePreview();
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

void TForm14::eine_seite()
{
    NicePreview1->setSinglePageViewMode();
    NicePreview1->setZoomFactor(1.0);
    Button4->hide();
    Button1->show();
}

void TForm14::zwei_seiten()
{
    // Pages side by side (two for the usual short list); a facing view would put the first
    // page alone on the right.
    NicePreview1->setAllPagesViewMode();
    NicePreview1->fitToWidth();
    Button1->hide();
    Button4->show();
}

void TForm14::Button2Click()
{
    m_drucker->setDocName(u"Printing ..."_s);
    if (!seiten_ausgeben(*m_drucker, m_liste.seiten))
        m_plattform.fehler(u"Der Druck konnte nicht gestartet werden. "
                           u"Bitte wählen Sie mit \"Anderen Drucker wählen\" einen Drucker."_s);
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
        m_plattform.fehler(u"Die PDF-Datei konnte nicht geschrieben werden:\n"_s + pfad);
}

void TForm14::Button6Click()
{
    const std::optional<QString> name = m_plattform.drucker_waehlen();
    if (!name)
        return;
    m_drucker->setPrinterName(*name);
    NicePreview1->updatePreview();
}

void TForm14::closeEvent(QCloseEvent *ereignis)
{
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}
