#include "gui/extract/requisites_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "base/blank_text.h"
#include "base/control_text.h"
#include "core/extract/requisites_text.h"
#include "core/framework/qt_text.h"

namespace kvilo::extract {

using framework::ToQString;

void CopyRequisites(const lookup::PartyRecord& record) {
    auto* data = new QMimeData;
    data->setText(ToQString(RequisitesText(record)));
    data->setHtml(ToQString(RequisitesHtml(record)));
    QApplication::clipboard()->setMimeData(data); // the clipboard owns it
}

void CopyInn(const lookup::PartyRecord& record) {
    const std::string_view inn = base::Trim(record.DaInn.View());
    if (!inn.empty()) QApplication::clipboard()->setText(ToQString(base::BlankControls(inn)));
}

} // namespace kvilo::extract
