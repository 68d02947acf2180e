#pragma once

#include <QWidget>
#include <filesystem>

class QPushButton;
class QTextBrowser;

// The how-to-play window: the game's HTML help with its pictures, its links
// followed inside the window, and the buttons of a help viewer. It stays
// open beside the game, so the player can read while playing.
class TFormHelp final : public QWidget {
    Q_OBJECT
public:
    explicit TFormHelp(QWidget* owner = nullptr);

    // Shows the help file from its contents page, the top of the page, with
    // a fresh history.
    void ShowContents(const std::filesystem::path& helpFile);

    QTextBrowser* Browser() const { return browser; }
    QPushButton* ContentsButton() const { return contents; }
    QPushButton* BackButton() const { return back; }
    QPushButton* ForwardButton() const { return forward; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser;
    QPushButton* contents;
    QPushButton* back;
    QPushButton* forward;
    bool placed = false;
};
