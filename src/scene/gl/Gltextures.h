#pragma once

#include <QtGui/qopengl.h>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class QOpenGLExtraFunctions;
class TGLProgram;
class TextureContainer;

// The device textures, made from the texture registry's pictures. A picture
// of 32 bits keeps its 8-bit channels and its alpha; every other picture is
// stored in 16-bit high colour (5-6-5), as the game's device held it, so its
// colour key is matched in that precision too.
class TGLTextures {
public:
    explicit TGLTextures(QOpenGLExtraFunctions& gl);
    // The device's context must be current.
    ~TGLTextures();
    TGLTextures(const TGLTextures&) = delete;
    TGLTextures& operator=(const TGLTextures&) = delete;

    // One device texture for every registered picture.
    void CreateAll();
    // Binds the texture of the registry key to unit 0 and tells the program;
    // a texture that is missing or failed to load draws untextured.
    void Bind(const std::string& key, TGLProgram& program);
    // Texels of the colour 0x00RRGGBB become transparent; false when no
    // texture has that name.
    bool SetColorKey(const std::string& sjisName, std::uint32_t colour);

private:
    struct TDeviceTexture {
        GLuint id = 0;
        std::uint64_t serial = 0;
        bool highColour = true;
        std::optional<std::array<float, 3>> key;
    };

    // The device texture of a registered, loaded picture, made on first use.
    TDeviceTexture* Find(const std::string& key);
    TDeviceTexture Create(const TextureContainer& texture);

    QOpenGLExtraFunctions& gl;
    std::map<std::string, TDeviceTexture> textures;
};
