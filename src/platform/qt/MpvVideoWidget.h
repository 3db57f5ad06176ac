#pragma once
// Draws libmpv's picture through its render API. The render context can only be made
// once the widget has its OpenGL context, so the player waits for ready() before it
// loads media.

#include <QOpenGLWidget>

#include <functional>

struct mpv_handle;
struct mpv_render_context;

namespace platform::qt {

class MpvVideoWidget : public QOpenGLWidget {
    Q_OBJECT
public:
    MpvVideoWidget(mpv_handle* mpv, std::function<void()> onReady);
    ~MpvVideoWidget() override;
    bool ready() const { return render_ != nullptr; }

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    static void onMpvUpdate(void* self);
    void freeRender();

    mpv_handle* mpv_;
    mpv_render_context* render_ = nullptr;
    std::function<void()> onReady_;
};

} // namespace platform::qt
