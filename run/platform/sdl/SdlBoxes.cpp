// ImGui boxes: one small window, one ImGui context for the box's lifetime.
#include "run/platform/sdl/SdlBoxes.h"

#include "run/platform/sdl/ImGuiRenderer.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

namespace run::platform {

namespace {

std::string boxFontFile() {
    std::string file;
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>("Liberation Sans"));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    if (FcPattern* match = FcFontMatch(nullptr, pat, &result)) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return file;
}

// Runs a box window until `frame` reports it is done. `frame` draws the contents with ImGui
// and returns true once answered; `onEscape` runs when Escape is pressed.
void runBox(const std::string& title, int width, const std::function<bool()>& frame, ModalHost& host,
            const std::function<void()>& onClose) {
    SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width, 160, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALWAYS_ON_TOP);
    if (!window) {
        onClose();
        return;
    }
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    IMGUI_CHECKVERSION();
    ImGuiContext* ctx = ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    std::string font = boxFontFile();
    if (!font.empty()) io.Fonts->AddFontFromFileTTF(font.c_str(), 15.0f);
    ImGui::StyleColorsLight();
    ImGui_ImplSDL2_InitForSDLRenderer(window);
    auto drawer = std::make_unique<ImGuiRenderer>(renderer);

    Uint32 boxId = SDL_GetWindowID(window);
    bool done = false, shown = false;
    int frames = 0;
    while (!done) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            // Only the box takes input while it is open; the game's windows wait.
            Uint32 wid = 0;
            switch (e.type) {
            case SDL_WINDOWEVENT:
                wid = e.window.windowID;
                break;
            case SDL_MOUSEMOTION:
                wid = e.motion.windowID;
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                wid = e.button.windowID;
                break;
            case SDL_MOUSEWHEEL:
                wid = e.wheel.windowID;
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                wid = e.key.windowID;
                break;
            case SDL_TEXTINPUT:
                wid = e.text.windowID;
                break;
            case SDL_QUIT:
                onClose();
                done = true;
                continue;
            default:
                break;
            }
            if (wid != boxId) continue;
            if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE) {
                onClose();
                done = true;
            }
            ImGui_ImplSDL2_ProcessEvent(&e);
        }
        if (done) break;
        host.pumpWhileModal();
        ImGui_ImplSDL2_NewFrame();
        ImGui::NewFrame();
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        ImGui::SetNextWindowPos(ImVec2(0, 0));
        ImGui::SetNextWindowSize(ImVec2(float(width), float(h)));
        ImGui::Begin("##box", nullptr,
                     ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                         ImGuiWindowFlags_NoSavedSettings);
        done = frame();
        // The window takes the height its contents need (known once they are laid out).
        int needed = int(ImGui::GetCursorPosY() + ImGui::GetStyle().WindowPadding.y);
        ImGui::End();
        ImGui::Render();
        if (needed != h && needed > 20) {
            SDL_SetWindowSize(window, width, needed);
            SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
        ++frames;
        SDL_SetRenderDrawColor(renderer, 240, 240, 240, 255);
        SDL_RenderClear(renderer);
        drawer->render(ImGui::GetDrawData());
        SDL_RenderPresent(renderer);
        if (!shown && frames >= 2) {
            SDL_ShowWindow(window);
            SDL_RaiseWindow(window);
            shown = true;
        }
        SDL_Delay(static_cast<Uint32>(std::clamp<std::uint64_t>(host.nextTimerDelay(), 1, 16)));
    }
    drawer.reset();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext(ctx);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
}

const char* iconGlyph(int style) {
    switch (style & 0x70) {
    case kCritical:
        return "(X)";
    case kQuestion:
        return "(?)";
    case kExclamation:
        return "(!)";
    case kInformation:
        return "(i)";
    default:
        return nullptr;
    }
}

} // namespace

int RunSdlMessageBox(const MessageBoxRequest& request, ModalHost& host) {
    MessageBoxButton buttons[3];
    int count = MessageBoxButtons(request.style, buttons);
    int defaultIndex = MessageBoxDefaultIndex(request.style);
    int result = 0;
    // Closing the box answers Cancel where there is one, else the default button.
    int closeAnswer = buttons[defaultIndex].result;
    for (int i = 0; i < count; ++i) {
        if (buttons[i].result == kResultCancel) closeAnswer = kResultCancel;
    }
    int width = std::clamp(int(request.text.size()) * 7 + 80, 300, 520);
    runBox(
        request.title, width,
        [&] {
            if (const char* icon = iconGlyph(request.style)) {
                ImGui::TextUnformatted(icon);
                ImGui::SameLine();
            }
            ImGui::PushTextWrapPos(float(width) - 16);
            ImGui::TextUnformatted(request.text.c_str());
            ImGui::PopTextWrapPos();
            ImGui::Spacing();
            ImGui::Separator();
            for (int i = 0; i < count; ++i) {
                if (i > 0) ImGui::SameLine();
                if (i == defaultIndex) ImGui::SetItemDefaultFocus();
                if (ImGui::Button(buttons[i].caption, ImVec2(90, 0))) result = buttons[i].result;
            }
            if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter)))
                result = buttons[defaultIndex].result;
            if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape))) result = closeAnswer;
            return result != 0;
        },
        host, [&] { result = closeAnswer; });
    return result ? result : closeAnswer;
}

std::optional<std::string> RunSdlInputBox(const InputBoxRequest& request, ModalHost& host) {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "%s", request.defaultText.c_str());
    int state = 0; // 1 OK, 2 Cancel
    bool focused = false;
    runBox(
        request.title, 420,
        [&] {
            ImGui::PushTextWrapPos(404);
            ImGui::TextUnformatted(request.prompt.c_str());
            ImGui::PopTextWrapPos();
            if (!focused) {
                ImGui::SetKeyboardFocusHere();
                focused = true;
            }
            ImGui::SetNextItemWidth(404);
            if (ImGui::InputText("##input", buffer, sizeof buffer, ImGuiInputTextFlags_EnterReturnsTrue))
                state = 1;
            if (ImGui::Button("OK", ImVec2(90, 0))) state = 1;
            ImGui::SameLine();
            if (ImGui::Button("Cancel", ImVec2(90, 0))) state = 2;
            if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape))) state = 2;
            return state != 0;
        },
        host, [&] { state = 2; });
    if (state == 1) return std::string(buffer);
    return std::nullopt;
}

} // namespace run::platform
