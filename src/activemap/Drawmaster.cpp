#include "activemap/Drawmaster.h"

#include "activemap/Activemap.h"
#include "activemap/Outfield.h"
#include "actors/Acterbody.h"
#include "actors/Idungacter.h"
#include "platform/SjisText.h"
#include "scene/I3DEngine.h"
#include "world/Dungblock.h"

const std::array<std::string_view, 7> TDrawMaster::ColourKeyedTextures = {
    "Obje/アイテム/かぎ白.bmp", "Obje/アイテム/かぎ赤.bmp",     "Obje/アイテム/かぎ青.bmp",
    "Obje/アイテム/かぎ黄.bmp", "Obje/ダンジョン/上り階段.bmp", "Obje/ダンジョン/下り階段.bmp",
    "Obje/アイテム/よろい.bmp",
};

TDrawMaster::TDrawMaster() = default;

TDrawMaster::~TDrawMaster() = default;

void TDrawMaster::SetupDungeon(I3DEngine& newEngine, const IActiveMap& newMap) {
    Setup(TMode::Dungeon, newEngine, newMap);
}

void TDrawMaster::SetupVillage(I3DEngine& newEngine, const IActiveMap& newMap) {
    Setup(TMode::Village, newEngine, newMap);
}

void TDrawMaster::Setup(TMode newMode, I3DEngine& newEngine, const IActiveMap& newMap) {
    mode = newMode;
    engine = &newEngine;
    map = &newMap;
    blockIterator.SetMap(map);
    dungeonActors.SetMap(mode == TMode::Dungeon ? map : nullptr);
    villageActors.SetMap(mode == TMode::Village ? map : nullptr);
    const auto [x, y, z] = map->HeroPosition();
    lastX = x;
    lastZ = z;
    engine->SetupScene();
    // The engine's camera starts at the identity at every start on a window.
    TViewMat& camera = engine->GetViewMat();
    camera.XRota(CameraPitch);
    camera.Move(x, CameraHeight, z - CameraBack);
    engine->SetProjection(WidthScale, NearPlane, FarPlane, FieldOfView);
    engine->ApplyView();
    for (const std::string_view name : ColourKeyedTextures) {
        engine->SetColorKey(Sjis(name), 0);
    }
}

void TDrawMaster::DrawScene() {
    if (!map) {
        return;
    }
    FollowHero();
    engine->ApplyView();
    engine->BeginFrame();
    const TDungBlock& heroBlock = *map->HeroBlock();
    DrawCells(heroBlock);
    if (mode == TMode::Dungeon) {
        DrawDungeonActors();
    } else {
        DrawVillageActors();
    }
    DrawOutFields(heroBlock);
    engine->EndFrame();
}

void TDrawMaster::FollowHero() {
    // Moving by the heroine's own movement keeps the camera's offset from
    // her, also across a jump to another floor's start.
    const auto [x, y, z] = map->HeroPosition();
    const float dx = x - lastX;
    const float dz = z - lastZ;
    lastX = x;
    lastZ = z;
    engine->GetViewMat().Move(dx, 0.0f, dz);
}

void TDrawMaster::DrawCells(const TDungBlock& heroBlock) {
    for (TDungBlock* block = blockIterator.FirstInWindow(&heroBlock); block;
         block = blockIterator.Next()) {
        TSnglCompList<IDungActer>::TIterator fixtures(*block);
        for (IDungActer* fixture = fixtures.First(); fixture; fixture = fixtures.Next()) {
            DrawActer(fixture, &block->GetMat());
        }
    }
}

void TDrawMaster::DrawDungeonActors() {
    // Their bodies carry world matrices: they walk between cells.
    for (IDungActer* actor = dungeonActors.First(); actor; actor = dungeonActors.Next()) {
        DrawActer(actor, nullptr);
    }
}

void TDrawMaster::DrawVillageActors() {
    for (IDungActer* actor = villageActors.FirstMover(); actor; actor = villageActors.NextMover()) {
        DrawActer(actor, nullptr);
    }
    for (IDungActer* placed = villageActors.FirstPlaced(); placed;
         placed = villageActors.NextPlaced()) {
        TDungBlock* block = placed->GetBlock();
        DrawActer(placed, block ? &block->GetMat() : nullptr);
    }
}

void TDrawMaster::DrawOutFields(const TDungBlock& heroBlock) {
    for (int type = 0; type < IActiveMap::OutFieldCount; ++type) {
        TOutField* field = map->OutField(type);
        if (!field) {
            continue;
        }
        for (IActerBody* body = field->First(&heroBlock); body; body = field->Next()) {
            DrawBody(*body, nullptr);
        }
    }
}

void TDrawMaster::DrawActer(const IDungActer* actor, const IMatrix* cellMatrix) {
    if (const IActerBody* body = actor->GetBody()) {
        DrawBody(*body, cellMatrix);
    }
}

void TDrawMaster::DrawBody(const IActerBody& body, const IMatrix* cellMatrix) {
    objectIterator.Attach(&body.GetRoot());
    I3DGrph* graphics = nullptr;
    TOneMat world;
    for (objectIterator.First(); !objectIterator.IsDone(); objectIterator.Next()) {
        objectIterator.GetCurrent(graphics, world);
        if (!graphics) {
            continue;
        }
        if (cellMatrix) {
            world = MatProduct(world, *cellMatrix);
        }
        engine->Draw(*graphics, world);
    }
}
