#pragma once

#include "shell/Gamewindowbase.h"
#include "world/Automapcanvas.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <string>
#include <vector>

class TDungOperator;
class TFormDung;
class TPX_FormMDI;

// The game window's proxy on Qt: the rest of the game reaches the window only
// through it. It creates the window when a scene is attached and forgets it
// when it closes; the window's inputs come back through its commands.
class TPX_FormGame final : public TGameWindowBase {
public:
    TPX_FormGame(TDungOperator& owner, TPX_FormMDI& mainWindowProxy);
    ~TPX_FormGame() override;
    TPX_FormGame(const TPX_FormGame&) = delete;
    TPX_FormGame& operator=(const TPX_FormGame&) = delete;

    void SetCaption(const std::string& sjisText) override;
    bool CloseWindow() override;
    bool HasWindow() const override { return !window.isNull(); }
    TViewParams ViewParams() const override;
    void ArrangeLayout(bool withAutomap) override;
    IAutomapCanvas& AutomapTarget() override { return automapTarget; }
    void ShowTalk(const std::string& sjisText, bool isLast) override;
    void ShowChoices(const std::vector<std::string>& sjisTexts) override;
    void SetStatusText(TStatusLabel label, const std::string& sjisText) override;
    void ShowComparison(const std::optional<TComparisonPicture>& picture) override;
    std::optional<TViewSize> ViewSize() const override;
    TWindowPoint PointerInView() const override;
    TWindowPoint ClientToScreen(TWindowPoint point) const override;

    QMdiSubWindow* Window() const { return window; }
    TFormDung* Form() const { return window ? form : nullptr; }

protected:
    void OpenWindow() override;
    bool TalkShown() const override;
    void HideTalk() override;
    bool ChoicesShown() const override;
    void HideChoices() override;
    void ShowFastMode(bool on) override;
    void ShowViewCursor(int index) override;
    void ShowNoticePanel(const TNoticeLine* line) override;
    void ShowLevelPanel(const TNoticeLine* line) override;

private:
    // The automap picture of the window while there is one.
    class TAutomapTarget final : public IAutomapCanvas {
    public:
        explicit TAutomapTarget(const TPX_FormGame& owner) : proxy(owner) {}
        int PictureWidth() const override;
        int PictureHeight() const override;
        void FillRect(int left, int top, int right, int bottom, std::uint32_t rgb) override;
        void DrawTile(int index, int left, int top) override;

    private:
        const TPX_FormGame& proxy;
    };

    TPX_FormMDI& mainProxy;
    QPointer<QMdiSubWindow> window;
    TFormDung* form = nullptr;
    TAutomapTarget automapTarget{*this};
};
