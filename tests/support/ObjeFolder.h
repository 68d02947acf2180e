#pragma once

#include "anim/Movestepdata.h"
#include "scene/Dx7factory.h"
#include "scene/Grphdata.h"
#include "scene/Objedata.h"
#include "scene/Texturecontainer.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// An object plan record: a leaf when it names graphics, visible.
TObjePlan Plan(std::uint32_t objeNo, std::int32_t parentNo, std::uint32_t grphNo);

// A motion step record with its head fields spelled out.
TMotionStepProg Step(std::uint32_t motionNo, std::uint8_t count, bool countUp,
                     std::uint8_t nextStep, bool cycleEnd, std::string text);

std::vector<std::uint8_t> GrphBytes(const std::vector<TGrphFile>& records);
std::vector<std::uint8_t> ObjeBytes(const std::vector<TObjePlan>& plans);

// A fresh game folder with a Data folder, a null graphics factory and the
// messages shown recorded: where object and acter factories are built.
class TObjeFolderTest : public ::testing::Test {
protected:
    TObjeFolderTest();

    // The graphics list and the object plans, written to their data files.
    void Write(const std::vector<TGrphFile>& records, const std::vector<TObjePlan>& plans);

    TTempFolder folder;
    TRecordingMessages messages;
    TScopedInstance<CD3DTextureManager> textures;
    TDX7Factory grphFactory;
};
