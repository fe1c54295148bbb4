#version 140
// Plain program: texture unit 0 tinted by inColor, faded by alphaVal.
in vec2 uv;

uniform sampler2D spriteTexture;
uniform vec3 inColor;
uniform float alphaVal;

out vec4 fragColour;

void main()
{
    // Outlines are drawn without texture coordinates; the graphics system parks the unused
    // coordinate at (-1, -1), which means "plain colour".
    vec4 texel = uv.x < -0.5 ? vec4(1.0) : texture(spriteTexture, uv);
    fragColour = vec4(texel.rgb * inColor, texel.a * alphaVal);
}
