#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

struct chmFile;

// A compiled help file opened with the help library, read-only. Opening checks the file's
// directory first, so a damaged file is refused instead of handed to the library.
class ChmDatei
{
public:
    ~ChmDatei();
    ChmDatei(const ChmDatei &) = delete;
    ChmDatei &operator=(const ChmDatei &) = delete;

    // Null when the file is missing, damaged or no compiled help file.
    static std::unique_ptr<ChmDatei> oeffnen(const QString &pfad);

    // Objects are named by their path inside the file, e.g. "/start.html".
    bool enthaelt(const QString &pfad) const;
    // The whole object; nothing when it is missing, unreadable or implausibly large.
    std::optional<QByteArray> lesen(const QString &pfad) const;

private:
    explicit ChmDatei(chmFile *datei);
    chmFile *m_datei;
};
