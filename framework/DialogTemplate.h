#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A dialog described as data: what CDialog builds its window from. Positions
// and sizes are in dialog units, which follow the dialog font (a quarter of
// its average character width across, an eighth of its height down), so a
// layout keeps its proportions with any font and any screen scaling.

struct DluRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const DluRect &) const = default;
};

struct DluSize {
    int width = 0;
    int height = 0;

    bool operator==(const DluSize &) const = default;
};

enum class ControlKind {
    ComboBox,     // drop-down list; its height is the height with the list dropped down
    RadioButton,  // automatic: checking one unchecks the others of its group
    CheckBox,     // automatic two-state check box
    Edit,         // single-line edit box
    PushButton,
    Label,        // static text
    GroupBox,     // frame with a title, drawn behind the controls it surrounds
    Icon,         // the application icon
};

// The control styles that change how a control looks or behaves; a control
// combines several with |. Lists always scroll when dropped, and labels show
// '&' as it is (no control text here carries a keyboard mnemonic).
enum class ControlStyle : std::uint32_t {
    None = 0,
    TabStop = 1u << 0,        // reached with Tab, in template order
    Group = 1u << 1,          // starts a group: ends the radio group before it
    Sorted = 1u << 2,         // combo box: entries in sorted order; the list data comes in that order
    DefaultButton = 1u << 3,  // push button: the one Enter presses when no push button has the focus
    VCenter = 1u << 4,        // text on one line, centred vertically
    Border = 1u << 5,         // edit box: framed
    AutoHScroll = 1u << 6,    // edit box: text scrolls, so it may be longer than the box
    CenterText = 1u << 7,     // label: text centred across
};

constexpr ControlStyle operator|(ControlStyle a, ControlStyle b)
{
    return static_cast<ControlStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

constexpr bool HasStyle(ControlStyle styles, ControlStyle style)
{
    return (static_cast<std::uint32_t>(styles) & static_cast<std::uint32_t>(style)) != 0;
}

enum class DialogStyle : std::uint32_t {
    None = 0,
    ModalFrame = 1u << 0,  // fixed size, no minimise or maximise box
    CloseBox = 1u << 1,    // a close box in the caption
};

constexpr DialogStyle operator|(DialogStyle a, DialogStyle b)
{
    return static_cast<DialogStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

constexpr bool HasStyle(DialogStyle styles, DialogStyle style)
{
    return (static_cast<std::uint32_t>(styles) & static_cast<std::uint32_t>(style)) != 0;
}

// Control texts are 7-bit ASCII.
struct DialogControl {
    int id = -1;  // -1 for controls the program never addresses
    ControlKind kind = ControlKind::Label;
    std::string_view text;
    DluRect rect;
    ControlStyle style = ControlStyle::None;
};

// Controls are listed in template order, which is also the tab order.
struct DialogTemplate {
    int id = 0;
    std::string_view caption;
    DluSize size;
    DialogStyle style = DialogStyle::None;
    std::span<const DialogControl> controls;
};

// The entries a combo box gets when the dialog initialises, in display order.
struct DialogListData {
    int controlId = -1;
    std::span<const std::string_view> entries;
};
