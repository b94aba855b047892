#pragma once

#include "DialogTemplate.h"
#include "ResourceIds.h"

// The About box (IDD_ABOUTBOX).
namespace about_box {

using enum ControlKind;
using enum ControlStyle;

inline constexpr DialogControl kControls[] = {
    {IDC_STATIC, Icon, "", {39, 7, 21, 20}, None},
    {IDC_STATIC, Label, "Mapsmith Version 1.0", {7, 34, 89, 8}, CenterText | Group},
    {IDOK, PushButton, "Close", {27, 85, 50, 14}, DefaultButton | TabStop | Group},
};

} // namespace about_box

inline constexpr DialogTemplate kAboutBoxTemplate{
    IDD_ABOUTBOX,
    "About the Mapsmith",
    {103, 106},
    DialogStyle::ModalFrame | DialogStyle::CloseBox,
    about_box::kControls,
};
