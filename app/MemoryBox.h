// The memory box lblMem: the memory value on one line.
//
// A value wider than the box is cut: as many of its first characters as fit,
// "…", and its digit count ("…  (3,000 digits)"), with the value in the
// tooltip. Values of millions of digits cost no more than short ones: only
// the characters that can show are measured, and the tooltip holds at most
// kTipWhole characters of the value (beyond that its first and last lines
// around "…").
#pragma once

#include <QLabel>
#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

inline constexpr std::size_t kTipWhole = 4000;  // the longest value the tooltip holds whole
inline constexpr std::size_t kTipLine = 80;     // characters per tooltip line
inline constexpr std::size_t kTipHead = 12;     // lines kept from the start of a longer value
inline constexpr std::size_t kTipTail = 2;      // and from its end

// "1 digit", "3,000 digits": the digits of value, signs and points not
// counted.
std::string DigitCountText(std::string_view value);

// The tooltip of a cut value: the value in lines of kTipLine characters
// (only the first kTipHead and last kTipTail lines around a line "…" when it
// is longer than kTipWhole), then a line with its digit count.
std::string MemoryTip(std::string_view value);

class MemoryBox : public QLabel {
public:
    explicit MemoryBox(QWidget* parent = nullptr);
    // The value as the engine keeps it; shown whole when it fits.
    void setValue(std::string value);
    const std::string& value() const { return value_; }
    // True while the box shows only part of the value.
    bool isCut() const { return cut_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();

    std::string value_;
    QString count_;  // "  (3,000 digits)"
    QString tip_;
    bool cut_ = false;
};

}  // namespace app
