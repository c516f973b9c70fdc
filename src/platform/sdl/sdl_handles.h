#pragma once
// Owners for the SDL objects the platform holds, so that every window,
// renderer, texture, open file and sound chunk is freed exactly once, in the order the
// owning class declares them.

#include <SDL.h>
#include <SDL_mixer.h>

#include <memory>

namespace verlano::sdl {

struct WindowFree {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct RendererFree {
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
};
struct TextureFree {
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
struct RwFree {
  void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};
struct ChunkFree {
  void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }
};

using WindowPtr = std::unique_ptr<SDL_Window, WindowFree>;
using RendererPtr = std::unique_ptr<SDL_Renderer, RendererFree>;
using TexturePtr = std::unique_ptr<SDL_Texture, TextureFree>;
using RwPtr = std::unique_ptr<SDL_RWops, RwFree>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;

// One SDL subsystem, started on construction when possible and stopped by the
// destructor only if it did start.
class Subsystem {
 public:
  explicit Subsystem(Uint32 flags) : flags_(SDL_InitSubSystem(flags) == 0 ? flags : 0) {}
  ~Subsystem() {
    if (flags_ != 0) SDL_QuitSubSystem(flags_);
  }
  Subsystem(const Subsystem&) = delete;
  Subsystem& operator=(const Subsystem&) = delete;
  bool Started() const { return flags_ != 0; }

 private:
  Uint32 flags_;
};

}  // namespace verlano::sdl
