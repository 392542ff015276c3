// A class that needs moc, built alone by the default-generator check.
#include <QObject>

class Mocprobe : public QObject
{
    Q_OBJECT

signals:
    void gemeldet();
};

void mocprobe_melden()
{
    Mocprobe probe;
    emit probe.gemeldet();
}

#include "mocprobe.moc"
