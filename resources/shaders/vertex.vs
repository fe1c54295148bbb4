#version 140
// Plain program: a textured, tinted quad, no lights. The vertex tint (rgb) and fade (a) are
// the quad's own; inColor and alphaVal apply to the whole draw.
in vec3 position;
in vec2 texCoord;
in vec4 vertexTint;

uniform mat4 MVP;
uniform vec3 inColor;
uniform float alphaVal;

out vec2 uv;
flat out vec4 tint;

void main()
{
    uv = texCoord;
    tint = vec4(vertexTint.rgb * inColor, vertexTint.a * alphaVal);
    gl_Position = MVP * vec4(position, 1.0);
}
