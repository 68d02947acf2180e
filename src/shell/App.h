#pragma once

#include <memory>
#include <string>

class TDungOperator;
class TPX_FormMDI;

// The root of the game's own objects: it creates the long-lived factories
// and the dungeon operator, keeps the settings and runs the top-level
// commands. The program's phase (title, prologue, game, ending) follows from
// which windows exist.
class TApp {
public:
    // Reads the settings file at `settingsFile` (missing entries give the
    // defaults); the file is written back at destruction.
    TApp(TPX_FormMDI& mainWindowProxy, std::string settingsFile = SettingsPath());
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
    void RetryCommand();
    // 0: the escape question of the retry command; 1: the help file.
    void Help(int kind);
    void SetThreadLevel(int level);
    void EnableRetry(bool flag);
    void ShowAbout();
    int ThreadLevel() const { return threadLevel; }

    TDungOperator& DungOperator() { return *dungOperator; }
    TPX_FormMDI& MainProxy() { return mainProxy; }
    // The save dialog's page and entry to come back to.
    int SavePage() const { return savePage; }
    int SaveEntry() const { return saveEntry; }

private:
    // Releases the factory singletons made at construction.
    static void ReleaseFactories();
    void ReadSettings();
    void WriteSettings() const;
    // No command runs while a story screen is playing.
    bool StoryPlaying() const;

    TPX_FormMDI& mainProxy;
    std::string settingsPath;
    int threadLevel = 1;
    // Held here until the save manager exists to keep them.
    int savePage = 1;
    int saveEntry = -1;
    std::unique_ptr<TDungOperator> dungOperator;
};
