#include "qt/event_hook.hpp"

#include <QWidget>

namespace tw {

namespace {

class event_hook : public QObject {
public:
    event_hook(QObject* target, QEvent::Type type, std::function<bool(QEvent&)> handler)
        : QObject(target), type_(type), handler_(std::move(handler)) {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == type_ && handler_(*event);
    }

private:
    QEvent::Type type_;
    std::function<bool(QEvent&)> handler_;
};

}  // namespace

void intercept_event(QObject* target, QEvent::Type type, std::function<bool(QEvent&)> handler) {
    new event_hook(target, type, std::move(handler));
}

void on_event(QObject* target, QEvent::Type type, std::function<void(QEvent&)> handler) {
    intercept_event(target, type, [handler = std::move(handler)](QEvent& event) {
        handler(event);
        return false;
    });
}

void on_user_input(QObject* target, const std::function<void()>& handler) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::KeyPress})
        on_event(target, type, [handler](QEvent&) { handler(); });
}

void wheel_only_with_focus(QWidget* widget) {
    widget->setFocusPolicy(Qt::StrongFocus);
    intercept_event(widget, QEvent::Wheel, [widget](QEvent&) { return !widget->hasFocus(); });
}

}  // namespace tw
