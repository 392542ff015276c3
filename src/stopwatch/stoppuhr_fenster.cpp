#include "stopwatch/stoppuhr_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"
#include "stopwatch/hupe.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TForm19::TForm19(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_uhr(zustand, plattform)
{
    setObjectName("Form19");
    setWindowTitle(u"Stoppuhr"_s);
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, zustand, plattform);
    verbinden();
    spiegeln();
    platzieren();
}

void TForm19::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);

    Label1 = new QLabel(m_uhr.label_text(), this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAccessibleName(u"Spieldauer"_s);
    QFont gross = Label1->font();
    gross.setPointSize(28);
    gross.setBold(true);
    Label1->setFont(gross);
    spalte->addWidget(Label1);

    auto *laenge = new QHBoxLayout;
    Label2 = new QLabel(u"Spieldauer in &Minuten"_s, this);
    Label2->setObjectName("Label2");
    RxSpinEdit1 = new QSpinBox(this);
    RxSpinEdit1->setObjectName("RxSpinEdit1");
    RxSpinEdit1->setRange(0, Stoppuhr::hoechste_laenge);
    RxSpinEdit1->setAccessibleName(u"Spieldauer in Minuten"_s);
    Label2->setBuddy(RxSpinEdit1);
    laenge->addWidget(Label2);
    laenge->addWidget(RxSpinEdit1);
    spalte->addLayout(laenge);

    auto *knoepfe = new QGridLayout;
    Button1 = knopf_anlegen(this, "Button1", u"&Start"_s);
    Button2 = knopf_anlegen(this, "Button2", u"S&top"_s);
    Button3 = knopf_anlegen(this, "Button3", u"&Reset"_s);
    Button4 = knopf_anlegen(this, "Button4", u"&Beenden"_s);
    knoepfe->addWidget(Button1, 0, 0);
    knoepfe->addWidget(Button2, 0, 1);
    knoepfe->addWidget(Button3, 1, 0);
    knoepfe->addWidget(Button4, 1, 1);
    spalte->addLayout(knoepfe);

    CheckBox1 = new QCheckBox(u"&Nach Start Fenster schliessen."_s, this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setAccessibleName(u"Nach Start Fenster schliessen."_s);
    spalte->addWidget(CheckBox1);

    auto *hupe = new QHBoxLayout;
    m_keine_hupe = new QLabel(u"Keine Hupe gewählt"_s, this);
    m_keine_hupe->setObjectName("KeineHupe");
    m_hupe_waehlen = knopf_anlegen(this, "HupeWaehlen", u"&Hupe wählen"_s);
    hupe->addWidget(m_keine_hupe, 1);
    hupe->addWidget(m_hupe_waehlen);
    spalte->addLayout(hupe);
    hupe_hinweis_zeigen();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    // A coarse timer may run up to 5 % late; over a game that adds up to whole seconds.
    Timer1->setTimerType(Qt::PreciseTimer);
}

void TForm19::verbinden()
{
    connect(RxSpinEdit1, &QSpinBox::textChanged, &m_uhr, &Stoppuhr::laenge_geaendert);
    // The spin box reports no text that is not a number (an emptied field); the length
    // change still runs for it, so that its conversion message appears.
    auto *eingabe = RxSpinEdit1->findChild<QLineEdit *>();
    connect(eingabe, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!RxSpinEdit1->hasAcceptableInput())
            m_uhr.laenge_geaendert(text);
    });
    connect(Button1, &QPushButton::clicked, &m_uhr, &Stoppuhr::start);
    connect(Button2, &QPushButton::clicked, &m_uhr, &Stoppuhr::stop);
    connect(Button3, &QPushButton::clicked, &m_uhr, &Stoppuhr::zuruecksetzen);
    connect(Button4, &QPushButton::clicked, this, [this] {
        m_uhr.beenden();
        close();
    });
    connect(CheckBox1, &QCheckBox::clicked, &m_uhr, &Stoppuhr::fenster_schliessen_setzen);
    connect(m_hupe_waehlen, &QPushButton::clicked, this, &TForm19::hupe_waehlen_verlangt);
    connect(Timer1, &QTimer::timeout, &m_uhr, &Stoppuhr::tick);
    connect(&m_uhr, &Stoppuhr::geaendert, this, &TForm19::spiegeln);
    connect(&m_uhr, &Stoppuhr::schliessen_verlangt, this, &QWidget::close);
}

void TForm19::spiegeln()
{
    Label1->setText(m_uhr.label_text());
    // The field keeps what the person typed; only a length set by the program is shown.
    if (RxSpinEdit1->text() != m_uhr.laenge_text()) {
        const QSignalBlocker sperre(RxSpinEdit1);
        RxSpinEdit1->setValue(m_uhr.laenge_text().toInt());
    }
    Button1->setEnabled(m_uhr.start_frei());
    Button2->setEnabled(m_uhr.stop_frei());
    CheckBox1->setChecked(m_uhr.fenster_schliessen());
    if (!m_uhr.takt_an())
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void TForm19::hupe_hinweis_zeigen()
{
    const bool fehlt = !hupe_gewaehlt(m_zustand);
    m_keine_hupe->setVisible(fehlt);
    m_hupe_waehlen->setVisible(fehlt);
}

// The horn may have been chosen in the settings meanwhile.
void TForm19::showEvent(QShowEvent *ereignis)
{
    hupe_hinweis_zeigen();
    QWidget::showEvent(ereignis);
}

void TForm19::changeEvent(QEvent *ereignis)
{
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow())
        hupe_hinweis_zeigen();
    QWidget::changeEvent(ereignis);
}

void TForm19::platzieren()
{
    mittig_platzieren(*this, m_plattform.bildschirm());
}

void TForm19::zeigen()
{
    show();
    raise();
    activateWindow();
}

void TForm19::aus_plan_oeffnen(Planfenster fenster)
{
    m_uhr.aus_plan_oeffnen(fenster);
    zeigen();
}
