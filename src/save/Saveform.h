#pragma once

#include "save/Saveslots.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

enum class TSaveMode : std::uint8_t { Closed = 0, Save = 1, Load = 2 };

// The slot dialog as game code sees it, with every rule of its controls: the
// page shown, the row selected, deciding and cancelling, the page and row
// remembered between uses. The platform shows it: the Qt dialog draws it and
// sends its controls here, tests and the simulator choose a slot from their
// script. Each page's file times are read the first time the page is shown
// and kept; a save refreshes its slot's time.
class TSaveForm {
public:
    // Slot files lie in "Save" in `programFolder`.
    explicit TSaveForm(std::filesystem::path programFolder);
    virtual ~TSaveForm();
    TSaveForm(const TSaveForm&) = delete;
    TSaveForm& operator=(const TSaveForm&) = delete;

    // Shows the dialog modally in save or load mode; the slot chosen, 0 when
    // cancelled.
    int AskSaveSlot();
    int AskLoadSlot();
    // The slot chosen last has been written: its row shows the new time.
    // Raises "セーブ後ファイル情報の更新エラー" for another slot, or one that is
    // not on the page shown.
    void SlotSaved(int slot);
    // Page 1 to 10 and row 0 to 9 (-1: none); values from outside those give
    // page 1 and no row.
    void SetRemembered(int page, int row);
    int RememberedPage() const { return rememberedPage; }
    int RememberedRow() const { return rememberedRow; }

    // The dialog's controls.
    TSaveMode Mode() const { return mode; }
    int ShownPage() const { return shownPage; }
    // -1 when no row is selected.
    int SelectedRow() const { return selectedRow; }
    // The file times of the page shown.
    const TFileBlock& ShownBlock() { return Block(shownPage); }
    // The page selector: only pages 1 to 10 are taken; the remembered row is
    // selected on the remembered page, none on the others.
    bool ShowPage(int page);
    void Select(int row);
    // "決定" and a double click: nothing without a row, nor in load mode on
    // a slot without a file; else the slot is chosen, its page and row are
    // remembered and the dialog closes. Answers whether it closed.
    bool Decide();
    // "キャンセル" and every other way of closing: no slot.
    void Close();
    // What a player does to choose `slot` (1 to 100): its page, its row,
    // "決定". Answers whether the dialog took it.
    bool ChooseSlot(int slot);

protected:
    // Shows the dialog until it is closed.
    virtual void ShowModal() = 0;

private:
    int Ask(TSaveMode askedMode);
    TFileBlock& Block(int page);

    std::filesystem::path programFolder;
    TSaveMode mode = TSaveMode::Closed;
    int chosen = 0;
    int rememberedPage = 1;
    int rememberedRow = -1;
    int shownPage = 1;
    int selectedRow = -1;
    std::array<std::unique_ptr<TFileBlock>, SavePageCount> pages;
};
