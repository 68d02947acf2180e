#include "DataKinds.h"

#include "world/DataFile.h"

#include <array>

namespace {

// A kind whose build writes `Source` (when present) with `write`.
template <auto Member, auto Field, auto Write>
bool BuildFrom(const TContent& content, TDataWriter& writer) {
    const auto& source = content.*Member;
    if (!source) {
        return false;
    }
    const auto& value = (*source).*Field;
    if constexpr (requires { value.has_value(); }) {
        if (!value) {
            return false;
        }
        Write(writer, *value);
    } else {
        Write(writer, value);
    }
    return true;
}

// Bytes the game's reader leaves at the end it ignores; the sources leave
// them out and say so.
TSourceTexts NotingTheRest(const TDataReader& reader, TSourceTexts texts) {
    if (reader.Remaining() > 0 && !texts.empty()) {
        texts.front().notes.push_back("the game ignores the last " +
                                      std::to_string(reader.Remaining()) + " bytes of the file");
    }
    return texts;
}

template <auto Read, auto Dump> TSourceTexts DumpWith(TDataReader& reader) {
    return NotingTheRest(reader, Dump(Read(reader)));
}

TSourceTexts DumpWalls(TDataReader& reader) {
    return NotingTheRest(reader, DumpPieces("walls", ReadWOPlanFile<TObjePlanMini>(reader)));
}

TSourceTexts DumpFloarTiles(TDataReader& reader) {
    return NotingTheRest(reader, DumpPieces("floor_tiles", ReadWOPlanFile<TObjePlanMini>(reader)));
}

const std::array Kinds{
    TDataKind{"DungData", BuildFrom<&TContent::stages, &TStagesSource::stages, WriteDungeonData>,
              DumpWith<ReadDungeonData, DumpStages>},
    TDataKind{"TownData", BuildFrom<&TContent::town, &TTownSource::areas, WriteTownData>,
              DumpWith<ReadTownData, DumpTown>},
    TDataKind{"WallObje",
              BuildFrom<&TContent::pieces, &TPiecesSource::walls, WriteWOPlanFile<TObjePlanMini>>,
              DumpWalls},
    TDataKind{
        "BigWallObje",
        BuildFrom<&TContent::pieces, &TPiecesSource::bigObjects, WriteWOPlanFile<TBigObjePlan>>,
        DumpWith<ReadWOPlanFile<TBigObjePlan>, DumpBigObjects>},
    TDataKind{
        "FloarObje",
        BuildFrom<&TContent::pieces, &TPiecesSource::floarTiles, WriteWOPlanFile<TObjePlanMini>>,
        DumpFloarTiles},
    TDataKind{"AreaData", BuildFrom<&TContent::areas, &TAreasSource::areas, WriteAreaData>,
              DumpWith<ReadAreaData, DumpAreas>},
    TDataKind{"EnemyData", BuildFrom<&TContent::enemies, &TEnemiesSource::enemies, WriteEnemyData>,
              DumpWith<ReadEnemyData, DumpEnemies>},
    TDataKind{"ItemData", BuildFrom<&TContent::items, &TItemsSource::items, WriteItemData>,
              DumpWith<ReadItemData, DumpItems>},
    TDataKind{"EQData", BuildFrom<&TContent::items, &TItemsSource::equipment, WriteEQData>,
              DumpWith<ReadEQData, DumpEquipment>},
    TDataKind{"PeopleData", BuildFrom<&TContent::people, &TPeopleSource::people, WritePeopleData>,
              DumpWith<ReadPeopleData, DumpPeople>},
    TDataKind{"EventData", BuildFrom<&TContent::events, &TEventsSource::events, WriteEventData>,
              DumpWith<ReadEventData, DumpEvents>},
    TDataKind{"GrphData", BuildFrom<&TContent::graphics, &TGraphicsSource::graphics, WriteGrphData>,
              DumpWith<ReadGrphData, DumpGraphics>},
    TDataKind{"ObjeData", BuildFrom<&TContent::objects, &TObjectsSource::plans, WriteObjeData>,
              DumpWith<ReadObjeData, DumpObjects>},
    TDataKind{"MoveStepData",
              BuildFrom<&TContent::motions, &TMotionsSource::steps, WriteMoveStepData>,
              DumpWith<ReadMoveStepData, DumpMotions>},
    TDataKind{"ActerData", BuildFrom<&TContent::acters, &TActersSource::acters, WriteActerData>,
              DumpWith<ReadActerData, DumpActers>},
};

} // namespace

std::span<const TDataKind> DataKinds() {
    return Kinds;
}

const TDataKind* FindDataKind(std::string_view fileName) {
    for (const auto& kind : Kinds) {
        if (kind.fileName == fileName) {
            return &kind;
        }
    }
    return nullptr;
}
