#pragma once

class TFormMDIMain;

// Starts the Qt application and the main window; returns the exit code.
int RunGame(int argc, char** argv);

// The application's name, icon and font, once the application object exists.
void PrepareApplication();
// Shows the main window filling the screen.
void ShowMainWindow(TFormMDIMain& window);
