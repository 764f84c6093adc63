#include "qt/event_hook.hpp"

namespace tw {

namespace {

class event_hook : public QObject {
public:
    event_hook(QObject* target, QEvent::Type type, std::function<void(QEvent&)> handler)
        : QObject(target), type_(type), handler_(std::move(handler)) {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) handler_(*event);
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void(QEvent&)> handler_;
};

}  // namespace

void on_event(QObject* target, QEvent::Type type, std::function<void(QEvent&)> handler) {
    new event_hook(target, type, std::move(handler));
}

void on_user_input(QObject* target, const std::function<void()>& handler) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::KeyPress})
        on_event(target, type, [handler](QEvent&) { handler(); });
}

}  // namespace tw
