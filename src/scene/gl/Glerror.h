#pragma once

#include <stdexcept>

// The OpenGL device cannot be made (no display, no OpenGL 3.3, a shader or
// framebuffer the driver refuses); the text says which, for the log.
class TGLDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
