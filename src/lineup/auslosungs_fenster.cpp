#include "lineup/auslosungs_fenster.h"

#include "shell/hilfe_taste_fenster.h"
#include "shell/kuerzel.h"
#include "shell/plattform.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int namensfeld_breite = 180;

} // namespace

AuslosungsFenster::AuslosungsFenster(Zustand &zustand, Plattform &plattform, const Profil &profil,
                                     QWidget *parent)
    : QDialog(parent)
    , m_zustand(zustand)
    , m_plattform(plattform)
    , m_versatz(profil.versatz_unter_mitte)
{
    setObjectName(profil.objekt_name);
    setWindowTitle(profil.titel);
    hilfe_taste_einrichten(this, m_zustand, m_plattform);
    // Every way of closing ends here: "Beenden", "Speichern", Esc and the close box.
    connect(this, &QDialog::finished, this, &AuslosungsFenster::startseite_zeigen);
    connect(&m_felder, &Namensfelder::geaendert, this, [this](int nr, const QString &text) {
        if (QLineEdit *feld = namensfeld(nr)) {
            feld->setText(text);
            // A name longer than the field shows its beginning, not its end.
            feld->setCursorPosition(0);
        }
    });
}

QLineEdit *AuslosungsFenster::namensfeld_anlegen(int nr, const QString &zugaenglicher_name)
{
    auto *feld = new QLineEdit(m_felder.text(nr), this);
    feld->setObjectName(u"Edit%1"_s.arg(nr));
    feld->setReadOnly(true);
    feld->setAccessibleName(zugaenglicher_name);
    feld->setMinimumWidth(namensfeld_breite);
    feld->setCursorPosition(0);
    m_edits.at(nr - 1) = feld;
    return feld;
}

QPushButton *AuslosungsFenster::knopf_anlegen(const char *objekt_name, const QString &beschriftung)
{
    auto *knopf = new QPushButton(beschriftung, this);
    knopf->setObjectName(objekt_name);
    knopf->setAccessibleName(ohne_kuerzel(beschriftung));
    knopf->setAutoDefault(false);
    return knopf;
}

void AuslosungsFenster::platzieren()
{
    // More room would only add empty space between the fields.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
