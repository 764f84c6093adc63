#include "qt/window_adapter.hpp"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "qt/control_adapter.hpp"
#include "qt/qt_text.hpp"
#include "toolkit/twips.hpp"

namespace tw {

namespace {

window_state state_of(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return window_state::minimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return window_state::maximized;
    return window_state::normal;
}

Qt::WindowStates qt_state(window_state state) {
    switch (state) {
        case window_state::minimized:
            return Qt::WindowMinimized;
        case window_state::maximized:
            return Qt::WindowMaximized;
        case window_state::normal:
            break;
    }
    return Qt::WindowNoState;
}

class window_adapter : public control_adapter<window, QWidget> {
public:
    window_adapter(window& form, QWidget* widget, window_sizing sizing)
        : control_adapter(form, widget), sizing_(sizing) {
        widget->installEventFilter(this);
    }

protected:
    void mirror() override {
        widget()->setWindowTitle(to_qt(control().caption()));
        mirror_geometry();
        const Qt::WindowStates current = widget()->windowState();
        if (state_of(current) != control().state())
            widget()->setWindowState(
                (current & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) |
                qt_state(control().state()));
    }

    void mirror_presence() override {
        widget()->setEnabled(control().enabled());
        if (widget()->testAttribute(Qt::WA_WState_ExplicitShowHide))
            show_or_hide(widget(), control().visible());
    }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Close:
                from_user([this] { control().unload(); });
                break;
            case QEvent::WindowStateChange:
                from_user([this] { control().set_state(state_of(widget()->windowState())); });
                break;
            case QEvent::Resize:
                from_user([this] { report_size(); });
                break;
            case QEvent::Show:
            case QEvent::WindowActivate:
                fit_into_frame();
                break;
            case QEvent::Move:
                fit_into_frame();
                from_user([this] { report_position(); });
                break;
            default:
                break;
        }
        return false;
    }

private:
    QPoint pixels(int x_twips, int y_twips) const {
        return {twips_to_pixels(x_twips, widget()->logicalDpiX()),
                twips_to_pixels(y_twips, widget()->logicalDpiY())};
    }
    // What the window manager's frame and title bar add around the widget;
    // known once the window is shown, and whenever the frame changes.
    QSize frame_size() const {
        const QWindow* shown = widget()->windowHandle();
        if (!shown) return {};
        const QMargins frame = shown->frameMargins();
        return {frame.left() + frame.right(), frame.top() + frame.bottom()};
    }
    // The form's size is the window's outer size; the widget gets what the
    // frame leaves of it.
    QSize inner_size() const {
        const QPoint outer = pixels(control().width(), control().height());
        return QSize(outer.x(), outer.y()) - frame_size();
    }

    void mirror_geometry() {
        fit_into_frame();
        if (const QPoint at = pixels(control().left(), control().top()); at != widget()->pos())
            widget()->move(at);
    }
    void fit_into_frame() {
        // A form without a size yet keeps the widget's own.
        if (control().width() <= 0 || control().height() <= 0) return;
        const QSize size = inner_size();
        if (size == widget()->size()) return;
        if (sizing_ == window_sizing::fixed)
            widget()->setFixedSize(size);
        else
            widget()->resize(size);
    }

    // Pixels that already stand for the form's twips are not reported back,
    // so rounding never creeps into the form's size or position.
    void report_size() {
        if (widget()->isMinimized() || widget()->size() == inner_size()) return;
        const QSize outer = widget()->size() + frame_size();
        control().set_size(pixels_to_twips(outer.width(), widget()->logicalDpiX()),
                           pixels_to_twips(outer.height(), widget()->logicalDpiY()));
    }
    void report_position() {
        const QPoint at = widget()->pos();
        if (at == pixels(control().left(), control().top())) return;
        control().move_to(pixels_to_twips(at.x(), widget()->logicalDpiX()),
                          pixels_to_twips(at.y(), widget()->logicalDpiY()));
    }

    window_sizing sizing_;
};

}  // namespace

void adapt(window& form, QWidget* widget, window_sizing sizing) {
    attach<window_adapter>(form, widget, sizing);
}

}  // namespace tw
