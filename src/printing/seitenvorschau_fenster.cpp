#include "printing/seitenvorschau_fenster.h"

#include "shell/kuerzel.h"
#include "shell/plattform.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SeitenvorschauFenster::SeitenvorschauFenster(const Seitenvorschau &vorschau, Plattform &plattform,
                                             QWidget *eltern)
    : QWidget(eltern, Qt::Window)
    , m_vorschau(vorschau)
    , m_plattform(plattform)
    , m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName("Seitenvorschau");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_vorschau.titel);
    m_drucker->setDocName(m_vorschau.titel);

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
    Button1 = knopf("Button1", u"&Zwei Seiten"_s);
    Button4 = knopf("Button4", u"&Eine Seite"_s);
    Button2 = knopf("Button2", u"&Drucken"_s);
    Button7 = knopf("Button7", u"Als &PDF speichern"_s);
    Button6 = knopf("Button6", u"Anderen Drucker &wählen"_s);
    Button3 = knopf("Button3", u"&Beenden"_s);
    leiste->addStretch();
    for (QPushButton *k : {Button1, Button4, Button2, Button7, Button6, Button3})
        leiste->addWidget(k);
    leiste->addStretch();
    spalte->addWidget(Panel1);

    connect(Button1, &QPushButton::clicked, this, &SeitenvorschauFenster::zwei_seiten);
    connect(Button4, &QPushButton::clicked, this, &SeitenvorschauFenster::eine_seite);
    connect(Button2, &QPushButton::clicked, this, &SeitenvorschauFenster::drucken);
    connect(Button7, &QPushButton::clicked, this, [this] {
        if (m_vorschau.als_pdf_speichern)
            m_vorschau.als_pdf_speichern();
    });
    connect(Button6, &QPushButton::clicked, this, &SeitenvorschauFenster::drucker_waehlen);
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);
    eine_seite();
}

SeitenvorschauFenster::~SeitenvorschauFenster()
{
    // The preview paints on the printer, which goes before the window's children.
    delete NicePreview1;
}

QPushButton *SeitenvorschauFenster::knopf(const char *objekt_name, const QString &text)
{
    auto *k = new QPushButton(text, Panel1);
    k->setObjectName(objekt_name);
    k->setAccessibleName(ohne_kuerzel(text));
    k->setAutoDefault(false);
    return k;
}

bool SeitenvorschauFenster::ausgeben(QPrinter &drucker)
{
    QPainter maler;
    if (!m_vorschau.zeichnen || !maler.begin(&drucker))
        return false;
    const QRectF ziel(0, 0, drucker.width(), drucker.height());
    for (int seite = 0; seite < m_vorschau.seiten; ++seite) {
        if (seite > 0 && !drucker.newPage())
            return false;
        m_vorschau.zeichnen(maler, seite, ziel);
    }
    return maler.end();
}

void SeitenvorschauFenster::eine_seite()
{
    NicePreview1->setSinglePageViewMode();
    NicePreview1->setZoomFactor(1.0);
    Button4->hide();
    Button1->show();
}

void SeitenvorschauFenster::zwei_seiten()
{
    NicePreview1->setAllPagesViewMode();
    NicePreview1->fitToWidth();
    Button1->hide();
    Button4->show();
}

void SeitenvorschauFenster::drucken()
{
    if (!ausgeben(*m_drucker))
        m_plattform.fehler(u"Der Druck konnte nicht gestartet werden. "
                           u"Bitte wählen Sie mit \"Anderen Drucker wählen\" einen Drucker."_s);
}

void SeitenvorschauFenster::drucker_waehlen()
{
    const std::optional<QString> name = m_plattform.drucker_waehlen();
    if (!name)
        return;
    m_drucker->setPrinterName(*name);
    NicePreview1->updatePreview();
}
