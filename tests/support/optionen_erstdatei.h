#pragma once

#include <QByteArray>

// "Vorlixn.opt" as the first start writes it: the reset values over a record of zeros.
inline QByteArray optionen_erstdatei()
{
    QByteArray b(1224, '\0');
    b[0] = 1;    // mannschaft_nr
    b[212] = 18; // zeilenhoehe_d
    b[1042] = 1; // String[5] holding the euro sign
    b[1043] = char(0x80);
    b[1100] = 5;
    for (int offset : {1128, 1132}) {
        b[offset] = char(0xFF);
        b[offset + 1] = char(0xB3);
        b[offset + 2] = char(0xB3);
    }
    return b;
}
