#pragma once

#include <QtGui/qopengl.h>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class QOpenGLExtraFunctions;
class TGLProgram;
class TextureContainer;

// The device textures, made from the texture registry's pictures. A picture
// of 32 bits keeps its 8-bit channels and its alpha; every other picture is
// stored in 16-bit high colour (5-6-5), as the game's device held it, so its
// colour key is matched in that precision too.
class TGLTextures {
public:
    // A picture on the device, with the colour that is keyed out of it.
    struct TDeviceTexture {
        GLuint id = 0;
        std::uint64_t serial = 0;
        bool highColour = true;
        std::optional<std::array<float, 3>> key;
    };

    explicit TGLTextures(QOpenGLExtraFunctions& gl);
    // The device's context must be current.
    ~TGLTextures();
    TGLTextures(const TGLTextures&) = delete;
    TGLTextures& operator=(const TGLTextures&) = delete;

    // One device texture for every registered picture.
    void CreateAll();
    // The device texture of a registered, loaded picture, made on first
    // use; none for a texture that is missing or failed to load. It stays at
    // its address for the device's life, its key changing in place.
    const TDeviceTexture* Texture(std::string_view sjisName);
    // Binds the texture to unit 0 and tells the program; none draws
    // untextured.
    void Bind(const TDeviceTexture* texture, TGLProgram& program);
    // Texels of the colour 0x00RRGGBB become transparent; false when no
    // texture has that name.
    bool SetColorKey(const std::string& sjisName, std::uint32_t colour);

private:
    TDeviceTexture* Find(const std::string& key);
    void Upload(TDeviceTexture& made, const TextureContainer& texture);

    QOpenGLExtraFunctions& gl;
    std::map<std::string, TDeviceTexture> textures;
};
