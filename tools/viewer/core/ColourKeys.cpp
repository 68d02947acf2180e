#include "viewer/core/ColourKeys.h"

#include "scene/I3DEngine.h"
#include "scene/Texturecontainer.h"

void KeyBlackInAllTextures(I3DEngine& engine) {
    for (const TextureContainer* texture : CD3DTextureManager::Instance().All()) {
        if (texture->Loaded()) {
            engine.SetColorKey(texture->Name(), 0);
        }
    }
}
