#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// A read-only folder, with every folder below it, for this thread while it lives. Root writes
// anywhere, so the thread also lays down its right to pass over file permissions (capabilities
// belong to a thread on Linux) and takes it up again at the end.
class Schreibschutz
{
public:
    explicit Schreibschutz(const QString &ordner)
    {
        using namespace Qt::StringLiterals;
        QStringList ordner_liste{ordner};
        QDirIterator lauf(ordner, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                          QDirIterator::Subdirectories);
        while (lauf.hasNext())
            ordner_liste << lauf.next();
        for (const QString &pfad : ordner_liste) {
            const QByteArray name = QFile::encodeName(pfad);
            struct stat vorher
            {
            };
            if (stat(name.constData(), &vorher) == 0 && chmod(name.constData(), 0555) == 0)
                m_vorher.append({name, vorher.st_mode & 07777});
        }
        if (syscall(SYS_capget, &m_kopf, m_rechte) == 0) {
            __user_cap_data_struct ohne[2] = {m_rechte[0], m_rechte[1]};
            ohne[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
            m_rechte_geaendert = syscall(SYS_capset, &m_kopf, ohne) == 0;
        }
        QFile probe(QDir(ordner).filePath(u".probe"_s));
        m_wirksam = !probe.open(QIODevice::WriteOnly);
        if (!m_wirksam)
            probe.remove();
    }
    ~Schreibschutz()
    {
        if (m_rechte_geaendert)
            syscall(SYS_capset, &m_kopf, m_rechte);
        for (const auto &[name, modus] : m_vorher)
            chmod(name.constData(), modus);
    }
    Schreibschutz(const Schreibschutz &) = delete;
    Schreibschutz &operator=(const Schreibschutz &) = delete;

    // False where the system still lets this thread write into the folder.
    bool wirksam() const { return m_wirksam; }

private:
    QList<QPair<QByteArray, mode_t>> m_vorher;
    __user_cap_header_struct m_kopf{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_rechte[2]{};
    bool m_rechte_geaendert = false;
    bool m_wirksam = false;
};
