#include "shell/druck_modul.h"

#include <QObject>
#include <QPrintDialog>
#include <QPrinter>

// Qt Print Support, loaded only when something is printed.
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
};

#include "qt_plattform_druck.moc"
