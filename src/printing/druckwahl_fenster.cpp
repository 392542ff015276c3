#include "printing/druckwahl_fenster.h"

#include "shell/hilfe_taste_fenster.h"
#include "shell/plattform.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Wide enough for the caption in the title bar.
constexpr int mindestbreite = 280;

} // namespace

TForm15::TForm15(Zustand &zustand, Plattform &plattform, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_plattform(plattform)
{
    setObjectName("Form15");
    setWindowTitle(u"Teilnehmer drucken"_s);
    setMinimumWidth(mindestbreite);
    auto *spalte = new QVBoxLayout(this);
    const auto knopf = [this, spalte](const char *objekt_name, const QString &text) {
        auto *k = new QPushButton(text, this);
        k->setObjectName(objekt_name);
        k->setAccessibleName(QString(text).remove(u'&'));
        k->setAutoDefault(false);
        spalte->addWidget(k);
        return k;
    };
    Button1 = knopf("Button1", u"Teilnehmer Mannschaft &1 drucken"_s);
    Button2 = knopf("Button2", u"Teilnehmer Mannschaft &2 drucken"_s);
    Button3 = knopf("Button3", u"&Beenden"_s);
    hilfe_taste_einrichten(this, zustand, plattform);

    const auto waehlen = [this](Mannschaft mannschaft) {
        emit drucken(mannschaft);
        close();
    };
    connect(Button1, &QPushButton::clicked, this, [waehlen] { waehlen(Mannschaft::eins); });
    connect(Button2, &QPushButton::clicked, this, [waehlen] { waehlen(Mannschaft::zwei); });
    connect(Button3, &QPushButton::clicked, this, [this] {
        emit startseite_zeigen();
        close();
    });
}

void TForm15::zeigen()
{
    adjustSize();
    const QRect schirm = m_plattform.bildschirm();
    move(schirm.x() + (schirm.width() - width()) / 2,
         schirm.y() + (schirm.height() - height()) / 2);
    show();
    raise();
    activateWindow();
}

void TForm15::closeEvent(QCloseEvent *ereignis)
{
    emit geschlossen();
    QWidget::closeEvent(ereignis);
}
