#pragma once

#include <functional>

#include <QString>

// How the window shows a message: showMessage in the program, a recorder in tests.
using MessageFunction = std::function<void(const QString &text, const QString &title)>;

// A box without owner that blocks every window of the program until the user closes it: the
// text, the title, an OK button and no icon. Timers go on ticking meanwhile.
void showMessage(const QString &text, const QString &title);
