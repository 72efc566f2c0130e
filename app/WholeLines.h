// A holder that keeps a text box at a height of whole lines.
//
// The layout gives the holder its room; the box takes the top of it, as
// many whole lines high as fit (never fewer than the minimum), so that no
// line shows cut at its bottom edge. What is left, less than a line, stays
// empty below the box.
#pragma once

#include <QWidget>

#include <functional>

namespace app {

class WholeLines : public QWidget {
public:
    // heightFor(n): the box's height that shows exactly n lines.
    WholeLines(QWidget* box, int minLines, std::function<int(int)> heightFor, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The lines the box shows now.
    int lines() const { return lines_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* box_;
    int minLines_;
    int lines_;
    std::function<int(int)> heightFor_;
};

}  // namespace app
