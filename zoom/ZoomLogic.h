// The zoom window's logic, free of any toolkit: the digit count, the two
// views and the write-back on closing, and the text box geometry rule.
// Geometry is in twips (1/1440 inch), as the window's design.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zoom {

using Boolean = std::int16_t;  // true is -1
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

// Design geometry: the client area below the menu bar, the label and the
// text box, and the outer size less client size of the window's frame
// (caption, menu bar and borders).
inline constexpr double kClientWidth = 7860;
inline constexpr double kClientHeight = 6105;
inline constexpr double kLabelTop = 75;
inline constexpr double kLabelHeight = 255;
inline constexpr double kBoxLeft = 135;
inline constexpr double kBoxTop = 375;
inline constexpr double kBoxWidth = 7470;
inline constexpr double kBoxHeight = 5505;
inline constexpr double kFrameWidth = 90;
inline constexpr double kFrameHeight = 495;
// Placement relative to the main window's top-left corner.
inline constexpr double kOffsetLeft = 240;
inline constexpr double kOffsetTop = 990;

// Digits of a readout text: its length without "," less one for a "." and
// less one for a leading "-".
std::int64_t DigitCount(std::string_view readoutText);
// "Count of digits is : " and the count.
std::string DigitCountCaption(std::string_view readoutText);

struct BoxSize {
    double width;
    double height;
};
// Form_Resize: the text box size for a window of the given outer size. Above
// 1,200 twips of height the box is the window height less 1,095; otherwise
// it keeps currentHeight. The width is the window width less 480 (never
// below zero).
BoxSize TextBoxSize(double outerWidth, double outerHeight, double currentHeight);

// The window's state: which view the box shows. The box holds the text
// itself (and the user's edits); the model keeps what the views start from.
class ZoomModel {
public:
    // Form_Load: the digits view of readoutText, which the model shares.
    ZoomModel(std::shared_ptr<const std::string> readoutText, std::string readoutWords);

    // What the box shows on choosing the current view: the readout or the
    // words.
    const std::string& text() const { return numberMode_ != kFalse ? *readout_ : words_; }
    const std::shared_ptr<const std::string>& readout() const { return readout_; }
    const std::string& digitCaption() const { return digitCaption_; }
    Boolean numberMode() const { return numberMode_; }

    // mnuNumber_Click: the readout again (edits are lost).
    void showNumber() { numberMode_ = kTrue; }
    // mnuText_Click: the words.
    void showText() { numberMode_ = kFalse; }
    // Form_Unload: boxText, what the box holds, to write back into the
    // readout in the digits view, unchecked; nothing in the words view.
    std::optional<std::string> unload(std::string boxText) const;

private:
    std::shared_ptr<const std::string> readout_;
    std::string words_;
    std::string digitCaption_;
    Boolean numberMode_ = kTrue;
};

}  // namespace zoom
