#include "app/qt_plattform.h"

#include "app/meldungsfenster_fenster.h"
#include "shell/druck_modul.h"
#include "shell/module.h"
#include "shell/ton_modul.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

QWidget *aktives_fenster()
{
    return QApplication::activeWindow();
}

} // namespace

void QtPlattform::information(const QString &text)
{
    const auto box = meldungsfenster(QMessageBox::Information, text, aktives_fenster());
    box->setStandardButtons(QMessageBox::Ok);
    box->exec();
}

bool QtPlattform::warnung_ja_nein(const QString &text)
{
    const auto box = meldungsfenster(QMessageBox::Warning, text, aktives_fenster());
    QPushButton *ja = box->addButton(u"Ja"_s, QMessageBox::YesRole);
    box->addButton(u"Nein"_s, QMessageBox::NoRole);
    box->exec();
    return box->clickedButton() == ja;
}

void QtPlattform::fehler(const QString &text)
{
    const auto box = meldungsfenster(QMessageBox::Critical, text, aktives_fenster());
    box->setStandardButtons(QMessageBox::Ok);
    box->exec();
}

void QtPlattform::umwandlungsfehler(const QString &text)
{
    const auto box = meldungsfenster(QMessageBox::Critical, text, aktives_fenster());
    box->addButton(u"Abbrechen"_s, QMessageBox::RejectRole);
    box->exec();
}

void QtPlattform::schreibfehler(const QString &text)
{
    const auto box = meldungsfenster(QMessageBox::Critical, text, aktives_fenster());
    box->setStandardButtons(QMessageBox::Ok);
    box->exec();
}

QString QtPlattform::datei_speichern_dialog(const QString &titel, const QString &vorschlag,
                                            const QString &filter)
{
    return QFileDialog::getSaveFileName(aktives_fenster(), titel, vorschlag, filter);
}

QString QtPlattform::datei_speichern_dialog_mit_art(const QString &titel, const QString &vorschlag,
                                                    const QString &filter, QString &dateiart)
{
    return QFileDialog::getSaveFileName(aktives_fenster(), titel, vorschlag, filter, &dateiart);
}

QString QtPlattform::datei_oeffnen_dialog(const QString &titel, const QString &ordner,
                                          const QString &filter)
{
    return QFileDialog::getOpenFileName(aktives_fenster(), titel, ordner, filter);
}

QString QtPlattform::ordner_dialog(const QString &titel, const QString &ordner)
{
    return QFileDialog::getExistingDirectory(aktives_fenster(), titel, ordner);
}

std::optional<QColor> QtPlattform::farbe_waehlen(const QColor &start, QList<QColor> &eigene_farben)
{
    for (int i = 0; i < QColorDialog::customCount() && i < eigene_farben.size(); ++i)
        QColorDialog::setCustomColor(i, eigene_farben[i]);
    const QColor farbe = QColorDialog::getColor(start, aktives_fenster());
    eigene_farben.clear();
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        eigene_farben.append(QColorDialog::customColor(i));
    if (!farbe.isValid())
        return std::nullopt;
    return farbe;
}

std::optional<QString> QtPlattform::drucker_waehlen()
{
    if (auto *druck = modul<DruckModul>(QString::fromLatin1(druck_modul_name)))
        return druck->drucker_waehlen(aktives_fenster());
    return std::nullopt;
}

void QtPlattform::ton_abspielen(const QString &wav_datei)
{
    ton_ueber_modul(QString::fromLatin1(ton_modul_name), wav_datei, *this, m_ton_gemeldet);
}

void QtPlattform::signalton()
{
    QApplication::beep();
}

bool QtPlattform::hilfe_oeffnen(const QString &hilfe_datei, int thema)
{
    return m_hilfe.oeffnen(hilfe_datei, thema);
}

void QtPlattform::hilfe_schliessen()
{
    m_hilfe.schliessen();
}

void QtPlattform::ordner_zeigen(const QString &ordner)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ordner));
}

QImage QtPlattform::bildschirm_aufnehmen(const QRect &bereich)
{
    QScreen *schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return {};
    return schirm->grabWindow(0, bereich.x(), bereich.y(), bereich.width(), bereich.height())
        .toImage();
}

QRect QtPlattform::arbeitsbereich()
{
    QScreen *schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect QtPlattform::bildschirm()
{
    QScreen *schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->geometry() : QRect(0, 0, 1024, 768);
}

std::optional<Taskleiste> QtPlattform::taskleiste()
{
    // Qt tells no taskbar directly; the part of the screen outside the work area is taken as
    // one. Without such a part the taskbar hides itself (or there is none) and stands at the
    // bottom edge.
    const QRect schirm = bildschirm();
    const QRect frei = arbeitsbereich();
    Taskleiste leiste;
    if (frei.bottom() < schirm.bottom()) {
        leiste.oberkante = frei.bottom() + 1;
    } else {
        leiste.oberkante = schirm.bottom() + 1;
        leiste.blendet_sich_aus = frei == schirm;
    }
    return leiste;
}

QDateTime QtPlattform::jetzt()
{
    return QDateTime::currentDateTime();
}

quint32 QtPlattform::zufallssaat()
{
    // From the system's entropy: two draws in the same millisecond must not share a seed.
    return QRandomGenerator::system()->generate();
}
