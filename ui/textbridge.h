#pragma once

#include <QString>

#include "gbktext.h"

// The one crossing between control text and GbkText. GbkText is GB18030 underneath, so a
// character that GBK lacks survives the round trip instead of turning into "?".
QString toQString(const namer::GbkText &text);
namer::GbkText toGbkText(const QString &text);
