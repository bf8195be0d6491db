#pragma once

#include <QByteArray>

// The reversible scrambling with which passwords and connection data are kept in cfg.ini. Works
// on bytes of the 8-bit code page; applying it twice gives back the input.
QByteArray ScrambleText(const QByteArray& text);
