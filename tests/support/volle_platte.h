#pragma once

#include <QtGlobal>
#include <csignal>
#include <sys/resource.h>

// A full disk for this process while it lives: no file can grow beyond the given size. A write
// past it fails as on a full disk instead of ending the process.
class VollePlatte
{
public:
    explicit VollePlatte(qint64 groesste_datei)
        : m_signal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        rlimit eng = m_vorher;
        eng.rlim_cur = rlim_t(groesste_datei);
        m_gesetzt = setrlimit(RLIMIT_FSIZE, &eng) == 0;
    }
    ~VollePlatte()
    {
        setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }
    VollePlatte(const VollePlatte &) = delete;
    VollePlatte &operator=(const VollePlatte &) = delete;

    bool gesetzt() const { return m_gesetzt; }

private:
    void (*m_signal)(int);
    rlimit m_vorher{};
    bool m_gesetzt = false;
};
