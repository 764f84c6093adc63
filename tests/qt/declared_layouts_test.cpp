// Every form as the Qt view shows it: each control inside its page, each
// caption within its control, and Tab in the layout's order. ctest runs
// this once more on a screen of 144 DPI (QT_SCALE_FACTOR=1.5).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtWidgets>
#include <memory>

#include "layout_rules.hpp"
#include "qt/form_view.hpp"
#include "qt/main_window_view.hpp"
#include "qt/window_adapter.hpp"
#include "test_program.hpp"
#include "toolkit/twips.hpp"

namespace tw {
namespace {

// The window manager's title bar, which the test platform does not draw:
// the layouts leave this much room for it, more than common desktops take.
constexpr int title_bar_twips = 576;

std::unique_ptr<QWidget> show(const modal_form& f, program& p) {
    std::unique_ptr<QWidget> shown;
    if (f.form == &p.main.form) {
        shown = std::make_unique<main_window_view>(p.main);
    } else {
        auto dialog = std::make_unique<QDialog>();
        build_form_view(f.layout, *dialog);
        adapt(*f.form, dialog.get(), window_sizing::fixed);
        shown = std::move(dialog);
    }
    shown->show();
    return shown;
}

// What the window takes around `page` (every page of a form has the same
// size), frame included.
testing::page_margins margins_around(const QWidget& window, const QWidget& page) {
    const QPoint at = page.mapTo(&window, QPoint(0, 0));
    const QMargins frame = window.windowHandle()->frameMargins();
    const int title_bar = twips_to_pixels(title_bar_twips, window.logicalDpiY());
    return {at.x() + frame.left(), at.y() + std::max(frame.top(), title_bar),
            window.width() - at.x() - page.width() + frame.right(),
            window.height() - at.y() - page.height() + frame.bottom()};
}

// What a caption needs beyond what its widget gives it, or "".
std::string caption_fault(const QWidget& widget, const QString& caption) {
    const QFontMetrics metrics = widget.fontMetrics();
    const QStyle& style = *widget.style();
    QSize room = widget.size(), need;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        room = label->contentsRect().size();
        need = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, caption)
                   .size();
    } else if (qobject_cast<const QPushButton*>(&widget)) {
        const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
        room -= QSize(style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &widget) + 2 * frame,
                      2 * frame);
        need = metrics.size(Qt::TextSingleLine, caption);
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = caption;
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title =
            style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        need = QSize(title.right() + 1, title.height());
    } else {  // a check box or option button: mark, gap and text
        need = QSize(widget.sizeHint().width(), metrics.height());
    }
    if (need.width() <= room.width() && need.height() <= room.height()) return "";
    return QStringLiteral("%1 needs %2x%3 px for \"%4\", has %5x%6")
        .arg(widget.objectName())
        .arg(need.width())
        .arg(need.height())
        .arg(caption)
        .arg(room.width())
        .arg(room.height())
        .toStdString();
}

// The names of the page's widgets that Tab reaches, in the order it does.
std::vector<std::string> tab_stops(QWidget& window) {
    std::vector<std::string> stops;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled() ||
            !w->isVisibleTo(&window))
            continue;
        QWidget* named = w;
        while (named->objectName().isEmpty() || named->objectName().startsWith("qt_"))
            named = named->parentWidget();
        if (named == &window) continue;
        if (const std::string name = named->objectName().toStdString();
            stops.empty() || stops.back() != name)
            stops.push_back(name);
    }
    return stops;
}

TEST(qt_declared_layouts, every_control_and_caption_fits_and_tab_follows_the_layout) {
    testing::test_program p;
    for (const modal_form& f : testing::every_form(p.prog)) {
        for (const auto& page : f.layout.pages)
            for (const placement& c : page) testing::control_of(c.control)->set_enabled(true);
        const std::unique_ptr<QWidget> window = show(f, p.prog);
        const int dpi = window->logicalDpiY();
        SCOPED_TRACE(window->objectName().toStdString() + " " +
                     window->windowTitle().toStdString() + " at " +
                     std::to_string(qRound(dpi * window->devicePixelRatioF())) + " DPI");
        // A page's first control lies on the page: frames come before what they hold.
        const QWidget* page =
            window->findChild<QWidget*>(f.layout.pages[0][0].name)->parentWidget();
        EXPECT_THAT(testing::controls_outside_page(f, dpi, margins_around(*window, *page)),
                    ::testing::IsEmpty());
        for (std::size_t i = 0; i < f.layout.pages.size(); ++i) {
            const auto& controls = f.layout.pages[i];
            if (f.layout.tabs) f.layout.tabs->set_tab(static_cast<int>(i));
            for (const placement& c : controls) {
                const std::string caption = testing::caption_of(c);
                if (caption.empty()) continue;
                EXPECT_EQ(caption_fault(*window->findChild<QWidget*>(c.name),
                                        QString::fromStdString(caption)),
                          "");
            }
            const std::vector<std::string> stops = tab_stops(*window);
            EXPECT_EQ(stops, testing::in_tab_order(f.layout, i, stops));
        }
    }
}

}  // namespace
}  // namespace tw
