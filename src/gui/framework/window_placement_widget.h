#pragma once
// Saving and restoring a top-level QWidget's placement in the settings store, under its procedure name
// ("Browse_EGRUL", "Form_EGRUL", ...).
#include <QObject>
#include <QPointer>
#include <string>
#include <string_view>

#include "core/framework/window_placement.h"

class QWidget;

namespace kvilo::framework {

// The work area of the screen that shows the desktop (the primary screen).
class ScreenWorkArea : public WorkAreaSource {
public:
    std::optional<PlacementRect> WorkArea() const override;
};

// What the store needs to know of the widget now.
WindowState WidgetState(const QWidget& window);

// Applies the stored placement (position and size kept inside the work area, then the maximized state).
// Returns false when the section holds no valid record; the widget is then left as it is.
bool RestoreWidgetPlacement(QWidget& window, const SettingsStore& store, std::string_view section,
                            const WorkAreaSource& workArea);
// Stores the widget's placement.
void SaveWidgetPlacement(const QWidget& window, SettingsStore& store, std::string_view section);

// Restores a window's placement from the process's store when made and saves it when the window closes.
// Does nothing while no store is installed. Make it once the window has its contents and size, before it
// is shown; it is owned by the window (a child QObject).
class WindowPlacementKeeper : public QObject {
public:
    WindowPlacementKeeper(QWidget& window, std::string procedure);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    std::string procedure_;
};

} // namespace kvilo::framework
