#pragma once

#include "activemap/Ite_activemap.h"
#include "scene/Iobje.h"

#include <array>
#include <cstdint>
#include <string_view>

class I3DEngine;
class IActerBody;
class IActiveMap;
class IDungActer;
class IMatrix;
class TDungBlock;

// Draws the active map, one frame per game step. The camera stands south of
// and above the heroine, looks north and down at a fixed angle, and follows
// her by her movement since the last frame; only the cells near her and the
// scenery beyond the grid's edges that she can see are drawn.
class TDrawMaster {
public:
    // How far south of the heroine and how high the camera stands, and its
    // downward turn about x in degrees.
    static constexpr float CameraBack = 15.0f;
    static constexpr float CameraHeight = 20.0f;
    static constexpr float CameraPitch = 56.0f;
    static constexpr float NearPlane = 9.0f;
    static constexpr float FarPlane = 36.0f;
    // Vertical, in radians.
    static constexpr float FieldOfView = 0.8f;
    static constexpr float WidthScale = 0.9f;
    // Textures whose black texels are transparent: keys, stairs, the armour.
    static const std::array<std::string_view, 7> ColourKeyedTextures;

    TDrawMaster();
    virtual ~TDrawMaster();
    TDrawMaster(const TDrawMaster&) = delete;
    TDrawMaster& operator=(const TDrawMaster&) = delete;

    // After the engine has started on the game window: the camera is placed
    // anew behind the heroine of `map`, which must outlive the drawing.
    void SetupDungeon(I3DEngine& engine, const IActiveMap& map);
    void SetupVillage(I3DEngine& engine, const IActiveMap& map);
    // One frame; nothing before the first setup.
    virtual void DrawScene();

private:
    enum class TMode : std::uint8_t { Dungeon = 0, Village = 1 };

    void Setup(TMode newMode, I3DEngine& newEngine, const IActiveMap& newMap);
    void FollowHero();
    void DrawCells(const TDungBlock& heroBlock);
    void DrawDungeonActors();
    void DrawVillageActors();
    void DrawOutFields(const TDungBlock& heroBlock);
    void DrawActer(const IDungActer* actor, const IMatrix* cellMatrix);
    // Every visible part with graphics, at its accumulated matrix, times the
    // cell's matrix when one is given.
    void DrawBody(const IActerBody& body, const IMatrix* cellMatrix);

    TMode mode = TMode::Dungeon;
    I3DEngine* engine = nullptr;
    const IActiveMap* map = nullptr;
    IObje::TIterator objectIterator;
    TIte_Map_GetBlock blockIterator;
    TIte_Map_DgAct dungeonActors;
    TIte_Map_TwnAct villageActors;
    // The heroine's x and z at the last frame.
    float lastX = 0.0f;
    float lastZ = 0.0f;
};
