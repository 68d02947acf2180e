#pragma once

#include <memory>
#include <string>

// One loaded model. Material-slot swaps (SwapMat, SwapList) must come before
// LoadFile to take effect: they remap the file's materials while loading, so
// one model file can be loaded in several colourings.
class I3DGrph {
public:
    // Loads the model at a Shift-JIS path; false (after telling the player)
    // when the file is missing. A model that fails to parse stays empty.
    virtual bool LoadFile(const std::string& sjisPath) = 0;
    // A new empty graphics object of the same kind.
    virtual std::unique_ptr<I3DGrph> NewGrph() const = 0;
    // Material slots a and b (0 to 15) exchange places.
    virtual void SwapMat(int a, int b) = 0;
    // Lines "a>b", each a SwapMat; other lines are skipped.
    virtual void SwapList(const std::string& sjisText) = 0;
    virtual ~I3DGrph() = default;
};
