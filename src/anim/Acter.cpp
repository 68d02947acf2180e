#include "anim/Acter.h"

#include "anim/Actercommand.h"
#include "platform/GameError.h"
#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "scene/Objefactory.h"

namespace {

// A step that can end at all ends within 256 ticks, and a step is entered
// with a counter fixed by the step before it; so a motion of n steps that has
// not ended or finished a cycle after 256 (n (n + 1) + 1) ticks never will.
size_t RunToEndTickLimit(size_t stepCount) {
    return 256 * (stepCount * (stepCount + 1) + 1);
}

} // namespace

TActer::TActer(std::unique_ptr<IObje> rootObje, std::uint32_t number, std::vector<IObje*> partList,
               std::vector<std::unique_ptr<TObjeMotion>> motionList, const TObjeFactory& factory)
    : root(std::move(rootObje)), objeNo(number), parts(std::move(partList)),
      motions(std::move(motionList)), current(&TObjeMotion::Empty()), objeFactory(factory) {}

void TActer::SetMotion(std::int16_t index) {
    if (motions.empty()) {
        return;
    }
    if (index < 0 || static_cast<size_t>(index) >= motions.size()) {
        current = &TObjeMotion::Empty();
        return;
    }
    current = motions[static_cast<size_t>(index)].get();
    current->Start();
}

void TActer::StopMotion() {
    current = &TObjeMotion::Empty();
}

bool TActer::Step() {
    played.clear();
    const bool ended = current->Step(played);
    for (const TMotionStepProg* step : played) {
        for (const TActerCommand& command : step->commands) {
            Apply(command);
        }
    }
    return ended;
}

void TActer::Exec(std::string_view line) {
    Apply(ParseActerCommand(line));
}

void TActer::Apply(const TActerCommand& command) {
    if (command.kind == TActerCommand::TKind::Blank) {
        return;
    }
    if (command.kind == TActerCommand::TKind::BadNumber) {
        throw TGameError(command.error);
    }
    if (command.kind == TActerCommand::TKind::Invalid || command.part >= parts.size()) {
        MessageSeam().ShowMessage(Sjis("命令文不正エラー"));
        return;
    }
    IObje& part = *parts[command.part];
    switch (command.kind) {
    case TActerCommand::TKind::Scale:
        part.Scale(command.a, command.b, command.c);
        break;
    case TActerCommand::TKind::Move:
        part.Move(command.a, command.b, command.c);
        break;
    case TActerCommand::TKind::XRota:
        part.XRota(command.a);
        break;
    case TActerCommand::TKind::YRota:
        part.YRota(command.a);
        break;
    case TActerCommand::TKind::ZRota:
        part.ZRota(command.a);
        break;
    case TActerCommand::TKind::Blank:
    case TActerCommand::TKind::Invalid:
    case TActerCommand::TKind::BadNumber:
        break;
    }
}

void TActer::RunMotionToEnd(std::int16_t index) {
    SetMotion(index);
    const size_t limit = RunToEndTickLimit(current->StepCount());
    for (size_t tick = 0; !Step(); ++tick) {
        if (tick == limit) {
            throw TGameError(Sjis("モーション ") + std::to_string(index) +
                             Sjis(" が終わりません (物体 ") + std::to_string(objeNo) + ")");
        }
    }
}

void TActer::SetPartVisible(size_t index, bool visible) {
    if (index < parts.size()) {
        parts[index]->visible = visible;
    }
}

void TActer::ResetPose() {
    objeFactory.ResetParts(objeNo, parts);
}
