#include "printing/adressdruck_fenster.h"
#include "printing/seitenvorschau_fenster.h"
#include "shell/druck_modul.h"
#include "shell/plattform.h"

#include <QObject>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

// Qt Print Support and the printing windows, loaded only when something is printed.
class QtDruckModul : public QObject, public DruckModul
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DruckModul_iid)
    Q_INTERFACES(DruckModul)

public:
    std::optional<QString> drucker_waehlen(QWidget *eltern) override
    {
        QPrinter drucker;
        QPrintDialog dialog(&drucker, eltern);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return drucker.printerName();
    }

    void adressen_drucken(Zustand &zustand, Plattform &plattform, QWidget *hauptfenster,
                          const std::function<void()> &startseite_zeigen) override
    {
        auto *druck = hauptfenster->findChild<Adressdruck *>(QString(), Qt::FindDirectChildrenOnly);
        if (!druck) {
            druck = new Adressdruck(zustand, plattform, hauptfenster);
            connect(druck, &Adressdruck::startseite_zeigen, hauptfenster, startseite_zeigen);
        }
        druck->adressen_drucken();
    }

    QWidget *seiten_vorschau(const Seitenvorschau &vorschau, Plattform &plattform,
                             QWidget *eltern) override
    {
        auto *fenster = new SeitenvorschauFenster(vorschau, plattform, eltern);
        // Over the work area also where no window manager maximises it.
        fenster->setGeometry(plattform.arbeitsbereich());
        fenster->showMaximized();
        return fenster;
    }
};

#include "qt_plattform_druck.moc"
