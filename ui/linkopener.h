#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// Opens url with the desktop's handler for web addresses, or where that fails with the program
// registered for HTML files, started directly with url as an argument. True when a program was
// started; failures are not reported.
bool openLink(const QUrl &url);

// The program and arguments that a desktop entry's Exec value (as written in the file, escapes
// included) runs for url: %u %U %f %F become url, %% a percent sign, other field codes vanish,
// and url is appended when no field code asks for it. Empty for an unterminated quote or an
// empty command.
QStringList desktopExecCommand(const QString &exec, const QString &url);
