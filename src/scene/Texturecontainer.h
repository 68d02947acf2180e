#pragma once

#include "platform/SingleInstance.h"
#include "scene/Textureimage.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One texture known by name: the picture is read from its file once, when a
// material first names it. The device texture is the engine's, made from
// this picture whenever the engine starts on a window.
class TextureContainer {
public:
    explicit TextureContainer(std::string sjisName);

    // The name as first given (Shift-JIS, relative to the current folder).
    const std::string& Name() const { return name; }
    // False when the file was missing or could not be decoded.
    bool Loaded() const { return !image.rgba.empty(); }
    const TTextureImage& Image() const { return image; }
    int Width() const { return image.width; }
    int Height() const { return image.height; }
    int BitsPerPixel() const { return image.bitsPerPixel; }
    // Distinguishes this container from any later one of the same name.
    std::uint64_t Serial() const { return serial; }

private:
    std::string name;
    TTextureImage image;
    std::uint64_t serial;
};

class CD3DFile;

// The registry of all textures, one per name, names compared without regard
// to case or to the kind and number of separators, and of the models that
// use them, so that an engine starting on a window can make everything it
// will draw at once. A program-wide single object: whoever loads models
// makes it first and releases it after them.
class CD3DTextureManager : public TSingleInstance<CD3DTextureManager> {
public:
    // The texture of that name, loading it at its first mention.
    const TextureContainer& Register(const std::string& sjisName);
    const TextureContainer* Find(std::string_view sjisName) const;
    // Every registered texture, in the order of their keys.
    std::vector<const TextureContainer*> All() const;

    // The registry key: ASCII letters in lower case, each run of "\" and "/"
    // one "/"; the second bytes of double-byte characters stay as they are.
    static std::string Key(std::string_view sjisName);

    // Every model made while the registry exists and not yet destroyed.
    void AddModel(const CD3DFile& model) { models.push_back(&model); }
    void RemoveModel(const CD3DFile& model);
    const std::vector<const CD3DFile*>& Models() const { return models; }

private:
    std::map<std::string, std::unique_ptr<TextureContainer>> textures;
    std::vector<const CD3DFile*> models;
};
