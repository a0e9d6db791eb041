// Draws Dear ImGui's output with an SDL renderer (the packaged ImGui library ships the SDL input
// backend but not this one).
#pragma once

#include <SDL.h>

struct ImDrawData;

namespace run::platform {

class ImGuiRenderer {
  public:
    explicit ImGuiRenderer(SDL_Renderer* renderer);
    ~ImGuiRenderer();
    ImGuiRenderer(const ImGuiRenderer&) = delete;
    ImGuiRenderer& operator=(const ImGuiRenderer&) = delete;
    void render(ImDrawData* data);

  private:
    SDL_Renderer* m_renderer;
    SDL_Texture* m_font = nullptr;
};

} // namespace run::platform
