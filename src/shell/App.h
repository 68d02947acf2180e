#pragma once

#include "shell/PlatformBundle.h"

#include <memory>
#include <string>

class IMainWindow;
class TDungOperator;

// The root of the game's own objects: it creates the long-lived factories
// and the dungeon operator, keeps the settings and runs the top-level
// commands. The program's phase (title, prologue, game, ending) follows from
// which windows exist. It is assembled from the platform's bundle and makes
// every program-wide object of the game, releasing them in reverse order.
class TApp {
public:
    // Reads the settings file at `settingsFile` (missing entries give the
    // defaults); the file is written back at destruction. The game names
    // SettingsPath(); every other user names a file of its own folder, so
    // that programs run side by side never share one.
    TApp(IMainWindow& mainWindowProxy, TPlatformBundle platform, std::string settingsFile);
    ~TApp();
    TApp(const TApp&) = delete;
    TApp& operator=(const TApp&) = delete;

    // "Tessarine.ini" beside the executable.
    static std::string SettingsPath();

    void ShowTitle();
    void StartCommand();
    void SaveCommand();
    void LoadCommand();
    void NewGame();
    void ShowEnding();
    void EndingClosed();
    // In a dungeon, when saving would be allowed: asks, and on yes she escapes.
    void RetryCommand();
    // 0: the escape question of the retry command; 1: the help file.
    void Help(int kind);
    void SetThreadLevel(int level);
    void EnableRetry(bool flag);
    void ShowAbout();
    int ThreadLevel() const { return threadLevel; }

    TDungOperator& DungOperator() { return *dungOperator; }
    IMainWindow& MainProxy() { return mainProxy; }
    // The save dialog's page and entry to come back to.
    int SavePage() const;
    int SaveEntry() const;

private:
    // Makes the program-wide objects in their order of use.
    void CreateProgramObjects();
    // Releases them in the reverse order.
    void ReleaseProgramObjects();
    void ReadSettings();
    void WriteSettings() const;
    // No command runs while a story screen is playing.
    bool StoryPlaying() const;

    IMainWindow& mainProxy;
    TPlatformBundle platform;
    std::string settingsPath;
    int threadLevel = 1;
    // The save dialog's page and entry, held here while there is no save
    // manager to keep them.
    int savePage = 1;
    int saveEntry = -1;
    std::unique_ptr<TDungOperator> dungOperator;
};
