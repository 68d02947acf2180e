#pragma once

class I3DEngine;

// Makes black transparent in every registered texture, as the game does for
// the textures of keys, stairs and the armour.
void KeyBlackInAllTextures(I3DEngine& engine);
