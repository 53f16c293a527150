#pragma once

// Makes fatalError show its box (title "错误", stop icon, OK) and then end the process with
// status -1 without the exit clean-up. Needs the application object; without one, the report
// goes to the handler that was installed before.
void installFatalErrorBox();
