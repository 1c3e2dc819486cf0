#pragma once
// The list's header line in two levels: a group's header spans its member columns above their own
// headers, and a column outside any group takes the whole height. The group header always spans the
// members that are visible; the group header width of the format is kept in the text for the dialogs
// that compute it, but a header drawn wider or narrower than its members would only mislead.
#include <QHeaderView>
#include <memory>

#include "core/listformat/list_format.h"

namespace kvilo::listcontrol {

class GroupHeaderView : public QHeaderView {
    Q_OBJECT
public:
    // The format is shared with the list, which changes it: the header may outlive the list's members
    // while Qt tears the widgets down.
    GroupHeaderView(std::shared_ptr<const listformat::ListFormat> format, QWidget* parent = nullptr);

    bool hasGroups() const;
    // The group header over section `logical`, in viewport coordinates; empty for a column outside groups
    // and for a group whose members are all hidden.
    QRect groupRect(int logical) const;
    QSize sizeHint() const override;

signals:
    // A right-button release on the header: the column under the mouse (from 1), 0 when there is none.
    void rightButtonReleased(int column);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logical) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Cell {
        QRect rect;
        QString text;
        QColor colour;
        Qt::Alignment alignment;
        int indent = 0; // dialog units
    };
    void paintCell(QPainter* painter, const Cell& cell, int logical) const;
    Cell groupCell(int logical) const;

    std::shared_ptr<const listformat::ListFormat> format_;
};

} // namespace kvilo::listcontrol
