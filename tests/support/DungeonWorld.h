#pragma once

#include "activemap/Activemapdung.h"
#include "actors/Acterbodyimp.h"
#include "anim/Acterfactory.h"
#include "platform/RandomSource.h"
#include "scene/Dx7factory.h"
#include "scene/Objefactory.h"
#include "scene/Texturecontainer.h"
#include "support/FloarSketch.h"
#include "support/HeroWorld.h"
#include "support/MapPlayer.h"
#include "support/RecordingAutoMapping.h"
#include "support/RecordingMessages.h"
#include "world/Dungfactory.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TEnemy;

// What bodies the floor's actors get: fake ones whose motions end at once,
// so that a turn lasts exactly as long as its states; or the test content's
// real ones, as the game plays them. The heroine, made with the world,
// always has a fake one.
enum class TWorldBodies { Fake, Real };

// A dungeon played as the game plays it: the test content as the game
// folder, the real actor factory and heroine, the real dungeon factory
// building stages the test writes, and the changes of floor and the end of
// a visit done as the dungeon operator does them. The automap and the
// scene changes are recorded.
class TDungeonWorld final : public TMapPlayer {
public:
    explicit TDungeonWorld(TWorldBodies kind = TWorldBodies::Fake, std::uint32_t seed = 1);
    ~TDungeonWorld();
    TDungeonWorld(const TDungeonWorld&) = delete;
    TDungeonWorld& operator=(const TDungeonWorld&) = delete;

    // Makes `stages` the game folder's stage data and enters stage 0 afresh.
    TActiveMapDung& Enter(const TDungeonData& stages);
    // Enters the dungeon of the current dungeon save again, as a loaded game does.
    TActiveMapDung& EnterFromSave();
    // None once the visit has ended.
    TActiveMapDung* Map() const { return map.get(); }
    // One turn of a player roaming the floor: every third turn she strikes
    // an enemy beside her, else she steps the first free way round from a
    // start that `turn` moves on; with no free way she strikes anyway.
    std::string Roam(int turn);

    THero& Hero() const { return heroes.Hero(); }
    TEnemy& Enemy(std::size_t index) const;
    TDungBlock& Block(int x, int y) const { return *Map()->BlockAt(x, y); }
    TDungFactory& Factory() const { return *factory; }

    THeroWorld heroes;
    TScopedInstance<TRandomSource> random;
    TScopedInstance<IAutoMapping, TRecordingAutoMapping> automapInstance;
    TRecordingAutoMapping& automap;

private:
    IActiveMap* PlayedMap() const override { return map.get(); }
    // The first way round from `start` to a block beside her that `fits`, or DW_None.
    std::uint8_t FirstWay(int start, const std::function<bool(const TDungBlock&)>& fits) const;
    // The test content's bodies, read from its models and motions.
    struct TRealBodies {
        TRealBodies();
        TRecordingMessages messages;
        TScopedInstance<CD3DTextureManager> textures;
        TDX7Factory grphFactory;
        TObjeFactory objes;
        TActerFactory acters;
        TActerBodySource bodies;
    };

    std::optional<TRealBodies> realBodies;
    std::unique_ptr<TDungFactory> factory;
    std::unique_ptr<TActiveMapDung> map;
};
