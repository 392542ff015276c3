#pragma once

#include <QString>

// A caption with its Alt mnemonic ("&Beenden") as a screen reader and a person read it
// ("Beenden"): a single '&' marks the next letter, "&&" stands for '&' itself.
inline QString ohne_kuerzel(const QString &beschriftung)
{
    QString text;
    text.reserve(beschriftung.size());
    for (qsizetype i = 0; i < beschriftung.size(); ++i) {
        if (beschriftung.at(i) == u'&' && i + 1 < beschriftung.size())
            ++i;
        text.append(beschriftung.at(i));
    }
    return text;
}
