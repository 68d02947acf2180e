#include "scene/Texturecontainer.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "scene/Scenelog.h"

#include <algorithm>

namespace {

std::uint64_t NextSerial() {
    static std::uint64_t counter = 0;
    return ++counter;
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool EndsWith(const std::string& key, std::string_view suffix) {
    return key.size() >= suffix.size() &&
           key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TTextureImage LoadPicture(const std::string& sjisName) {
    const std::string key = CD3DTextureManager::Key(sjisName);
    const bool bitmap = EndsWith(key, ".bmp");
    if (!bitmap && !EndsWith(key, ".tga")) {
        throw TTextureFormatError("only .bmp and .tga textures are read");
    }
    if (!GameFileExists(sjisName)) {
        throw TTextureFormatError("file not found");
    }
    const auto bytes = ReadWholeGameFile(sjisName);
    return bitmap ? DecodeBitmap(bytes) : DecodeTarga(bytes);
}

} // namespace

TextureContainer::TextureContainer(std::string sjisName)
    : name(std::move(sjisName)), serial(NextSerial()) {
    try {
        image = LoadPicture(name);
    } catch (const TTextureFormatError& e) {
        LogSceneProblem("texture", name, std::string(e.what()) + "; drawn untextured");
    } catch (const TGameError&) {
        LogSceneProblem("texture", name, "cannot be read; drawn untextured");
    }
}

std::string CD3DTextureManager::Key(std::string_view sjisName) {
    std::string key;
    key.reserve(sjisName.size());
    for (size_t i = 0; i < sjisName.size(); ++i) {
        const auto byte = static_cast<unsigned char>(sjisName[i]);
        if (IsLeadByte(byte) && i + 1 < sjisName.size()) {
            key += sjisName.substr(i, 2);
            ++i;
        } else if (byte >= 'A' && byte <= 'Z') {
            key += static_cast<char>(byte - 'A' + 'a');
        } else if (byte == '\\' || byte == '/') {
            if (key.empty() || key.back() != '/') {
                key += '/';
            }
        } else {
            key += static_cast<char>(byte);
        }
    }
    return key;
}

const TextureContainer& CD3DTextureManager::Register(const std::string& sjisName) {
    auto& slot = textures[Key(sjisName)];
    if (!slot) {
        slot = std::make_unique<TextureContainer>(sjisName);
    }
    return *slot;
}

const TextureContainer* CD3DTextureManager::Find(std::string_view sjisName) const {
    const auto found = textures.find(Key(sjisName));
    return found == textures.end() ? nullptr : found->second.get();
}

std::vector<const TextureContainer*> CD3DTextureManager::All() const {
    std::vector<const TextureContainer*> all;
    all.reserve(textures.size());
    for (const auto& [key, texture] : textures) {
        all.push_back(texture.get());
    }
    return all;
}

void CD3DTextureManager::RemoveModel(const CD3DFile& model) {
    models.erase(std::remove(models.begin(), models.end(), &model), models.end());
}
