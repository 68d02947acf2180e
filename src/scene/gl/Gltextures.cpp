#include "scene/gl/Gltextures.h"

#include "scene/Texturecontainer.h"
#include "scene/gl/Glprogram.h"

#include <QOpenGLExtraFunctions>

namespace {

std::uint8_t FiveBits(std::uint8_t value) {
    const int kept = value >> 3;
    return static_cast<std::uint8_t>(kept << 3 | kept >> 2);
}

std::uint8_t SixBits(std::uint8_t value) {
    const int kept = value >> 2;
    return static_cast<std::uint8_t>(kept << 2 | kept >> 4);
}

} // namespace

TGLTextures::TGLTextures(QOpenGLExtraFunctions& functions) : gl(functions) {}

TGLTextures::~TGLTextures() {
    for (const auto& [key, texture] : textures) {
        gl.glDeleteTextures(1, &texture.id);
    }
}

void TGLTextures::CreateAll() {
    for (const TextureContainer* texture : CD3DTextureManager::Instance().All()) {
        Find(CD3DTextureManager::Key(texture->Name()));
    }
}

void TGLTextures::Upload(TDeviceTexture& made, const TextureContainer& texture) {
    const TTextureImage& image = texture.Image();
    made.serial = texture.Serial();
    made.highColour = image.bitsPerPixel != 32;
    made.key.reset();
    std::vector<std::uint8_t> texels = image.rgba;
    if (made.highColour) {
        for (size_t i = 0; i < texels.size(); i += 4) {
            texels[i] = FiveBits(texels[i]);
            texels[i + 1] = SixBits(texels[i + 1]);
            texels[i + 2] = FiveBits(texels[i + 2]);
            texels[i + 3] = 255;
        }
    }
    if (made.id == 0) {
        gl.glGenTextures(1, &made.id);
    }
    gl.glBindTexture(GL_TEXTURE_2D, made.id);
    gl.glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA,
                    GL_UNSIGNED_BYTE, texels.data());
    // Point sampling and wrapping, the device's defaults.
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

TGLTextures::TDeviceTexture* TGLTextures::Find(const std::string& key) {
    const TextureContainer* texture = CD3DTextureManager::Instance().Find(key);
    if (!texture || !texture->Loaded()) {
        return nullptr;
    }
    TDeviceTexture& made = textures[key];
    // A picture registered anew under the same name replaces the old one in
    // place, so what points at it stays valid.
    if (made.serial != texture->Serial()) {
        Upload(made, *texture);
    }
    return &made;
}

const TGLTextures::TDeviceTexture* TGLTextures::Texture(std::string_view sjisName) {
    return sjisName.empty() ? nullptr : Find(CD3DTextureManager::Key(sjisName));
}

void TGLTextures::Bind(const TDeviceTexture* texture, TGLProgram& program) {
    if (!texture) {
        program.SetUntextured();
        return;
    }
    gl.glBindTexture(GL_TEXTURE_2D, texture->id);
    program.SetTextured(texture->key ? &*texture->key : nullptr);
}

bool TGLTextures::SetColorKey(const std::string& sjisName, std::uint32_t colour) {
    const std::string key = CD3DTextureManager::Key(sjisName);
    if (!CD3DTextureManager::Instance().Find(key)) {
        return false;
    }
    TDeviceTexture* texture = Find(key);
    if (!texture) {
        // Known but not loaded: it draws untextured, so no key applies.
        return true;
    }
    auto r = static_cast<std::uint8_t>(colour >> 16);
    auto g = static_cast<std::uint8_t>(colour >> 8);
    auto b = static_cast<std::uint8_t>(colour);
    if (texture->highColour) {
        r = FiveBits(r);
        g = SixBits(g);
        b = FiveBits(b);
    }
    texture->key =
        std::array<float, 3>{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
    return true;
}
