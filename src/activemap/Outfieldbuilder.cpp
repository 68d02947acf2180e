#include "activemap/Outfieldbuilder.h"

#include "activemap/Activemap.h"
#include "activemap/Outfield.h"
#include "actors/Acterbody.h"

namespace {

constexpr int Depth = 5;

TOutField::TRows Bodies(const IActerBodySource& bodies, int rows, int columns) {
    TOutField::TRows made(static_cast<std::size_t>(rows));
    for (auto& row : made) {
        for (int j = 0; j < columns; ++j) {
            row.push_back(bodies.NewBody(OutFieldBodyNumber));
        }
    }
    return made;
}

} // namespace

void BuildOutFields(IActiveMap& map, const IActerBodySource& bodies, int width, int height) {
    IActiveMap::TOutFields fields;
    for (int type = 0; type < IActiveMap::OutFieldCount; ++type) {
        int rows = Depth;
        int columns = Depth;
        if (type < 2) {
            columns = width;
        } else if (type < 4) {
            rows = height;
        }
        fields[static_cast<std::size_t>(type)] = std::make_unique<TOutField>(
            static_cast<std::uint8_t>(type), Bodies(bodies, rows, columns), width, height);
    }
    map.SetOutFields(std::move(fields));
}
