#pragma once

// Starts the Qt application and the main window; returns the exit code.
int RunGame(int argc, char** argv);
