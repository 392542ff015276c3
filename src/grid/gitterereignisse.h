#pragma once

#include <QString>
#include <functional>

class GitterModell;
class QPainter;
class QRect;

using TOnSort = std::function<void(GitterModell &, QString &spalten)>;
using TNotifyEvent = std::function<void(GitterModell &)>;
using TRowColorProc =
    std::function<void(GitterModell &, qint32 &ausr, QPainter &, int aCol, int aRow, int state)>;
using TTypObjectProc = std::function<void(GitterModell &, qint32 &ausr, QPainter &, int aCol,
                                          int aRow, QRect &rect, const QString &s, int state)>;
using TSelectCellEvent = std::function<void(GitterModell &, int aCol, int aRow, bool &CanSelect)>;
// The tooltip of a cell; empty for none.
using TZellHinweis = std::function<QString(const GitterModell &, int aCol, int aRow)>;
// Progress of long operations: phase 0 start (value = rows), 1 row, 2 end.
using TWaitEvent = std::function<void(int message, int phase, int wert)>;

// Everything the grid's owner hears of it, handed to the grid as one piece; a hook left
// empty is not called.
struct GitterEreignisse
{
    TOnSort OnSort; // before a sort, may change the sort columns
    TOnSort OnSortEnd;
    TRowColorProc RowColorProc;   // before a cell is drawn
    TTypObjectProc TypObjectProc; // draws cells of columns of type 'O'
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnRowAddAuto;
    TNotifyEvent OnChange;
    // Editing a cell: before its editor opens, and after it has closed.
    TNotifyEvent OnEditBegin;
    TNotifyEvent OnEditEnd;
    TZellHinweis OnHinweis;
    TWaitEvent OnWait;
};
