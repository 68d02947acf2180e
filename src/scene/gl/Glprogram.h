#pragma once

#include "scene/D3dfile.h"
#include "scene/Dx7matinit.h"

#include <QOpenGLShaderProgram>
#include <array>

class QOpenGLExtraFunctions;

// The light as the scene sets it up: one directional light.
struct TGLLight {
    // Unit vector from a lit point towards the light, world space.
    std::array<float, 3> towardsLight{0.0f, 0.0f, 0.0f};
    TD3DColor diffuse;
    TD3DColor ambient;
};

// The shader pair that reproduces the fixed-function pipeline the game was
// made for: per-vertex lighting by one directional light (no specular, no
// global ambient, normals not renormalised after the transform), one
// texture stage that modulates the colour by the texture and takes the
// texture's alpha, and colour keys that drop texels of the key colour.
class TGLProgram {
public:
    // Raises TGLDeviceError when the shaders do not build.
    explicit TGLProgram(QOpenGLExtraFunctions& gl);

    void Bind() { program.bind(); }
    // Row-vector world x view x projection, and the world matrix for normals.
    void SetTransform(const TMatValues& worldViewProj, const TMatValues& world);
    // Whole-pixel centres as the game's device samples them.
    void SetViewportSize(int width, int height);
    void SetLight(const TGLLight& light);
    void SetMaterial(const TD3DMaterial& material);
    void SetUntextured();
    // keyColour: 0-255 red, green, blue of the texel that is dropped; none
    // when the texture has no key.
    void SetTextured(const std::array<float, 3>* keyColour);

private:
    int Location(const char* name);

    QOpenGLExtraFunctions& gl;
    QOpenGLShaderProgram program;
    int worldViewProj, normalMatrix, pixelShift, towardsLight, lightDiffuse, lightAmbient,
        materialDiffuse, materialAmbient, materialEmissive, textured, keyed, keyColour, picture;
};
