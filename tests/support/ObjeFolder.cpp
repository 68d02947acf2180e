#include "support/ObjeFolder.h"

#include "platform/GameFiles.h"
#include "scene/NullEngine.h"
#include "world/DataFile.h"

TObjePlan Plan(std::uint32_t objeNo, std::int32_t parentNo, std::uint32_t grphNo) {
    TObjePlan plan{};
    plan.objeNo = objeNo;
    plan.parentNo = parentNo;
    plan.grphNo = grphNo;
    plan.isLeaf = grphNo != 0 ? 1 : 0;
    plan.visible = 1;
    return plan;
}

TMotionStepProg Step(std::uint32_t motionNo, std::uint8_t count, bool countUp,
                     std::uint8_t nextStep, bool cycleEnd, std::string text) {
    TMotionStepHead head{};
    head.motionNo = motionNo;
    head.count = count;
    head.countUp = countUp ? 1 : 0;
    head.nextStep = nextStep;
    head.cycleEnd = cycleEnd ? 1 : 0;
    return MotionStepOf(head, std::move(text));
}

std::vector<std::uint8_t> GrphBytes(const std::vector<TGrphFile>& records) {
    TDataWriter writer;
    WriteGrphData(writer, records);
    return writer.Bytes();
}

std::vector<std::uint8_t> ObjeBytes(const std::vector<TObjePlan>& plans) {
    TDataWriter writer;
    WriteObjeData(writer, plans);
    return writer.Bytes();
}

TObjeFolderTest::TObjeFolderTest()
    : grphFactory(std::make_unique<TNullGrph>(), [] { return std::make_unique<TNullEngine>(); }) {
    CreateGameFolder("Data");
}

void TObjeFolderTest::Write(const std::vector<TGrphFile>& records,
                            const std::vector<TObjePlan>& plans) {
    WriteWholeGameFile(GrphDataFileName, GrphBytes(records));
    WriteWholeGameFile(ObjeDataFileName, ObjeBytes(plans));
}
