#include "lineup/auslosungs_fenster.h"

#include "shell/hilfe_taste_fenster.h"
#include "shell/plattform.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int namensfeld_breite = 180;

} // namespace

AuslosungsFenster::AuslosungsFenster(Zustand &zustand, Plattform &plattform, const Profil &profil,
                                     QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_versatz(profil.versatz_unter_mitte)
{
    setObjectName(profil.objekt_name);
    setWindowTitle(profil.titel);
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    connect(&m_felder, &Namensfelder::geaendert, this, [this](int nr, const QString &text) {
        if (QLineEdit *feld = namensfeld(nr))
            feld->setText(text);
    });
}

QLineEdit *AuslosungsFenster::namensfeld_anlegen(int nr, const QString &zugaenglicher_name)
{
    auto *feld = new QLineEdit(m_felder.text(nr), this);
    feld->setObjectName(u"Edit%1"_s.arg(nr));
    feld->setReadOnly(true);
    feld->setAccessibleName(zugaenglicher_name);
    feld->setMinimumWidth(namensfeld_breite);
    m_edits.at(nr - 1) = feld;
    return feld;
}

QPushButton *AuslosungsFenster::knopf_anlegen(const char *objekt_name, const QString &text)
{
    auto *knopf = new QPushButton(text, this);
    knopf->setObjectName(objekt_name);
    knopf->setAccessibleName(text);
    knopf->setAutoDefault(false);
    return knopf;
}

void AuslosungsFenster::platzieren()
{
    adjustSize();
    const QRect schirm = m_plattform.bildschirm();
    move(schirm.x() + (schirm.width() - width()) / 2,
         schirm.y() + (schirm.height() - height()) / 2 + m_versatz);
}

void AuslosungsFenster::zeigen()
{
    show();
    raise();
    activateWindow();
}

void AuslosungsFenster::closeEvent(QCloseEvent *ereignis)
{
    // Also for the close box: the main window must not stay without its start page.
    emit startseite_zeigen();
    QWidget::closeEvent(ereignis);
}
