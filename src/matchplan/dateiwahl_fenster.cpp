#include "matchplan/dateiwahl_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "matchplan/dateiwahl.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"
#include "shell/zustand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int knopf_breite = 75;
constexpr int knopf_hoehe = 25;
constexpr int knopf_abstand_unten = 12;

} // namespace

TForm12::TForm12(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QDialog(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
{
    setObjectName("Form12");
    setWindowTitle(u"Datei wählen"_s);
    oberflaeche_aufbauen();
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    resize(420, 300);
}

void TForm12::oberflaeche_aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    auto *oben = new QHBoxLayout;
    auto *worte = new QVBoxLayout;
    const QString texte[] = {u"Bitte"_s, u"wählen Sie"_s, u"eine Datei "_s, u"aus."_s};
    QLabel **labels[] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = new QLabel(texte[i], this);
        (*labels[i])->setObjectName(u"Label%1"_s.arg(i + 1));
        QFont schrift = (*labels[i])->font();
        schrift.setPointSize(12);
        schrift.setBold(true);
        (*labels[i])->setFont(schrift);
        worte->addWidget(*labels[i]);
    }
    worte->addStretch();
    oben->addLayout(worte);

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setAccessibleName(u"Bitte wählen Sie eine Datei aus."_s);
    Label4->setBuddy(FileListBox1);
    oben->addWidget(FileListBox1, 1);
    spalte->addLayout(oben, 1);
    // Room for the buttons, which stand where the formula puts them.
    spalte->addSpacing(knopf_hoehe + knopf_abstand_unten);

    const auto knopf = [this](const char *name, const QString &text) {
        auto *k = knopf_anlegen(this, name, text);
        feste_knopfgroesse(k, knopf_breite, knopf_hoehe);
        return k;
    };
    Button1 = knopf("Button1", u"&Auswahl"_s);
    Button2 = knopf("Button2", u"&Beenden"_s);
    Button3 = knopf("Button3", u"&Löschen"_s);

    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TForm12::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm12::reject);
    connect(Button3, &QPushButton::clicked, this, &TForm12::Button3Click);
    // "Beenden" and the close box: a plan window hidden for loading comes back as it was.
    connect(this, &QDialog::rejected, this, &TForm12::abgebrochen);
}

void TForm12::resizeEvent(QResizeEvent *ereignis)
{
    QDialog::resizeEvent(ereignis);
    const std::array<int, 3> links = dreier_knopfreihe(width(), knopf_breite);
    const int oben = height() - knopf_hoehe - knopf_abstand_unten;
    Button1->move(links[0], oben);
    Button2->move(links[1], oben);
    Button3->move(links[2], oben);
}

void TForm12::liste_fuellen()
{
    FileListBox1->clear();
    FileListBox1->addItems(dateiwahl_dateien(m_zustand, m_muster));
}

QString TForm12::gewaehlt() const
{
    const QListWidgetItem *eintrag = FileListBox1->currentItem();
    return eintrag && eintrag->isSelected() ? eintrag->text() : QString();
}

void TForm12::ergebnisse_zeigen(const QString &muster)
{
    m_muster = muster;
    m_laden = nullptr;
    m_abbrechen = nullptr;
    liste_fuellen();
    setModal(false);
    show();
    raise();
    activateWindow();
}

void TForm12::zum_laden_oeffnen(const QString &muster, std::function<void(const QString &)> laden,
                                std::function<void()> abbrechen)
{
    m_muster = muster;
    m_laden = std::move(laden);
    m_abbrechen = std::move(abbrechen);
    liste_fuellen();
    open();
}

void TForm12::abgebrochen()
{
    if (m_abbrechen)
        m_abbrechen();
    else
        emit startseite_zeigen();
}

void TForm12::Button1Click()
{
    const QString name = gewaehlt();
    const auto laden = m_laden;
    const auto abbrechen = m_abbrechen;
    accept();
    if (!auswahl_auswerten(m_zustand, m_plattform, name)) {
        if (abbrechen)
            abbrechen();
        return;
    }
    if (m_zustand.dateiwahl_zweck == zweck_ergebnisliste) {
        if (ergebnisliste_vorbereiten(m_zustand, m_plattform, name) && ergebnisliste_zeigen)
            ergebnisliste_zeigen(name);
    } else if (m_zustand.dateiwahl_zweck == zweck_laden && laden) {
        laden(name);
    }
}

void TForm12::Button3Click()
{
    const QString name = gewaehlt();
    if (name.isEmpty() || !m_plattform.warnung_ja_nein(loeschen_frage(name)))
        return;
    dateiwahl_loeschen(m_zustand, name);
    liste_fuellen();
}
