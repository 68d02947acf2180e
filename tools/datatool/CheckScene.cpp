#include "CheckScene.h"

#include "anim/Actercommand.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "scene/D3dfile.h"
#include "scene/SwapList.h"
#include "scene/Texturecontainer.h"
#include "scene/Xfileparser.h"
#include "world/Mycpp.h"

#include <algorithm>
#include <set>

namespace {

namespace fs = std::filesystem;
using std::to_string;

const TGrphFile* FindGraphics(const TContent& content, std::uint32_t grphNo) {
    if (!content.graphics) {
        return nullptr;
    }
    const auto& all = content.graphics->graphics;
    const auto found = std::find_if(all.begin(), all.end(),
                                    [grphNo](const auto& entry) { return entry.grphNo == grphNo; });
    return found == all.end() ? nullptr : &*found;
}

void CheckPlan(const TContent& content, const TObjePlan& plan, size_t partCount,
               const TSourceLocation& where, TCheckSink& sink) {
    if (plan.parentNo < 0 || static_cast<size_t>(plan.parentNo) > partCount) {
        sink.Add(where, "parent " + to_string(plan.parentNo) + " is not a part of object " +
                            to_string(plan.objeNo));
    }
    if (plan.grphNo == 0) {
        return;
    }
    const auto* graphics = FindGraphics(content, plan.grphNo);
    if (graphics == nullptr) {
        sink.Add(where, "graphics " + to_string(plan.grphNo) + " is not in graphics.yaml");
        return;
    }
    for (size_t v = 0; v < std::size(plan.variantGrph); ++v) {
        const auto entry = plan.variantGrph[v];
        if (entry > TGrphFile::SwapListCount) {
            sink.Add(where, "variant " + to_string(v + 1) + " names graphics entry " +
                                to_string(entry) + "; there are 0 to 6");
        } else if (entry != 0 && graphics->swapLists[entry - 1].empty()) {
            sink.Add(where, "variant " + to_string(v + 1) + " draws alternative " +
                                to_string(entry) + ", which graphics " + to_string(plan.grphNo) +
                                " does not have");
        }
    }
}

// Makes the game folder the current folder while models load, so textures
// are found by the names the models give, as in the game.
class TInGameFolder {
public:
    explicit TInGameFolder(const fs::path& folder) : previous(fs::current_path()) {
        fs::current_path(folder);
    }
    ~TInGameFolder() {
        std::error_code ignored;
        fs::current_path(previous, ignored);
    }
    TInGameFolder(const TInGameFolder&) = delete;
    TInGameFolder& operator=(const TInGameFolder&) = delete;

private:
    fs::path previous;
};

void CollectTextures(const CD3DFileObject& node, std::set<std::string>& names) {
    if (node.IsMesh()) {
        for (const auto& slot : node.Slots()) {
            if (!slot.textureName.empty()) {
                names.insert(slot.textureName);
            }
        }
    }
    for (const auto& child : node.Children()) {
        CollectTextures(*child, names);
    }
}

void CheckModel(const TGrphFile& graphics, const fs::path& gameDir, const TSourceLocation& where,
                TCheckSink& sink) {
    const auto modelName = "Obje/" + SjisToUtf8(graphics.modelName) + ".x";
    if (!fs::is_regular_file(gameDir / modelName)) {
        sink.Add(where, "model " + modelName + " is not in " + gameDir.string());
        return;
    }
    TInGameFolder inGame(gameDir);
    // Each model is checked against its own textures only.
    const TScopedInstance<CD3DTextureManager> textures;
    CD3DFile model;
    try {
        model.Load(Utf8ToSjis(modelName));
    } catch (const TXFileFormatError& error) {
        sink.Add(where, "model " + modelName + " cannot be read: " + error.what());
        return;
    } catch (const TGameError& error) {
        sink.Add(where, "model " + modelName + " cannot be read: " + SjisToUtf8(error.what()));
        return;
    }
    std::set<std::string> names;
    CollectTextures(model.Root(), names);
    for (const auto& name : names) {
        const auto* texture = textures->Find(name);
        if (texture == nullptr || !texture->Loaded()) {
            sink.Add(where, "texture " + SjisToUtf8(name) + " of model " + modelName +
                                " is missing or cannot be read");
        }
    }
}

} // namespace

void CheckObjects(const TContent& content, TCheckSink& sink) {
    if (!content.objects) {
        return;
    }
    const auto& plans = content.objects->plans;
    std::set<std::uint32_t> seen;
    for (size_t first = 0; first < plans.size();) {
        const auto objeNo = plans[first].objeNo;
        auto end = first;
        size_t roots = 0;
        while (end < plans.size() && plans[end].objeNo == objeNo) {
            roots += plans[end].parentNo == 0 ? 1 : 0;
            ++end;
        }
        const auto& where = content.objects->planMarks[first];
        if (!seen.insert(objeNo).second) {
            sink.Add(where, "object " + to_string(objeNo) +
                                " appears again after other objects; this run is never used");
        }
        if (roots != 1) {
            sink.Add(where, "object " + to_string(objeNo) + " has " + to_string(roots) +
                                " parts without parent; it needs exactly one root");
        }
        for (auto i = first; i < end; ++i) {
            CheckPlan(content, plans[i], end - first, content.objects->planMarks[i], sink);
        }
        first = end;
    }
}

void CheckGraphics(const TContent& content, const fs::path& gameDir, TCheckSink& sink) {
    if (!content.graphics) {
        return;
    }
    std::set<std::uint32_t> seen;
    for (size_t i = 0; i < content.graphics->graphics.size(); ++i) {
        const auto& graphics = content.graphics->graphics[i];
        const auto& where = content.graphics->marks.records[i];
        if (!seen.insert(graphics.grphNo).second) {
            sink.Add(where, "graphics " + to_string(graphics.grphNo) +
                                " is given twice; only the first counts");
        }
        for (size_t k = 0; k < graphics.swapLists.size(); ++k) {
            for (const auto& line : SplitLines(graphics.swapLists[k])) {
                if (ParseSwapList(line).size() != 1) {
                    sink.Add(where, "swap line '" + SjisToUtf8(line) + "' of alternative " +
                                        to_string(k + 1) + " is not two slot numbers a>b");
                }
            }
        }
        CheckModel(graphics, gameDir, where, sink);
    }
}

void CheckMotions(const TContent& content, TCheckSink& sink) {
    if (!content.motions) {
        return;
    }
    const auto& steps = content.motions->steps;
    for (size_t first = 0; first < steps.size();) {
        const auto motionNo = steps[first].head.motionNo;
        auto end = first;
        while (end < steps.size() && steps[end].head.motionNo == motionNo) {
            ++end;
        }
        for (auto i = first; i < end; ++i) {
            const auto& step = steps[i];
            const auto& where = content.motions->stepMarks[i];
            if (step.head.nextStep > end - first) {
                sink.Add(where, "next step " + to_string(step.head.nextStep) +
                                    " is not a step of motion " + to_string(motionNo));
            }
            if (step.head.countUp != 0 && step.head.count == 0) {
                sink.Add(where, "a step counting up to 0 never ends");
            }
            for (const auto& line : step.lines) {
                try {
                    if (ParseActerCommand(line).kind == TActerCommand::TKind::Invalid) {
                        sink.Add(where, "'" + SjisToUtf8(line) +
                                            "' is no command (Scale, Move, XRota, YRota, ZRota "
                                            "with their numbers)");
                    }
                } catch (const TGameError&) {
                    sink.Add(where,
                             "'" + SjisToUtf8(line) + "' holds something that is not a number");
                }
            }
        }
        first = end;
    }
}
