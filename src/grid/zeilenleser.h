#pragma once

#include <QString>

// Hands out the lines of a text read whole; LF and CR LF both end a line.
class ZeilenLeser
{
public:
    explicit ZeilenLeser(QString text)
        : m_text(std::move(text))
    {
    }

    bool ende() const { return m_pos >= m_text.size(); }
    // Past the end every line is empty.
    QString zeile()
    {
        if (ende())
            return {};
        qsizetype bis = m_text.indexOf(u'\n', m_pos);
        if (bis < 0)
            bis = m_text.size();
        qsizetype laenge = bis - m_pos;
        if (laenge > 0 && m_text.at(bis - 1) == u'\r')
            --laenge;
        QString ergebnis = m_text.mid(m_pos, laenge);
        m_pos = bis + 1;
        return ergebnis;
    }
    // Lines still to come.
    qint64 restzeilen() const
    {
        if (ende())
            return 0;
        const qint64 umbrueche = QStringView(m_text).mid(m_pos).count(u'\n');
        return umbrueche + (m_text.endsWith(u'\n') ? 0 : 1);
    }

private:
    QString m_text;
    qsizetype m_pos = 0;
};
