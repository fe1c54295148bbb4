#include "graphics/ShaderObject.h"

#include <GL/glew.h>

#include <vector>

#include "engine/LoggingSystem.h"
#include "platform/WholeFile.h"

namespace
{
// The lines go right after the "#version" line, which must stay first.
std::string WithDefines(const std::string& source, const std::string& defines)
{
    if (defines.empty())
        return source;
    const std::size_t lineEnd = source.find('\n');
    if (source.compare(0, 8, "#version") != 0 || lineEnd == std::string::npos)
        return defines + source;
    return source.substr(0, lineEnd + 1) + defines + source.substr(lineEnd + 1);
}

std::string ShaderLog(GLuint shader)
{
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    if (length <= 1)
        return "(no log)";
    std::vector<char> log(static_cast<size_t>(length));
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    return std::string(log.data());
}

std::string ProgramLog(GLuint program)
{
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    if (length <= 1)
        return "(no log)";
    std::vector<char> log(static_cast<size_t>(length));
    glGetProgramInfoLog(program, length, nullptr, log.data());
    return std::string(log.data());
}
} // namespace

ShaderObject::~ShaderObject()
{
    ReleaseGL();
}

void ShaderObject::Fail(const std::string& message)
{
    error = message;
    Framework::ReportError(message);
}

bool ShaderObject::Compile(unsigned int shader, const std::string& source, const std::string& path)
{
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        Fail("Shader \"" + path + "\" does not compile: " + ShaderLog(shader));
        return false;
    }
    return true;
}

void ShaderObject::Load(std::string vertexPath, std::string fragmentPath, const std::string& defines)
{
    ReleaseGL();
    linked = false;
    error.clear();
    uniforms = ShaderUniforms();
    if (!GLReady()) {
        Fail("Shader program \"" + vertexPath + "\" + \"" + fragmentPath +
             "\" cannot be built without an OpenGL context");
        return;
    }

    program = glCreateProgram();
    vertexShader = glCreateShader(GL_VERTEX_SHADER);
    fragmentShader = glCreateShader(GL_FRAGMENT_SHADER);

    std::string vertexSource;
    if (!Platform::ReadWholeFile(vertexPath, vertexSource)) {
        Fail("Shader file missing: \"" + vertexPath + "\"");
        return;
    }
    std::string fragmentSource;
    if (!Platform::ReadWholeFile(fragmentPath, fragmentSource)) {
        Fail("Shader file missing: \"" + fragmentPath + "\"");
        return;
    }

    const bool vertexOk = Compile(vertexShader, WithDefines(vertexSource, defines), vertexPath);
    const bool fragmentOk = Compile(fragmentShader, WithDefines(fragmentSource, defines), fragmentPath);

    if (vertexOk && fragmentOk) {
        glAttachShader(program, vertexShader);
        glAttachShader(program, fragmentShader);
        glBindAttribLocation(program, kPositionAttribute, "position");
        glBindAttribLocation(program, kTexCoordAttribute, "texCoord");
        glBindAttribLocation(program, kTintAttribute, "vertexTint");
        glBindAttribLocation(program, kLightsLowAttribute, "lightSlotsLow");
        glBindAttribLocation(program, kLightsHighAttribute, "lightSlotsHigh");
        glLinkProgram(program);
        GLint ok = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (ok == GL_TRUE)
            linked = true;
        else
            Fail("Shader program \"" + vertexPath + "\" + \"" + fragmentPath +
                 "\" does not link: " + ProgramLog(program));
        glDetachShader(program, vertexShader);
        glDetachShader(program, fragmentShader);
    }
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    vertexShader = 0;
    fragmentShader = 0;

    if (!linked)
        return;
    uniforms.mvp = glGetUniformLocation(program, "MVP");
    uniforms.inColor = glGetUniformLocation(program, "inColor");
    uniforms.alphaVal = glGetUniformLocation(program, "alphaVal");
    uniforms.targetMatrix = glGetUniformLocation(program, "targetMatrix");
    uniforms.ambientLight = glGetUniformLocation(program, "AmbientLight");
    uniforms.activeLights = glGetUniformLocation(program, "activeLights");
    const GLuint block = glGetUniformBlockIndex(program, "LightBlock");
    uniforms.lightBlockIndex = block == GL_INVALID_INDEX ? -1 : static_cast<int>(block);
}

void ShaderObject::ReleaseGL()
{
    if (GLReady()) {
        if (vertexShader)
            glDeleteShader(vertexShader);
        if (fragmentShader)
            glDeleteShader(fragmentShader);
        if (program)
            glDeleteProgram(program);
    }
    program = 0;
    vertexShader = 0;
    fragmentShader = 0;
    linked = false;
}
