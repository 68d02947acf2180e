#include "scene/gl/Glprogram.h"

#include "scene/gl/Glerror.h"

#include <QOpenGLExtraFunctions>

namespace {

const char* const VertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;

// Our matrices are row-vector ones; read column by column, M * v is v x M.
uniform mat4 worldViewProj;
uniform mat3 normalMatrix;
uniform vec2 pixelShift;
uniform vec3 towardsLight;
uniform vec3 lightDiffuse;
uniform vec3 lightAmbient;
uniform vec4 materialDiffuse;
uniform vec3 materialAmbient;
uniform vec3 materialEmissive;

out vec4 vertexColour;
out vec2 uv;

void main() {
    vec4 clip = worldViewProj * vec4(position, 1.0);
    clip.xy += pixelShift * clip.w;
    // The projection maps depth to 0..w; OpenGL clips at -w..w.
    clip.z = 2.0 * clip.z - clip.w;
    gl_Position = clip;

    // Not renormalised: a scaled body is lit as the game's device lit it.
    vec3 n = normalMatrix * normal;
    float facing = max(dot(n, towardsLight), 0.0);
    vec3 lit = materialEmissive + lightAmbient * materialAmbient
             + facing * lightDiffuse * materialDiffuse.rgb;
    vertexColour = vec4(clamp(lit, 0.0, 1.0), clamp(materialDiffuse.a, 0.0, 1.0));
    uv = texCoord;
}
)";

const char* const FragmentShader = R"(#version 330 core
in vec4 vertexColour;
in vec2 uv;

uniform sampler2D picture;
uniform bool textured;
uniform bool keyed;
uniform vec3 keyColour;

out vec4 fragment;

void main() {
    if (!textured) {
        fragment = vertexColour;
        return;
    }
    vec4 texel = texture(picture, uv);
    if (keyed && all(lessThan(abs(texel.rgb - keyColour), vec3(0.5 / 255.0)))) {
        discard;
    }
    fragment = vec4(texel.rgb * vertexColour.rgb, texel.a);
}
)";

// The normal transform of a row-vector world matrix: the inverse transpose
// of its upper 3x3, row by row; zero when that part is singular.
std::array<float, 9> NormalMatrixOf(const TMatValues& w) {
    const auto at = [&](int r, int c) { return w[static_cast<size_t>(r * 4 + c)]; };
    std::array<float, 9> cofactors{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            cofactors[static_cast<size_t>(r * 3 + c)] =
                at(r1, c1) * at(r2, c2) - at(r1, c2) * at(r2, c1);
        }
    }
    const float det = at(0, 0) * cofactors[0] + at(0, 1) * cofactors[1] + at(0, 2) * cofactors[2];
    std::array<float, 9> normal{};
    if (det != 0.0f) {
        for (size_t i = 0; i < normal.size(); ++i) {
            normal[i] = cofactors[i] / det;
        }
    }
    return normal;
}

} // namespace

TGLProgram::TGLProgram(QOpenGLExtraFunctions& functions) : gl(functions) {
    if (!program.addShaderFromSourceCode(QOpenGLShader::Vertex, VertexShader) ||
        !program.addShaderFromSourceCode(QOpenGLShader::Fragment, FragmentShader) ||
        !program.link()) {
        throw TGLDeviceError("shaders do not build: " + program.log().toStdString());
    }
    worldViewProj = Location("worldViewProj");
    normalMatrix = Location("normalMatrix");
    pixelShift = Location("pixelShift");
    towardsLight = Location("towardsLight");
    lightDiffuse = Location("lightDiffuse");
    lightAmbient = Location("lightAmbient");
    materialDiffuse = Location("materialDiffuse");
    materialAmbient = Location("materialAmbient");
    materialEmissive = Location("materialEmissive");
    textured = Location("textured");
    keyed = Location("keyed");
    keyColour = Location("keyColour");
    picture = Location("picture");
    program.bind();
    gl.glUniform1i(picture, 0);
}

int TGLProgram::Location(const char* name) {
    const int location = program.uniformLocation(name);
    if (location < 0) {
        throw TGLDeviceError(std::string("shader has no uniform ") + name);
    }
    return location;
}

void TGLProgram::SetTransform(const TMatValues& all, const TMatValues& world) {
    gl.glUniformMatrix4fv(worldViewProj, 1, GL_FALSE, all.data());
    gl.glUniformMatrix3fv(normalMatrix, 1, GL_FALSE, NormalMatrixOf(world).data());
}

void TGLProgram::SetViewportSize(int width, int height) {
    gl.glUniform2f(pixelShift, 1.0f / static_cast<float>(width),
                   -1.0f / static_cast<float>(height));
}

void TGLProgram::SetLight(const TGLLight& light) {
    gl.glUniform3f(towardsLight, light.towardsLight[0], light.towardsLight[1],
                   light.towardsLight[2]);
    gl.glUniform3f(lightDiffuse, light.diffuse.r, light.diffuse.g, light.diffuse.b);
    gl.glUniform3f(lightAmbient, light.ambient.r, light.ambient.g, light.ambient.b);
}

void TGLProgram::SetMaterial(const TD3DMaterial& m) {
    gl.glUniform4f(materialDiffuse, m.diffuse.r, m.diffuse.g, m.diffuse.b, m.diffuse.a);
    gl.glUniform3f(materialAmbient, m.ambient.r, m.ambient.g, m.ambient.b);
    gl.glUniform3f(materialEmissive, m.emissive.r, m.emissive.g, m.emissive.b);
}

void TGLProgram::SetUntextured() {
    gl.glUniform1i(textured, 0);
}

void TGLProgram::SetTextured(const std::array<float, 3>* key) {
    gl.glUniform1i(textured, 1);
    gl.glUniform1i(keyed, key ? 1 : 0);
    if (key) {
        gl.glUniform3f(keyColour, (*key)[0] / 255.0f, (*key)[1] / 255.0f, (*key)[2] / 255.0f);
    }
}
