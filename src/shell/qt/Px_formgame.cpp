#include "shell/qt/Px_formgame.h"

#include "platform/qt/QtText.h"
#include "shell/Dungoperator.h"
#include "shell/qt/Automappicture.h"
#include "shell/qt/Cursortable.h"
#include "shell/qt/Fm_dungeon.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/Gamecontrols.h"
#include "shell/qt/Memoex.h"
#include "shell/qt/Px_formmdi.h"

#include <QCursor>
#include <QGroupBox>
#include <QListWidget>

namespace {

constexpr int ChoiceHeight = 18;

void ShowLine(TPanel& panel, const TNoticeLine* line) {
    if (line) {
        panel.setText(ToQt(line->sjisText));
        panel.SetColours(Qt::black, QColor::fromRgb(line->colour));
    }
    panel.setVisible(line != nullptr);
}

} // namespace

TPX_FormGame::TPX_FormGame(TDungOperator& owner, TPX_FormMDI& mainWindowProxy)
    : TGameWindowBase(owner), mainProxy(mainWindowProxy) {}

TPX_FormGame::~TPX_FormGame() {
    if (window) {
        form->whenClosed = nullptr;
        delete window;
    }
}

void TPX_FormGame::OpenWindow() {
    auto made = std::make_unique<TFormDung>(*this);
    form = made.get();
    form->whenClosed = [this] {
        // The window itself goes when the event loop runs, as the close may
        // come from one of its own handlers; nothing may draw into it now.
        window = nullptr;
        form = nullptr;
        Operator().GameWindowClosed();
    };
    window = mainProxy.AddChildWindow(made.release());
    window->show();
    form->setFocus();
}

void TPX_FormGame::SetCaption(const std::string& sjisText) {
    if (window) {
        window->setWindowTitle(ToQt(sjisText));
    }
}

bool TPX_FormGame::CloseWindow() {
    if (!window) {
        return false;
    }
    window->close();
    return true;
}

TViewParams TPX_FormGame::ViewParams() const {
    if (!window) {
        return {};
    }
    QWidget* view = form->Panel3();
    return {view, 0, view->width(), view->height()};
}

void TPX_FormGame::ArrangeLayout(bool withAutomap) {
    if (!window) {
        return;
    }
    const QWidget& main = mainProxy.Window();
    const TGameWindowLayout layout =
        ArrangedLayout(withAutomap, {main.width(), main.height()}, window->height());
    form->Image1()->setVisible(withAutomap);
    form->GroupBox1()->move(layout.heroValues.x, layout.heroValues.y);
    const int frame = window->width() - form->width();
    form->setFixedWidth(layout.outerWidth - frame);
    window->setFixedWidth(layout.outerWidth);
    window->move(layout.windowAt.x, layout.windowAt.y);
}

int TPX_FormGame::TAutomapTarget::PictureWidth() const {
    const TFormDung* shown = proxy.Form();
    return shown ? shown->Image1()->width() : 0;
}

int TPX_FormGame::TAutomapTarget::PictureHeight() const {
    const TFormDung* shown = proxy.Form();
    return shown ? shown->Image1()->height() : 0;
}

void TPX_FormGame::TAutomapTarget::FillRect(int left, int top, int right, int bottom,
                                            std::uint32_t rgb) {
    if (const TFormDung* shown = proxy.Form()) {
        shown->Image1()->Fill(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), rgb);
    }
}

void TPX_FormGame::TAutomapTarget::DrawTile(int index, int left, int top) {
    if (const TFormDung* shown = proxy.Form()) {
        shown->Image1()->DrawTile(index, {left, top});
    }
}

void TPX_FormGame::ShowTalk(const std::string& sjisText, bool isLast) {
    if (!window) {
        return;
    }
    form->Memo1()->SetText(ToQt(sjisText));
    form->Panel2()->setVisible(!isLast);
    form->Panel1()->show();
}

void TPX_FormGame::ShowChoices(const std::vector<std::string>& sjisTexts) {
    if (!window) {
        return;
    }
    QListWidget& list = *form->ListBox1();
    list.clear();
    for (const std::string& text : sjisTexts) {
        auto* item = new QListWidgetItem(ToQt(text), &list);
        item->setSizeHint({list.viewport()->width(), ChoiceHeight});
    }
    list.show();
}

void TPX_FormGame::SetStatusText(TStatusLabel label, const std::string& sjisText) {
    if (TFormDung* shown = Form()) {
        shown->ShowStatusText(label, ToQt(sjisText));
    }
}

void TPX_FormGame::ShowComparison(const std::optional<TComparisonPicture>& picture) {
    if (TFormDung* shown = Form()) {
        shown->ShowComparison(picture);
    }
}

bool TPX_FormGame::TalkShown() const {
    return window && form->Panel1()->isVisible();
}

void TPX_FormGame::HideTalk() {
    form->Panel1()->hide();
}

bool TPX_FormGame::ChoicesShown() const {
    return window && form->ListBox1()->isVisible();
}

void TPX_FormGame::HideChoices() {
    if (window) {
        form->ListBox1()->hide();
    }
}

void TPX_FormGame::ShowFastMode(bool on) {
    TPanel& panel = *form->Panel7();
    panel.SetBevels(on ? TBevel::Lowered : TBevel::Raised, TBevel::None);
    panel.SetFontLook(12, on);
    if (on) {
        panel.SetColours(QColor(0, 0, 128), QColor(255, 255, 0));
    } else {
        panel.SetColours(QColor(166, 202, 240), Qt::black);
    }
}

void TPX_FormGame::ShowViewCursor(int index) {
    form->Panel3()->setCursor(TCursorTable::Instance().Cursor(index));
}

void TPX_FormGame::ShowNoticePanel(const TNoticeLine* line) {
    ShowLine(*form->Panel4(), line);
}

void TPX_FormGame::ShowLevelPanel(const TNoticeLine* line) {
    ShowLine(*form->Panel5(), line);
}

std::optional<TViewSize> TPX_FormGame::ViewSize() const {
    if (!window) {
        return std::nullopt;
    }
    return TViewSize{form->Panel3()->width(), form->Panel3()->height()};
}

TWindowPoint TPX_FormGame::PointerInView() const {
    if (!window) {
        return {};
    }
    const QPoint at = form->Panel3()->mapFromGlobal(QCursor::pos());
    return {at.x(), at.y()};
}

TWindowPoint TPX_FormGame::ClientToScreen(TWindowPoint point) const {
    if (!window) {
        return point;
    }
    const QPoint at = form->mapToGlobal(QPoint(point.x, point.y));
    return {at.x(), at.y()};
}
