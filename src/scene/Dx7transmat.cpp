#include "scene/Dx7transmat.h"

void ITROneMat::Reset() {
    SetVector(0, 0, 0);
}

void ITROneMat::Add(float x, float y, float z) {
    SetVector(vector.x + x, vector.y + y, vector.z + z);
}

void ITROneMat::SetVector(float x, float y, float z) {
    vector = {x, y, z};
    changed = true;
}

const TMatValues& ITROneMat::GetMat() {
    if (changed) {
        cache = BuildMat();
        changed = false;
    }
    return cache;
}

void TTRScaling::Reset() {
    SetVector(1, 1, 1);
}

TMatValues TTRScaling::BuildMat() const {
    return MatMul(IdentityMat(), ScaleMat(Vector().x, Vector().y, Vector().z));
}

TMatValues TTRPosition::BuildMat() const {
    return MatMul(IdentityMat(), MoveMat(Vector().x, Vector().y, Vector().z));
}

TMatValues TTRRotation::BuildMat() const {
    TMatValues m = IdentityMat();
    m = MatMul(m, XRotaMat(Vector().x));
    m = MatMul(m, YRotaMat(Vector().y));
    return MatMul(m, ZRotaMat(Vector().z));
}

void TTRRotaAxis::SetShiftX(float y, float z) {
    shiftX = {y, z};
    MarkChanged();
}

void TTRRotaAxis::SetShiftY(float x, float z) {
    shiftY = {x, z};
    MarkChanged();
}

void TTRRotaAxis::SetShiftZ(float x, float y) {
    shiftZ = {x, y};
    MarkChanged();
}

TMatValues TTRRotaAxis::BuildMat() const {
    TMatValues m = IdentityMat();
    m = MatMul(m, XRotaAxisMat(Vector().x, shiftX.a, shiftX.b));
    m = MatMul(m, YRotaAxisMat(Vector().y, shiftY.a, shiftY.b));
    return MatMul(m, ZRotaAxisMat(Vector().z, shiftZ.a, shiftZ.b));
}
