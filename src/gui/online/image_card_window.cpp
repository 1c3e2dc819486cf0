#include "gui/online/image_card_window.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QVBoxLayout>
#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/online/location_map.h"
#include "core/online/picture_fit.h"
#include "gui/framework/window_placement_widget.h"
#include "platform/loader.h"
#include "platform/special_folders.h"

namespace kvilo::online {
namespace {

using namespace base::literals;
using framework::ToQString;

constexpr const char* kProcedure = "ImageCard";
constexpr int kCaptionWidth = 255;    // characters the caption field shows
constexpr size_t kCaptionKept = 2048; // characters of the caption text kept

// The picture windows open now, so that the program can close them before it ends.
QList<QPointer<ImageCard>>& OpenCards() {
    static QList<QPointer<ImageCard>> cards;
    return cards;
}

std::atomic<bool> gFinishing{false};

void ShowMissing(const char* text) {
    framework::Message message;
    message.caption = "Сообщение"_ansi;
    message.text = text;
    framework::ShowMessage(message);
}

// The program's base folder with the "Image" folder's name and the file name appended.
std::string ImageFolderPath(std::string_view name) {
    std::string folder = platform::RunningProgramPath();
    folder.erase(folder.rfind(platform::kPathSeparator) + 1);
    return folder + "Image" + platform::kPathSeparator + std::string(name);
}

class QtImageCardOpener : public ImageCardOpener {
public:
    void Open(const std::string& path, const std::string& caption, std::function<void()> closed) override {
        QCoreApplication* application = QCoreApplication::instance();
        if (application == nullptr || gFinishing) return closed();
        QMetaObject::invokeMethod(
            application,
            [path, caption, closed] {
                if (gFinishing) return closed();
                ShowImageCard(path, true, false, caption, closed);
            },
            Qt::QueuedConnection);
    }
};

} // namespace

ImageCard::ImageCard(std::string_view caption, QWidget* parent) : QDialog(parent) {
    setObjectName(kProcedure);
    setWindowTitle(ToQString("Просмотр изображения"_ansi));
    setFont(QFont("Segoe UI"));
    setAttribute(Qt::WA_DeleteOnClose);

    caption_ = new QLineEdit(this);
    caption_->setReadOnly(true);
    caption_->setMaxLength(kCaptionWidth);
    caption_->setText(ToQString(base::Trim(caption.substr(0, kCaptionKept))));
    caption_->setCursorPosition(0);

    region_ = new QFrame(this);
    region_->setFrameShape(QFrame::StyledPanel);
    region_->setMinimumSize(120, 90);
    fallback_ = new QLabel(ToQString("НЕТ КАРТИНКИ"_ansi), region_);
    fallback_->setAlignment(Qt::AlignCenter);
    picture_ = new QLabel(region_);
    picture_->setScaledContents(true);
    picture_->hide();
    region_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(region_, 1);
    // Room for a map picture at its own size.
    resize(680, 520);
}

bool ImageCard::LoadPicture(std::string_view path) {
    pixmap_ = QPixmap(ToQString(path));
    picture_->setPixmap(pixmap_);
    picture_->setVisible(!pixmap_.isNull());
    fallback_->setVisible(pixmap_.isNull());
    Fit();
    return !pixmap_.isNull();
}

bool ImageCard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == region_ && event->type() == QEvent::Resize) Fit();
    return QDialog::eventFilter(watched, event);
}

void ImageCard::Fit() {
    const QRect area = region_->contentsRect();
    fallback_->setGeometry(area);
    const PictureRect place =
        FitPicture(pixmap_.width(), pixmap_.height(), {area.x(), area.y(), area.width(), area.height()});
    picture_->setGeometry(place.x, place.y, place.width, place.height);
}

QPointer<ImageCard> ShowImageCard(std::string_view fileName, bool mustExist, bool imageFolder, std::string_view caption,
                                  std::function<void()> closed) {
    const std::string_view name = base::Trim(fileName);
    if (name.empty() && mustExist) {
        ShowMissing("Отсутствует имя файла с картинкой для просмотра !"_ansi);
        if (closed) closed();
        return nullptr;
    }
    const std::string path = name.empty() ? std::string() : imageFolder ? ImageFolderPath(name) : std::string(name);
    auto* card = new ImageCard(caption);
    if (closed) QObject::connect(card, &QObject::destroyed, [closed = std::move(closed)] { closed(); });
    new framework::WindowPlacementKeeper(*card, kProcedure);
    if (!card->LoadPicture(path) && mustExist) {
        ShowMissing("Отсутствует файл с изображением для просмотра !"_ansi);
        delete card;
        return nullptr;
    }
    OpenCards().removeAll(nullptr);
    OpenCards().append(card);
    card->show();
    return card;
}

void InstallImageCardOpener() {
    static QtImageCardOpener opener;
    SetImageCardOpener(&opener);
}

void FinishLocationMaps() {
    gFinishing = true;
    AbortLocationMaps();
    for (const QPointer<ImageCard>& card : OpenCards())
        if (card) card->close();
    OpenCards().clear();
    // Closed windows are deleted later; only then do their maps learn that they have closed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A map may still show a message on its way out; the windows stay served meanwhile.
    while (RunningLocationMaps() > 0) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    gFinishing = false;
}

} // namespace kvilo::online
