#include "actors/Itemacter.h"

#include <stdexcept>

namespace {

void RequireItem(const IItemImp* item) {
    if (!item) {
        throw std::logic_error("an item actor without an item");
    }
}

} // namespace

TItemActer::TItemActer(std::unique_ptr<IItemImp> lyingItem, std::unique_ptr<IActerBody> itemBody)
    : IDungActer(std::move(itemBody)), item(std::move(lyingItem)) {
    RequireItem(item.get());
    record = item->GetRecord();
}

std::unique_ptr<TItemActer> NewItemOnFloor(std::unique_ptr<IItemImp> item,
                                           const IActerBodySource& bodies) {
    RequireItem(item.get());
    auto body = bodies.NewBody(static_cast<std::uint32_t>(item->FloorBody()));
    return std::make_unique<TItemActer>(std::move(item), std::move(body));
}
