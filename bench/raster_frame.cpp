// A heavy game frame drawn by our rasteriser and, for comparison, by SDL2's
// software renderer through SDL_RenderGeometry. Prints both medians and the
// ratio after the benchmark run. LNF_BENCH_SAVE=prefix saves both frames as BMP.
#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/Device.h"

using platform::Device;
using platform::Texture;
using platform::Vertex;

namespace {

enum class Blend { Normal, Additive };

struct Quad {
    Vertex v[4];
    int texture;  // index into the texture list
    Blend blend;
    bool linear;
    int layer;
};

const char* const kLayerNames[] = {"background", "tiles", "bullets", "sprites", "additive", "hud"};
constexpr int kLayerCount = 6;

struct Scene {
    std::vector<std::unique_ptr<Texture>> textures;
    std::vector<Quad> quads;
    long pixels = 0;  // approximate, from the quad areas
    int layer = 0;    // layer of the quads being added
};

// Textures: background, tile sheet, bullets, sprites, glow, HUD.
std::unique_ptr<Texture> makeTexture(int w, int h, int style, std::mt19937& rng) {
    auto t = std::make_unique<Texture>(w, h, false);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint32_t c = 0xFF000000u | (uint32_t(x * 255 / w) << 16) | (uint32_t(y * 255 / h) << 8) |
                         (rng() & 0x3F);
            float dx = (x % 64 - 31.5f) / 32.0f, dy = (y % 64 - 31.5f) / 32.0f;
            float r = std::sqrt(dx * dx + dy * dy);
            switch (style) {
            case 1:  // tiles: opaque with keyed holes
                if ((x / 4 + y / 4) % 11 == 0) c = 0;
                break;
            case 2:  // round bullets with soft rims
            case 3:  // sprites: a shape on a keyed background
                if (r > 1.0f) c = 0;
                else if (style == 2 && r > 0.8f) c = (c & 0xFFFFFF) | uint32_t((1.0f - r) * 5 * 255) << 24;
                break;
            case 4:  // additive glow
                c = r > 1.0f ? 0 : 0xFF000000u | uint32_t((1 - r) * 255) * 0x010101u;
                break;
            default: break;
            }
            t->pixels()[size_t(y) * w + x] = c;
        }
    }
    return t;
}

void addQuad(Scene& s, float x, float y, float w, float h, int texture, float u0, float v0,
             float u1, float v1, uint32_t color, Blend blend, bool linear, float rotation = -1) {
    Quad q;
    float us[] = {u0, u1, u1, u0}, vs[] = {v0, v0, v1, v1};
    static const int kOffsets[] = {225, 315, 45, 135};
    for (int i = 0; i < 4; ++i) {
        float px, py;
        if (rotation < 0) {
            px = (i == 1 || i == 2) ? x + w : x;
            py = (i >= 2) ? y + h : y;
        } else {
            float a = (rotation + kOffsets[i]) * 0.017444f;
            px = x + w / 2 + w * 0.7f * std::cos(a);
            py = y + h / 2 + h * 0.7f * std::sin(a);
        }
        q.v[i] = {px, py, 0, 1, color, us[i], vs[i]};
    }
    q.texture = texture;
    q.blend = blend;
    q.linear = linear;
    q.layer = s.layer;
    s.quads.push_back(q);
    s.pixels += long(w * h);
}

Scene buildScene() {
    Scene s;
    std::mt19937 rng(20240611);
    s.textures.push_back(makeTexture(640, 480, 0, rng));
    s.textures.push_back(makeTexture(256, 256, 1, rng));
    s.textures.push_back(makeTexture(128, 128, 2, rng));
    s.textures.push_back(makeTexture(256, 256, 3, rng));
    s.textures.push_back(makeTexture(128, 128, 4, rng));
    s.textures.push_back(makeTexture(256, 64, 0, rng));
    auto real = [&](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); };
    auto cell = [&](int n) { return float(rng() % n); };

    addQuad(s, 0, 0, 640, 480, 0, 0, 0, 1, 1, 0xFFFFFFFF, Blend::Normal, false);
    addQuad(s, 0, 0, 640, 480, 0, 0.25f, 0, 1.25f, 1, 0x80FFFFFF, Blend::Normal, false);
    s.layer = 1;
    for (int i = 0; i < 300; ++i) {  // map tiles on a 32-pixel grid, scrolled
        float x = float(i % 20) * 32 - 13, y = float(i / 20) * 32 - 7;
        float u = cell(8) / 8, v = cell(8) / 8;
        addQuad(s, x, y, 32, 32, 1, u, v, u + 0.125f, v + 0.125f, 0xFFFFFFFF, Blend::Normal, false);
    }
    s.layer = 2;
    for (int i = 0; i < 600; ++i) {  // bullets, a sixth of them rotated
        float x = real(0, 624), y = real(0, 464);
        float u = cell(8) / 8, v = cell(8) / 8;
        addQuad(s, x, y, 16, 16, 2, u, v, u + 0.125f, v + 0.125f, 0xFFFFFFFF, Blend::Normal, true,
                i % 6 == 0 ? float(rng() % 360) : -1.0f);
    }
    s.layer = 3;
    for (int i = 0; i < 60; ++i) {  // enemies and the craft
        float u = cell(4) / 4, v = cell(4) / 4;
        addQuad(s, real(0, 576), real(0, 416), 64, 64, 3, u, v, u + 0.25f, v + 0.25f,
                i % 5 ? 0xFFFFFFFF : 0xFFFF6060, Blend::Normal, false);
    }
    s.layer = 4;
    for (int i = 0; i < 40; ++i) {  // explosions; half drawn from a magnified quarter
        float extent = i % 2 ? 1.0f : 0.5f;
        addQuad(s, real(-32, 544), real(-32, 384), 128, 128, 4, 0, 0, extent, extent,
                uint32_t(128 + rng() % 128) << 24 | 0xFFFFFF, Blend::Additive, true);
    }
    s.layer = 5;
    for (int i = 0; i < 30; ++i) {  // gauges, bars, score digits
        float w = float(16 + (i % 5) * 40), h = float(8 + (i % 3) * 8);
        addQuad(s, float(8 + (i % 3) * 210), float(4 + (i / 3) * 47), w, h, 5, 0, 0, w / 256, h / 64,
                0xFFFFFFFF, Blend::Normal, false);
    }
    return s;
}

void drawOurs(Device& device, const Scene& s, int onlyLayer = -1) {
    device.clear(platform::D3DCLEAR_TARGET | platform::D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f);
    device.beginScene();
    device.setVertexShader(platform::kFvfSprite);
    device.setTextureStageState(platform::D3DTSS_ALPHAOP, platform::D3DTOP_MODULATE);
    device.setTextureStageState(platform::D3DTSS_COLORARG1, platform::D3DTA_TEXTURE);
    device.setTextureStageState(platform::D3DTSS_COLORARG2, platform::D3DTA_DIFFUSE);
    device.setTextureStageState(platform::D3DTSS_ADDRESSU, platform::D3DTADDRESS_CLAMP);
    device.setTextureStageState(platform::D3DTSS_ADDRESSV, platform::D3DTADDRESS_CLAMP);
    device.setRenderState(platform::D3DRS_ALPHABLENDENABLE, 1);
    for (const Quad& q : s.quads) {
        if (onlyLayer >= 0 && q.layer != onlyLayer) continue;
        bool additive = q.blend == Blend::Additive;
        device.setRenderState(platform::D3DRS_SRCBLEND,
                              additive ? platform::D3DBLEND_ONE : platform::D3DBLEND_SRCALPHA);
        device.setRenderState(platform::D3DRS_DESTBLEND,
                              additive ? platform::D3DBLEND_ONE : platform::D3DBLEND_INVSRCALPHA);
        uint32_t filter = q.linear ? platform::D3DTEXF_LINEAR : platform::D3DTEXF_POINT;
        device.setTextureStageState(platform::D3DTSS_MAGFILTER, filter);
        device.setTextureStageState(platform::D3DTSS_MINFILTER, filter);
        device.setTexture(s.textures[q.texture].get());
        device.drawQuad(q.v);
    }
    device.endScene();
}

struct SdlFrame {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::vector<SDL_Texture*> textures;

    explicit SdlFrame(const Scene& s) {
        surface = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
        if (!renderer) return;
        for (const auto& t : s.textures) {
            SDL_Texture* tex = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                 SDL_TEXTUREACCESS_STATIC, t->width(), t->height());
            SDL_UpdateTexture(tex, nullptr, t->pixels(), t->width() * 4);
            textures.push_back(tex);
        }
    }
    ~SdlFrame() {
        for (SDL_Texture* t : textures) SDL_DestroyTexture(t);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (surface) SDL_FreeSurface(surface);
    }
    bool ok() const { return renderer != nullptr; }

    void draw(const Scene& s) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
        for (const Quad& q : s.quads) {
            SDL_Texture* tex = textures[q.texture];
            SDL_SetTextureBlendMode(tex, q.blend == Blend::Additive ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND);
            SDL_SetTextureScaleMode(tex, q.linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
            SDL_Vertex v[4];
            for (int i = 0; i < 4; ++i) {
                uint32_t c = q.v[i].diffuse;
                v[i].position = {q.v[i].x, q.v[i].y};
                v[i].color = {Uint8(c >> 16), Uint8(c >> 8), Uint8(c), Uint8(c >> 24)};
                v[i].tex_coord = {q.v[i].u, q.v[i].v};
            }
            SDL_RenderGeometry(renderer, tex, v, 4, kIndices, 6);
        }
        SDL_RenderFlush(renderer);
    }
};

const Scene& scene() {
    static Scene s = buildScene();
    return s;
}

void BM_OurRasteriser(benchmark::State& state) {
    Device device;
    for (auto _ : state) {
        drawOurs(device, scene());
        benchmark::DoNotOptimize(device.backBuffer()[1000]);
    }
    state.counters["pixels"] = double(scene().pixels);
}
BENCHMARK(BM_OurRasteriser)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_SdlSoftwareRenderer(benchmark::State& state) {
    SdlFrame sdl(scene());
    if (!sdl.ok()) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    for (auto _ : state) sdl.draw(scene());
}
BENCHMARK(BM_SdlSoftwareRenderer)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// CPU time of this thread: the machine may be shared, and both renderers run
// on this one core.
double threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

template <typename Draw>
double medianMs(int frames, Draw draw) {
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        double start = threadMs();
        draw();
        times.push_back(threadMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void saveFrame(const std::string& path, const uint32_t* pixels) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), 640, 480, 32,
                                                        640 * 4, SDL_PIXELFORMAT_ARGB8888);
    if (s) {
        SDL_SaveBMP(s, path.c_str());
        SDL_FreeSurface(s);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();

    Device device;
    SdlFrame sdl(scene());
    double ours = medianMs(60, [&] { drawOurs(device, scene()); });
    double theirs = sdl.ok() ? medianMs(20, [&] { sdl.draw(scene()); }) : 0.0;
    std::printf("\nHeavy frame: %zu quads, about %.2f million pixels\n", scene().quads.size(),
                double(scene().pixels) / 1e6);
    std::printf("Thread CPU time per frame, median of %d and %d frames\n", 60, 20);
    std::printf("Our rasteriser:          median %.3f ms\n", ours);
    if (sdl.ok()) {
        std::printf("SDL2 software renderer:  median %.3f ms\n", theirs);
        std::printf("Ratio:                   %.1fx faster\n", theirs / ours);
    } else {
        std::printf("SDL2 software renderer unavailable: %s\n", SDL_GetError());
    }
    std::printf("Our rasteriser by layer (each with the clear):");
    for (int layer = 0; layer < kLayerCount; ++layer) {
        std::printf(" %s %.3f", kLayerNames[layer], medianMs(30, [&] { drawOurs(device, scene(), layer); }));
    }
    std::printf(" ms\n");
    if (const char* prefix = std::getenv("LNF_BENCH_SAVE")) {
        saveFrame(std::string(prefix) + "ours.bmp", device.backBuffer());
        if (sdl.ok()) saveFrame(std::string(prefix) + "sdl.bmp", static_cast<uint32_t*>(sdl.surface->pixels));
    }
    benchmark::Shutdown();
    return 0;
}
