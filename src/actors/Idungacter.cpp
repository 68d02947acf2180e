#include "actors/Idungacter.h"

#include "activemap/Activemapproxy.h"
#include "actors/Acterrecord.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <stdexcept>

IDungActer::IDungActer(std::unique_ptr<IActerBody> actorBody) : body(std::move(actorBody)) {}

IDungActer::~IDungActer() = default;

void IDungActer::Scale(float x, float y, float z) {
    if (body) {
        body->Scale(x, y, z);
    }
}
void IDungActer::XRota(float deg) {
    if (body) {
        body->XRota(deg);
    }
}
void IDungActer::YRota(float deg) {
    if (body) {
        body->YRota(deg);
    }
}
void IDungActer::ZRota(float deg) {
    if (body) {
        body->ZRota(deg);
    }
}
void IDungActer::Move(float x, float y, float z) {
    if (body) {
        body->Move(x, y, z);
    }
}
void IDungActer::Modified(int n) {
    if (body) {
        body->Modified(n);
    }
}
void IDungActer::XRotaAxis(float deg, float y, float z) {
    if (body) {
        body->XRotaAxis(deg, y, z);
    }
}
void IDungActer::YRotaAxis(float deg, float x, float z) {
    if (body) {
        body->YRotaAxis(deg, x, z);
    }
}
void IDungActer::ZRotaAxis(float deg, float x, float y) {
    if (body) {
        body->ZRotaAxis(deg, x, y);
    }
}
void IDungActer::Init() {
    if (body) {
        body->Init();
    }
}

IMatrix& IDungActer::GetMat() {
    if (!body) {
        throw std::logic_error("the matrix of an actor without a body");
    }
    return body->GetMat();
}

void IDungActer::SetIdleMotion() {
    if (body) {
        body->StopMotion();
    }
}

bool IDungActer::AttackedBy(TFighter&) {
    return false;
}
void IDungActer::OperatedBy(IDungActer&) {}
void IDungActer::Link(IDungActer&) {}
void IDungActer::LinkedChanged(IDungActer&) {}
TTalkDepot* IDungActer::TalkPartnerFor(std::uint8_t) {
    return nullptr;
}

void IDungActer::PlaceOn(TDungBlock* onBlock) {
    block = onBlock;
    if (body) {
        // Bodies are modelled facing south.
        body->Init();
        body->YRota(WayAngle(DW_South, GetDirection()));
    }
}

bool IDungActer::TurnPassed() {
    return true;
}

bool IDungActer::IsOpen() const {
    throw TGameError(Sjis("開閉を答えないアクターに開いているかを尋ねました"));
}

int IDungActer::OpenByHeroine() {
    throw TGameError(Sjis("開けられないアクターを開けようとしました"));
}

bool IDungActer::IsKeeper() const {
    throw TGameError(Sjis("番人かどうかを答えないアクターに尋ねました"));
}

bool IDungActer::Tick() {
    const bool motionEnded = body ? body->Step() : true;
    IDA_State* running = current;
    if (!running) {
        return true;
    }
    const bool finished = running->Step();
    return running == NullState() ? motionEnded : finished;
}

DA_State IDungActer::GetStateId() const {
    return current ? current->GetId() : das_Null;
}

void IDungActer::SetState(IDA_State* state) {
    current = state;
    current->Enter();
}

IDA_State* IDungActer::StateOf(DA_State id) const {
    const auto found = states.find(id);
    if (found == states.end()) {
        throw TGameError(Sjis("識別を指定してステイトを得るエラー"));
    }
    return found->second.get();
}

void IDungActer::ReserveOrder(DA_State id, std::uint8_t param) {
    IDA_State* order = StateOf(id);
    order->SetParam(param);
    Reserve(order);
}

bool IDungActer::TakeReserved() {
    if (!reserved) {
        return false;
    }
    SetState(reserved);
    return true;
}

IDA_State* IDungActer::NullState() {
    return &Tdast_Null::Instance();
}

std::uint8_t IDungActer::GetDirection() {
    const std::uint8_t* identity = GetIdentity();
    return identity ? identity[RecordDirectionOffset] : static_cast<std::uint8_t>(DW_None);
}

void IDungActer::SetDirection(std::uint8_t dir) {
    if (std::uint8_t* record = GetRecord()) {
        record[RecordDirectionOffset] = dir;
    }
}

void IDungActer::TurnTo(std::uint8_t dir) {
    const std::uint8_t now = GetDirection();
    if (dir == now) {
        return;
    }
    YRota(WayAngle(now, dir));
    SetDirection(dir);
}

void IDungActer::SetMotion(int n) {
    if (!body) {
        return;
    }
    if (n < 0) {
        body->StopMotion();
    } else {
        body->SetMotion(static_cast<std::int16_t>(n));
    }
}

void IDungActer::ShowPart(int n, bool visible) {
    if (body) {
        body->SetPartVisible(n, visible);
    }
}

void IDungActer::MoveTo(TDungBlock* toBlock) {
    block = toBlock;
    if (std::uint8_t* record = GetRecord()) {
        WriteRecordI16(record, RecordXOffset, static_cast<std::int16_t>(toBlock->GetX()));
        WriteRecordI16(record, RecordYOffset, static_cast<std::int16_t>(toBlock->GetY()));
    }
}

TDungBlock* IDungActer::FrontBlock() {
    return TActiveMapProxy::Instance().GetNeighbour(block, GetDirection());
}

void IDungActer::LeaveFloor() {
    if (block && block->GetGuest() == this) {
        block->ClearGuest();
    }
}

void IDungActer::CreateStates(const TDAStateSet& kinds,
                              const std::function<std::unique_ptr<IDA_State>(DA_State)>& make) {
    for (const DA_State id : kinds) {
        states[id] = make(id);
    }
}
