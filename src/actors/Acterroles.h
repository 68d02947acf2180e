#pragma once

// What a block asks of a door or a treasure chest in its wall-object place.
class IOnOffFixture {
public:
    virtual ~IOnOffFixture() = default;
    virtual bool IsOpen() const = 0;
    // Starts opening; returns the key number the lock needs.
    virtual int OpenByHeroine() = 0;
};

// What a room asks of an enemy standing in the way of a patrol.
class IPatrolGuest {
public:
    virtual ~IPatrolGuest() = default;
    // Keepers stay where they are, so patrols route around them.
    virtual bool IsKeeper() const = 0;
};
