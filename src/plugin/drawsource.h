#pragma once
// The plug-in's conversion of a draw source into the hand-over file. A source is text in the
// import format: one draw per line, the period and then the numbers as decimal integers separated
// by blanks or tabs. The plug-in does not know the game, so every integer after the period is a
// number of the draw.

#include <QByteArray>
#include <QString>

namespace prjdll {

struct HandOver {
    QByteArray bytes;  // the content of "dttmp.dtp"; empty on error
    QString error;     // empty when `bytes` holds at least one draw; a message for the dialog otherwise
    int draws = 0;
    bool ok() const { return error.isEmpty(); }
};

// Reads `source` (ASCII, an optional UTF-8 byte-order mark, CR LF or LF lines) whole or not at all:
// blank lines are skipped, a period of 0 ends the draws, and a line that is not 1..50 numbers after
// a period (each a decimal integer of at most nine digits) makes the result an error naming the
// line. The draws are put in ascending period order (a repeated period keeps its first line) and
// those before `lowerBound` are left out (-1 keeps all). Each draw becomes three CR LF lines: the
// period, the numbers separated by one blank, and an empty line.
HandOver makeHandOver(const QByteArray& source, int lowerBound);

}  // namespace prjdll
