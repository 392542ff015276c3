#include "rosters/mannschaftswahl_fenster.h"

#include "help/hilfe_taste_fenster.h"
#include "shell/arbeitsbereich_fenster.h"
#include "shell/knopf_fenster.h"
#include "shell/plattform.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Wide enough for either caption in the title bar.
constexpr int mindestbreite = 280;

} // namespace

Mannschaftswahl::Mannschaftswahl(const WahlProfil &profil, Zustand &zustand, Plattform &plattform,
                                 QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_plattform(plattform)
{
    setWindowTitle(profil.titel);
    setMinimumWidth(mindestbreite);
    auto *spalte = new QVBoxLayout(this);
    const auto knopf = [this, spalte](const char *objekt_name, const QString &text) {
        auto *k = knopf_anlegen(this, objekt_name, text);
        spalte->addWidget(k);
        return k;
    };
    Button1 = knopf("Button1", profil.knopf1);
    Button2 = knopf("Button2", profil.knopf2);
    Button3 = knopf("Button3", u"&Beenden"_s);
    hilfe_taste_einrichten(this, zustand, plattform);

    const auto waehlen = [this](Mannschaft mannschaft) {
        emit gewaehlt(mannschaft);
        close();
    };
    connect(Button1, &QPushButton::clicked, this, [waehlen] { waehlen(Mannschaft::eins); });
    connect(Button2, &QPushButton::clicked, this, [waehlen] { waehlen(Mannschaft::zwei); });
    connect(Button3, &QPushButton::clicked, this, &Mannschaftswahl::Button3Click);
}

void Mannschaftswahl::zeigen()
{
    mittig_platzieren(*this, m_plattform.bildschirm());
    show();
    raise();
    activateWindow();
}

void Mannschaftswahl::Button3Click()
{
    emit startseite_zeigen();
    close();
}

void Mannschaftswahl::closeEvent(QCloseEvent *ereignis)
{
    emit geschlossen();
    QWidget::closeEvent(ereignis);
}

// The meta-object here rather than in the library's collected moc file, so that the print module,
// which links this chooser, takes in none of the other windows.
#include "moc_mannschaftswahl_fenster.cpp"
