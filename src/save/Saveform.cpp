#include "save/Saveform.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <utility>

namespace {

bool ValidPage(int page) {
    return page >= 1 && page <= SavePageCount;
}

bool ValidRow(int row) {
    return row >= 0 && row < SlotsPerPage;
}

} // namespace

TSaveForm::TSaveForm(std::filesystem::path folder) : programFolder(std::move(folder)) {}

TSaveForm::~TSaveForm() = default;

int TSaveForm::AskSaveSlot() {
    return Ask(TSaveMode::Save);
}

int TSaveForm::AskLoadSlot() {
    return Ask(TSaveMode::Load);
}

int TSaveForm::Ask(TSaveMode askedMode) {
    mode = askedMode;
    chosen = 0;
    ShowPage(rememberedPage);
    ShowModal();
    mode = TSaveMode::Closed;
    return chosen;
}

void TSaveForm::SlotSaved(int slot) {
    if (slot != chosen || PageOfSlot(slot) != shownPage) {
        throw TGameError(Sjis("セーブ後ファイル情報の更新エラー"));
    }
    Block(shownPage).times[static_cast<std::size_t>(RowOfSlot(slot))] =
        GameFileLastWriteTime(SlotFileIn(programFolder, slot));
}

void TSaveForm::SetRemembered(int page, int row) {
    const bool valid = ValidPage(page) && (row == -1 || ValidRow(row));
    rememberedPage = valid ? page : 1;
    rememberedRow = valid ? row : -1;
}

TFileBlock& TSaveForm::Block(int page) {
    std::unique_ptr<TFileBlock>& block = pages[static_cast<std::size_t>(page - 1)];
    if (!block) {
        block = std::make_unique<TFileBlock>(ReadFileBlock(programFolder, page));
    }
    return *block;
}

bool TSaveForm::ShowPage(int page) {
    if (!ValidPage(page)) {
        return false;
    }
    shownPage = page;
    Block(page);
    selectedRow = page == rememberedPage ? rememberedRow : -1;
    return true;
}

void TSaveForm::Select(int row) {
    selectedRow = ValidRow(row) ? row : -1;
}

bool TSaveForm::Decide() {
    if (mode == TSaveMode::Closed || selectedRow < 0) {
        return false;
    }
    if (mode == TSaveMode::Load &&
        !Block(shownPage).times[static_cast<std::size_t>(selectedRow)].has_value()) {
        return false;
    }
    chosen = SlotOf(shownPage, selectedRow);
    rememberedPage = shownPage;
    rememberedRow = selectedRow;
    mode = TSaveMode::Closed;
    return true;
}

void TSaveForm::Close() {
    mode = TSaveMode::Closed;
}

bool TSaveForm::ChooseSlot(int slot) {
    if (slot < 1 || slot > SaveSlotCount) {
        return false;
    }
    ShowPage(PageOfSlot(slot));
    Select(RowOfSlot(slot));
    return Decide();
}
