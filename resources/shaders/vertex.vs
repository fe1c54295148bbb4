#version 140
// Plain program: a textured, tinted quad, no lights.
in vec3 position;
in vec2 texCoord;

uniform mat4 MVP;

out vec2 uv;

void main()
{
    uv = texCoord;
    gl_Position = MVP * vec4(position, 1.0);
}
