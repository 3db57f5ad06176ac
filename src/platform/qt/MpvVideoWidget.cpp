#include "platform/qt/MpvVideoWidget.h"

#include <QOpenGLContext>

#include <mpv/render_gl.h>

namespace platform::qt {

namespace {
void* procAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(QByteArray(name))) : nullptr;
}
} // namespace

MpvVideoWidget::MpvVideoWidget(mpv_handle* mpv, std::function<void()> onReady)
    : mpv_(mpv), onReady_(std::move(onReady)) {
    setMinimumSize(1, 1);
}

MpvVideoWidget::~MpvVideoWidget() {
    makeCurrent();
    freeRender();
    doneCurrent();
}

void MpvVideoWidget::initializeGL() {
    freeRender();
    mpv_opengl_init_params glInit{&procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&render_, mpv_, params) < 0) {
        render_ = nullptr;
        return;
    }
    mpv_render_context_set_update_callback(render_, &MpvVideoWidget::onMpvUpdate, this);
    // A context that Qt throws away (the widget moved to another window) takes ours with it.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        freeRender();
        doneCurrent();
    });
    if (onReady_) {
        onReady_();
    }
}

void MpvVideoWidget::paintGL() {
    if (!render_) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()), static_cast<int>(width() * ratio),
                       static_cast<int>(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render_, params);
}

// Runs on one of mpv's threads: only a queued call may reach the widget from here.
void MpvVideoWidget::onMpvUpdate(void* self) {
    auto* widget = static_cast<MpvVideoWidget*>(self);
    QMetaObject::invokeMethod(
        widget,
        [widget] {
            if (widget->render_ && (mpv_render_context_update(widget->render_) & MPV_RENDER_UPDATE_FRAME)) {
                widget->update();
            }
        },
        Qt::QueuedConnection);
}

void MpvVideoWidget::freeRender() {
    if (render_) {
        // Once this returns mpv calls onMpvUpdate no more.
        mpv_render_context_free(render_);
        render_ = nullptr;
    }
}

} // namespace platform::qt
