#pragma once
// ImageCard, the picture window ("Просмотр изображения"): a caption line over a region in which the picture
// is fitted with its proportions kept and centred, fitted again whenever the window's size changes. Its
// position and size are kept under "ImageCard". The location map shows its downloaded picture here.
#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <functional>
#include <string_view>

#include "core/framework/error_manager.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace kvilo::online {

// The window. ShowImageCard makes and shows it; tests make it directly and read its controls back.
class ImageCard : public QDialog {
public:
    explicit ImageCard(std::string_view caption, QWidget* parent = nullptr);

    // Loads the picture from `path` (1251) and fits it; false when the file holds no picture, which leaves
    // the fallback text "НЕТ КАРТИНКИ" in view.
    bool LoadPicture(std::string_view path);

    QLineEdit* Caption() const { return caption_; }
    QFrame* Region() const { return region_; }
    QLabel* Picture() const { return picture_; }
    QLabel* Fallback() const { return fallback_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();

    framework::ProcedureScope procedure_{"ImageCard"};
    QPixmap pixmap_;
    QLineEdit* caption_ = nullptr;
    QFrame* region_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* fallback_ = nullptr;
};

// Opens the picture window for `fileName` without waiting for it (on the GUI thread). The path is the file
// name itself, or with `imageFolder` the file name in the "Image" folder beside the program. With
// `mustExist`, a blank file name or a file without a picture is said in a message and no window stays open.
// `closed` is called once the window has closed, or at once when none opened. Returns the window, if any.
QPointer<ImageCard> ShowImageCard(std::string_view fileName, bool mustExist, bool imageFolder, std::string_view caption,
                                  std::function<void()> closed = {});

// Installs the picture window as the location map's ImageCardOpener for the process.
void InstallImageCardOpener();

// Before the program ends: stops the maps still loading, closes the open picture windows (their pictures
// are deleted) and waits, still serving the windows, until every map has finished.
void FinishLocationMaps();

} // namespace kvilo::online
