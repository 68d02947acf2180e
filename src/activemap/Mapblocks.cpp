#include "activemap/Mapblocks.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Dungblock.h"

TMapBlocks::TMapBlocks() = default;
TMapBlocks::~TMapBlocks() = default;
TMapBlocks::TMapBlocks(TMapBlocks&&) noexcept = default;
TMapBlocks& TMapBlocks::operator=(TMapBlocks&&) noexcept = default;

TDungBlock& TMapBlocks::Append(int row, std::unique_ptr<TDungBlock> block) {
    const auto index = static_cast<std::size_t>(row);
    if (rows.size() <= index) {
        rows.resize(index + 1);
    }
    TDungBlock& appended = *block;
    rows[index].push_back(block.get());
    blocks.push_back(std::move(block));
    return appended;
}

int TMapBlocks::Width() const {
    return rows.empty() ? 0 : static_cast<int>(rows.front().size());
}

int TMapBlocks::Height() const {
    return static_cast<int>(rows.size());
}

TDungBlock& TMapBlocks::At(int x, int y, const std::string& sjisWho) const {
    const bool inside = y >= 0 && y < Height() && x >= 0 &&
                        x < static_cast<int>(rows[static_cast<std::size_t>(y)].size());
    if (!inside) {
        throw TGameError(sjisWho + Sjis("の位置 (") + std::to_string(x) + ", " + std::to_string(y) +
                         Sjis(") が ") + std::to_string(Width()) + " x " +
                         std::to_string(Height()) + Sjis(" のマップの外です"));
    }
    return *rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}
