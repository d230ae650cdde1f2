#include "ui/visual_styles_win.h"

#include "ui/application_win.h"

namespace {
// The activation context of the plug-in's manifest, made on first use and released when the
// library unloads.
class PluginActivationContext {
 public:
  PluginActivationContext() {
    ACTCTXA context = {};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.hModule = LibraryInstance();
    context.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    handle_ = CreateActCtxA(&context);
  }
  ~PluginActivationContext() {
    if (handle_ != INVALID_HANDLE_VALUE) {
      ReleaseActCtx(handle_);
    }
  }
  PluginActivationContext(const PluginActivationContext&) = delete;
  PluginActivationContext& operator=(const PluginActivationContext&) = delete;

  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Keeps the plug-in's activation context active on this thread while it lives.
class ActivationScope {
 public:
  explicit ActivationScope(HANDLE context) {
    active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
  }
  ~ActivationScope() {
    if (active_) {
      DeactivateActCtx(0, cookie_);
    }
  }
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};
}  // namespace

HWND CreateWindowWithVisualStyles(DWORD exStyle, const char* className, const char* caption,
                                  DWORD style, int left, int top, int width, int height, HWND owner,
                                  HMENU menu, HINSTANCE instance, void* parameter) {
  static const PluginActivationContext context;
  const ActivationScope scope(context.Get());
  return CreateWindowExA(exStyle, className, caption, style, left, top, width, height, owner, menu,
                         instance, parameter);
}
