#pragma once

#include <QFont>

// The font of every form: SimSun where it is installed, else a Chinese font that Debian ships,
// 12 pixels high.
QFont FormFont();
