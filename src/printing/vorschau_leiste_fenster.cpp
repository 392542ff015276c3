#include "printing/vorschau_leiste_fenster.h"

#include "shell/knopf_fenster.h"
#include "shell/plattform.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

VorschauLeisteFenster::VorschauLeisteFenster(Plattform &plattform, QWidget *eltern)
    : QWidget(eltern, Qt::Window)
    , m_plattform(plattform)
    , m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

VorschauLeisteFenster::~VorschauLeisteFenster()
{
    // The preview paints on the printer, which goes before the window's children.
    delete NicePreview1;
}

void VorschauLeisteFenster::vorschau_aufbauen(
    const std::function<void(QHBoxLayout &leiste)> &felder)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    NicePreview1 = new QPrintPreviewWidget(m_drucker.get(), this);
    NicePreview1->setObjectName("NicePreview1");
    NicePreview1->setAccessibleName(u"Druckvorschau"_s);
    connect(NicePreview1, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *drucker) { ausgeben(*drucker); });
    spalte->addWidget(NicePreview1, 1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto *leiste = new QHBoxLayout(Panel1);
    leiste->addStretch();
    if (felder)
        felder(*leiste);
    Button1 = knopf_anlegen(Panel1, "Button1", u"&Zwei Seiten"_s);
    Button4 = knopf_anlegen(Panel1, "Button4", u"&Eine Seite"_s);
    Button2 = knopf_anlegen(Panel1, "Button2", u"&Drucken"_s);
    Button7 = knopf_anlegen(Panel1, "Button7", u"Als &PDF speichern"_s);
    Button6 = knopf_anlegen(Panel1, "Button6", u"Anderen Drucker &wählen"_s);
    Button3 = knopf_anlegen(Panel1, "Button3", u"&Beenden"_s);
    for (QPushButton *k : {Button1, Button4, Button2, Button7, Button6, Button3})
        leiste->addWidget(k);
    leiste->addStretch();
    spalte->addWidget(Panel1);

    connect(Button1, &QPushButton::clicked, this, &VorschauLeisteFenster::zwei_seiten);
    connect(Button4, &QPushButton::clicked, this, &VorschauLeisteFenster::eine_seite);
    connect(Button2, &QPushButton::clicked, this, &VorschauLeisteFenster::drucken);
    connect(Button6, &QPushButton::clicked, this, &VorschauLeisteFenster::drucker_waehlen);
}

void VorschauLeisteFenster::eine_seite()
{
    NicePreview1->setSinglePageViewMode();
    NicePreview1->setZoomFactor(1.0);
    Button4->hide();
    Button1->show();
}

void VorschauLeisteFenster::zwei_seiten()
{
    // Pages side by side (two for the usual short list); a facing view would put the first
    // page alone on the right.
    NicePreview1->setAllPagesViewMode();
    NicePreview1->fitToWidth();
    Button1->hide();
    Button4->show();
}

void VorschauLeisteFenster::drucken()
{
    if (!ausgeben(*m_drucker))
        m_plattform.fehler(u"Der Druck konnte nicht gestartet werden. "
                           u"Bitte wählen Sie mit \"Anderen Drucker wählen\" einen Drucker."_s);
}

void VorschauLeisteFenster::drucker_waehlen()
{
    const std::optional<QString> name = m_plattform.drucker_waehlen();
    if (!name)
        return;
    m_drucker->setPrinterName(*name);
    NicePreview1->updatePreview();
}
