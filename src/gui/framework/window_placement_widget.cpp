#include "gui/framework/window_placement_widget.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kvilo::framework {

namespace {

PlacementRect ToPlacementRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The frame's corner and the inner size, the terms the store keeps: move() takes the one, resize() the other.
PlacementRect PresentRect(const QWidget& window) {
    return {window.x(), window.y(), window.width(), window.height()};
}

} // namespace

std::optional<PlacementRect> ScreenWorkArea::WorkArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    return ToPlacementRect(screen->availableGeometry());
}

WindowState WidgetState(const QWidget& window) {
    WindowState state;
    state.maximized = window.isMaximized();
    state.minimized = window.isMinimized();
    state.resizable = window.minimumSize() != window.maximumSize();
    state.normal = PresentRect(window);
    if (state.maximized) {
        // The restored geometry of a maximized window is the inner one; shift it back to the frame's corner.
        QRect normal = window.normalGeometry();
        QPoint frameOffset = window.geometry().topLeft() - window.pos();
        state.normal = ToPlacementRect(QRect(normal.topLeft() - frameOffset, normal.size()));
    }
    return state;
}

bool RestoreWidgetPlacement(QWidget& window, const SettingsStore& store, std::string_view section,
                            const WorkAreaSource& workArea) {
    std::optional<WindowPlacement> placement = FetchWindowPlacement(store, section);
    if (!placement) return false;
    QSize frameExtra = window.frameGeometry().size() - window.size();
    PlacementRect rect = RestoredRect(*placement, PresentRect(window), WorkAreaOrDefault(workArea), frameExtra.width(),
                                      frameExtra.height());
    window.move(rect.x, rect.y);
    window.resize(rect.width, rect.height);
    if (placement->maximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

void SaveWidgetPlacement(const QWidget& window, SettingsStore& store, std::string_view section) {
    UpdateWindowPlacement(store, section, PlacementOf(WidgetState(window), section));
}

WindowPlacementKeeper::WindowPlacementKeeper(QWidget& window, std::string procedure)
    : QObject(&window), window_(&window), procedure_(std::move(procedure)) {
    if (SettingsStore* store = CurrentSettingsStore())
        RestoreWidgetPlacement(window, *store, procedure_, ScreenWorkArea());
    window.installEventFilter(this);
}

bool WindowPlacementKeeper::eventFilter(QObject* watched, QEvent* event) {
    // A dialog that ends with accept() or reject() is hidden without a close event; a hide that the window
    // system reports (minimizing) is spontaneous and is not a closing.
    if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous())
        if (SettingsStore* store = CurrentSettingsStore()) SaveWidgetPlacement(*window_, *store, procedure_);
    return QObject::eventFilter(watched, event);
}

} // namespace kvilo::framework
