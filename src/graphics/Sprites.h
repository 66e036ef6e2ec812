// Sprite quads and the render-state vocabulary every drawing uses: the frame
// skeleton, the shared quad functions, the object quad rule and the trig tables.
// A null texture (an archive entry that failed to load) draws nothing.
#pragma once

#include <cstdint>

#include "objects/GameObject.h"
#include "platform/Device.h"

// cos and sin of i degrees (i = 0..359), with the game's degree factor.
extern float g_cosTable[360];
extern float g_sinTable[360];
void fillTrigTables();

// Render states. They are sticky: a draw sets only what it needs.
void enableAlphaBlend();
void setNormalBlend();    // source alpha, inverse source alpha
void setAdditiveBlend();  // one, one
void setGlowBlend();      // source alpha, one
void setModulateStage();  // colour and alpha = texture x diffuse
void setPointMagFilter();
void setLinearMagFilter();
void setFlatCubicMagFilter();
void setLinearMinFilter();
void setClampAddressing();
// The base states before a frame's first sprite: alpha = texture x diffuse,
// colour arguments texture and diffuse, the normal blend, blending on.
void setSpriteStates();

// Frame skeleton: clear to opaque black, begin the scene, set the vertex
// format; and end the scene and present (resetting a lost device).
void beginSceneFrame();
void endSceneFrame();

// Vertex building. Texture coordinates are an origin (u, v) and an extent
// (du, dv); corners run top-left, top-right, bottom-right, bottom-left.
platform::Vertex spriteVertex(float x, float y, uint32_t argb, float u, float v);
void setQuadTexCoords(platform::Vertex quad[4], float u, float du, float v, float dv);
void axisQuad(platform::Vertex quad[4], float x, float y, float w, float h, uint32_t argb,
              float u, float du, float v, float dv);
// Rotated by the tables about the quad's centre; the corners lie at w x cos and
// h x sin of angle + 225, 315, 45, 135, so the drawn quad is about 1.41 times
// w x h. Any angle is reduced into 0-359 first.
void tableRotatedQuad(platform::Vertex quad[4], float x, float y, float w, float h,
                      int32_t angle, uint32_t argb, float u, float du, float v, float dv);

// Object quads. Colour modes: the full object colour (enemies, bullets) or
// white with the object's alpha (items, effects, shots).
uint32_t objectColour(const GameObject& g);
uint32_t objectFadeColour(const GameObject& g);
void objectQuad(platform::Vertex quad[4], const GameObject& g, uint32_t argb, float u,
                float du, float v, float dv);
// Turned by the object's rotation with the library cosine and sine; the 0.7
// factor makes it 0.99 times the nominal size.
void objectQuadRotated(platform::Vertex quad[4], const GameObject& g, uint32_t argb, float u,
                       float du, float v, float dv);

// Binds a texture to stage 0 (null unbinds it).
void bindTexture(const platform::Texture* texture);
// Submits a quad with the bound texture; nothing is drawn while none is bound.
void drawQuad(const platform::Vertex quad[4]);

// The shared quad functions; each binds its texture first.
void drawSprite(const platform::Texture* texture, float x, float y, float w, float h, float u,
                float du, float v, float dv);
void drawSpriteAdditive(const platform::Texture* texture, float x, float y, float w, float h,
                        float u, float du, float v, float dv);
void drawSpriteFaded(const platform::Texture* texture, float x, float y, float w, float h,
                     float u, float du, float v, float dv, int32_t alpha);
void drawSpriteRotated(const platform::Texture* texture, float x, float y, float w, float h,
                       float u, float du, float v, float dv, int32_t angle);
void drawSpriteRotatedTinted(const platform::Texture* texture, float x, float y, float w,
                             float h, float u, float du, float v, float dv, int32_t angle,
                             const GameObject& tint);
