#pragma once

#include "village/Talkview.h"

#include <string>
#include <utility>
#include <vector>

// Every line and choice list shown, in order: "line" or "line." for a last
// line (no continue marker), "[a|b]" for a choice list.
class TRecordingTalkView final : public ITalkView {
public:
    void ShowTalk(const std::string& sjisText, bool isLast) override {
        shown.push_back(sjisText + (isLast ? "." : ""));
    }
    void ShowChoices(const std::vector<std::string>& sjisTexts) override {
        std::string list = "[";
        for (const auto& text : sjisTexts) {
            list += (list.size() > 1 ? "|" : "") + text;
        }
        shown.push_back(list + "]");
    }
    std::vector<std::string> Taken() { return std::exchange(shown, {}); }

    std::vector<std::string> shown;
};
