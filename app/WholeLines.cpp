#include "app/WholeLines.h"

#include <QResizeEvent>

#include <utility>

namespace app {

WholeLines::WholeLines(QWidget* box, int minLines, std::function<int(int)> heightFor, QWidget* parent)
    : QWidget(parent), box_(box), minLines_(minLines), lines_(minLines), heightFor_(std::move(heightFor))
{
    box_->setParent(this);
    box_->setMinimumSize(0, 0);
    box_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize WholeLines::minimumSizeHint() const { return {box_->minimumSizeHint().width(), heightFor_(minLines_)}; }

QSize WholeLines::sizeHint() const { return minimumSizeHint(); }

void WholeLines::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Line heights may be fractional: count up rather than divide.
    int lines = minLines_;
    while (heightFor_(lines + 1) <= height())
        ++lines;
    lines_ = lines;
    box_->setGeometry(0, 0, width(), heightFor_(lines));
}

}  // namespace app
