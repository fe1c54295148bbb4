#version 140
// Plain program: texture unit 0 tinted and faded by the vertex stage's tint.
in vec2 uv;
flat in vec4 tint;

uniform sampler2D spriteTexture;

out vec4 fragColour;

void main()
{
    // Outlines are drawn without texture coordinates; the graphics system parks the unused
    // coordinate at (-1, -1), which means "plain colour".
    vec4 texel = uv.x < -0.5 ? vec4(1.0) : texture(spriteTexture, uv);
    fragColour = vec4(texel.rgb * tint.rgb, texel.a * tint.a);
}
