// ImGui draw lists as SDL geometry, with the font atlas as one texture.
#include "run/platform/sdl/ImGuiRenderer.h"

#include <imgui.h>

#include <cstddef>

namespace run::platform {

ImGuiRenderer::ImGuiRenderer(SDL_Renderer* renderer) : m_renderer(renderer) {
    ImGuiIO& io = ImGui::GetIO();
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
    m_font = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
    if (m_font) {
        SDL_UpdateTexture(m_font, nullptr, pixels, w * 4);
        SDL_SetTextureBlendMode(m_font, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(m_font, SDL_ScaleModeLinear);
    }
    io.Fonts->SetTexID(reinterpret_cast<ImTextureID>(m_font));
}

ImGuiRenderer::~ImGuiRenderer() {
    ImGui::GetIO().Fonts->SetTexID(nullptr);
    if (m_font) SDL_DestroyTexture(m_font);
}

void ImGuiRenderer::render(ImDrawData* data) {
    if (!data) return;
    SDL_Rect oldClip;
    SDL_RenderGetClipRect(m_renderer, &oldClip);
    ImVec2 off = data->DisplayPos;
    for (int n = 0; n < data->CmdListsCount; ++n) {
        const ImDrawList* list = data->CmdLists[n];
        const ImDrawVert* verts = list->VtxBuffer.Data;
        const ImDrawIdx* idx = list->IdxBuffer.Data;
        for (int c = 0; c < list->CmdBuffer.Size; ++c) {
            const ImDrawCmd& cmd = list->CmdBuffer[c];
            if (cmd.UserCallback) {
                cmd.UserCallback(list, &cmd);
                continue;
            }
            SDL_Rect clip{int(cmd.ClipRect.x - off.x), int(cmd.ClipRect.y - off.y),
                          int(cmd.ClipRect.z - cmd.ClipRect.x), int(cmd.ClipRect.w - cmd.ClipRect.y)};
            if (clip.w <= 0 || clip.h <= 0) continue;
            SDL_RenderSetClipRect(m_renderer, &clip);
            const ImDrawVert* v = verts + cmd.VtxOffset;
            SDL_RenderGeometryRaw(
                m_renderer, static_cast<SDL_Texture*>(cmd.GetTexID()),
                reinterpret_cast<const float*>(reinterpret_cast<const char*>(v) + offsetof(ImDrawVert, pos)),
                sizeof(ImDrawVert),
                reinterpret_cast<const SDL_Color*>(reinterpret_cast<const char*>(v) +
                                                   offsetof(ImDrawVert, col)),
                sizeof(ImDrawVert),
                reinterpret_cast<const float*>(reinterpret_cast<const char*>(v) + offsetof(ImDrawVert, uv)),
                sizeof(ImDrawVert), list->VtxBuffer.Size - int(cmd.VtxOffset), idx + cmd.IdxOffset,
                int(cmd.ElemCount), sizeof(ImDrawIdx));
        }
    }
    SDL_RenderSetClipRect(m_renderer, oldClip.w > 0 ? &oldClip : nullptr);
}

} // namespace run::platform
