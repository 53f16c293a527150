#pragma once

#include <string>

#include "listfiles.h"

class MainWindow;

// The lines last read back from a featured and a common list file. Empty at program entry; after
// start-up they hold the boys' lists until the program ends.
extern namer::LineSequence featuredLines;
extern namer::LineSequence commonLines;

// The exit clean-up: gives back both sequences.
void releaseListLines();

// Runs once the window exists and before it is shown: seeds the random generator from the
// uptime, attaches the close and start buttons' tooltips, then writes each list into
// listFolder, reads it back and fills its store, the girls' pair before the boys'.
void onMainWindowCreated(MainWindow &window, const std::string &listFolder);
