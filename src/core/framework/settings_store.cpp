#include "core/framework/settings_store.h"

#include <QSettings>
#include <QStringList>
#include <atomic>

#include "core/framework/qt_text.h"

namespace kvilo::framework {

namespace {

std::atomic<SettingsStore*> currentStore{nullptr};

QString SettingsKey(std::string_view section, std::string_view entry) {
    return ToQString(section) + '/' + ToQString(entry);
}

// "SOFTWARE\Tarvelo\EGRUL" names organisation "Tarvelo" and application "EGRUL", which QSettings maps back
// onto that very key in the registry.
std::unique_ptr<QSettings> OpenNative(std::string_view key, uint32_t root) {
    QString path = ToQString(key);
    const QString software = QStringLiteral("SOFTWARE\\");
    if (path.startsWith(software, Qt::CaseInsensitive)) path.remove(0, software.size());
    qsizetype split = path.indexOf('\\');
    QString organisation = split < 0 ? path : path.left(split);
    QString application = split < 0 ? QString() : path.mid(split + 1);
    auto scope = root == kRootLocalMachine ? QSettings::SystemScope : QSettings::UserScope;
    return std::make_unique<QSettings>(QSettings::NativeFormat, scope, organisation, application);
}

std::string ValueText(const QVariant& value) {
    // An INI value with commas that someone wrote by hand reads back as a list.
    if (value.metaType().id() == QMetaType::QStringList) return FromQString(value.toStringList().join(','));
    return FromQString(value.toString());
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::~SettingsStore() {
    Close();
}

void SettingsStore::Open(std::string_view fileOrKey, int32_t kind, uint32_t root) {
    std::lock_guard lock(mutex_);
    CloseLocked();
    fileOrKey_ = std::string(fileOrKey);
    kind_ = kind;
    root_ = root;
    sectors_.clear();
    if (kind == kSettingsIniFile)
        settings_ = std::make_unique<QSettings>(ToQString(fileOrKey), QSettings::IniFormat);
    else if (kind == kSettingsNative)
        settings_ = OpenNative(fileOrKey, root);
    else
        settings_.reset();
    open_ = true;
    ReadSectors();
    sectorsChanged_ = false;
}

void SettingsStore::Close() {
    std::lock_guard lock(mutex_);
    CloseLocked();
}

void SettingsStore::CloseLocked() {
    if (!open_) return;
    // A run that changed nothing must leave the settings file as it found it (or not create it at all).
    if (sectorsChanged_) WriteSectors();
    sectorsChanged_ = false;
    if (settings_) settings_->sync();
    settings_.reset();
    sectors_.clear();
    open_ = false;
}

bool SettingsStore::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

std::string SettingsStore::Fetch(std::string_view section, std::string_view entry,
                                 std::string_view defaultValue) const {
    std::lock_guard lock(mutex_);
    std::string value = settings_ ? ValueText(settings_->value(SettingsKey(section, entry))) : std::string();
    if (value.empty()) value = defaultValue;
    if (value.size() > kMaxSettingsValue) value.resize(kMaxSettingsValue);
    return value;
}

void SettingsStore::Update(std::string_view section, std::string_view entry, std::string_view value) {
    std::lock_guard lock(mutex_);
    if (!settings_) return;
    settings_->setValue(SettingsKey(section, entry), ToQString(value));
    NoteSector(section, entry, "Update");
    sectorsChanged_ = true;
}

void SettingsStore::Delete(std::string_view section, std::string_view entry) {
    std::lock_guard lock(mutex_);
    if (!settings_) return;
    settings_->remove(SettingsKey(section, entry));
    NoteSector(section, entry, "Delete");
    sectorsChanged_ = true;
}

std::vector<SettingsSector> SettingsStore::Sectors() const {
    std::lock_guard lock(mutex_);
    return sectors_;
}

void SettingsStore::NoteSector(std::string_view section, std::string_view entry, std::string_view action) {
    if (section == kSectorsSection) return; // the list itself is rewritten whole at close
    SettingsSector noted{std::string(section.substr(0, kSectorTextWidth)),
                         std::string(entry.substr(0, kSectorTextWidth)), std::string(action)};
    for (SettingsSector& sector : sectors_)
        if (sector.section == noted.section) {
            sector = std::move(noted);
            return;
        }
    sectors_.push_back(std::move(noted));
}

// Layout: "__Dont_Touch_Me__" holds the count, "__Dont_Touch_Me__<n>" the n-th section as
// "section|entry|action".
void SettingsStore::ReadSectors() {
    if (!settings_) return;
    int count = settings_->value(SettingsKey(kSectorsSection, kSectorsEntry)).toInt();
    for (int n = 1; n <= count; ++n) {
        QString key = SettingsKey(kSectorsSection, kSectorsEntry) + QString::number(n);
        QStringList texts = settings_->value(key).toString().split('|');
        if (texts.size() != 3 || texts[0].isEmpty()) continue;
        NoteSector(FromQString(texts[0]), FromQString(texts[1]), FromQString(texts[2]));
    }
}

void SettingsStore::WriteSectors() {
    if (!settings_) return;
    settings_->remove(QString(kSectorsSection));
    settings_->setValue(SettingsKey(kSectorsSection, kSectorsEntry), static_cast<int>(sectors_.size()));
    int n = 0;
    for (const SettingsSector& sector : sectors_) {
        QString key = SettingsKey(kSectorsSection, kSectorsEntry) + QString::number(++n);
        settings_->setValue(key,
                            ToQString(sector.section) + '|' + ToQString(sector.entry) + '|' + ToQString(sector.action));
    }
}

SettingsStore* CurrentSettingsStore() {
    return currentStore.load();
}
SettingsStore* SetSettingsStore(SettingsStore* store) {
    return currentStore.exchange(store);
}

} // namespace kvilo::framework
