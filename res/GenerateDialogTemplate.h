#pragma once

#include "ControlIds.h"
#include "DialogTemplate.h"
#include "ResourceIds.h"

// The Generate dialog (IDD_GENERATE). Template order is the tab order; the
// labels and group boxes come after the controls they describe and are
// skipped by Tab. The combo boxes' heights are their dropped-down heights.
namespace generate_dialog {

using enum ControlKind;
using enum ControlStyle;

inline constexpr ControlStyle kList = TabStop;
inline constexpr ControlStyle kSortedList = Sorted | TabStop;
inline constexpr ControlStyle kCheck = TabStop;
inline constexpr ControlStyle kLabel = VCenter | Group;

inline constexpr DialogControl kControls[] = {
    {IDC_PLAYER_TERRAIN, ComboBox, "", {73, 19, 86, 104}, kSortedList},
    {IDC_BASE_TERRAIN, ComboBox, "", {209, 19, 93, 104}, kSortedList},
    {IDC_ZONE_OWN_AREA, RadioButton, "Each player has own area", {22, 35, 98, 10}, Group | TabStop},
    {IDC_ZONE_TEAM_AREA, RadioButton, "Players on the same team share an area", {22, 48, 142, 10}, TabStop},
    {IDC_ZONE_SHARED_AREA, RadioButton, "All players share an area", {22, 61, 93, 10}, TabStop},
    {IDC_ZONE_RANDOM_AREA, RadioButton, "Player areas are random", {22, 75, 92, 10}, TabStop},
    {IDC_ZONE_DISTANCE, ComboBox, "", {126, 88, 48, 77}, kList},
    {IDC_AVOID_EDGE, CheckBox, "Avoid the edge of the map", {22, 104, 99, 10}, kCheck},
    {IDC_MIX_WATER, CheckBox, "Mix water for realistic look", {22, 118, 97, 10}, kCheck},
    {IDC_TOWN_CENTER, CheckBox, "Town Center", {22, 153, 57, 10}, kCheck},
    {IDC_VILLAGERS, CheckBox, "Standard Villagers with Scout", {22, 166, 108, 10}, kCheck},
    {IDC_STANDARD_RESOURCES, CheckBox, "Standard Resources", {22, 179, 81, 10}, kCheck},
    {IDC_FISH, CheckBox, "Fish", {22, 192, 29, 10}, kCheck},
    {IDC_EXTRA_RESOURCES, CheckBox, "Extra Random Resources", {22, 205, 97, 10}, kCheck},
    {IDC_REGICIDE, CheckBox, "Regicide Support", {169, 153, 71, 10}, kCheck},
    {IDC_WALLS, CheckBox, "Walls", {169, 166, 33, 10}, kCheck},
    {IDC_WOLVES, CheckBox, "Wolves", {169, 179, 40, 10}, kCheck},
    {IDC_BIRDS, CheckBox, "Birds", {169, 192, 31, 10}, kCheck},
    {IDC_RELICS, CheckBox, "Relics", {169, 205, 35, 10}, kCheck},
    {IDC_COMMENTS, CheckBox, "Instructional Comments", {22, 226, 89, 14}, VCenter | TabStop},
    {IDC_FILENAME, Edit, "", {171, 226, 62, 14}, Border | AutoHScroll | TabStop},
    {IDOK, PushButton, "Generate", {256, 226, 50, 14}, TabStop},
    {IDC_STATIC, Label, "Players are on", {22, 19, 47, 12}, kLabel},
    {IDC_STATIC, Label, "surrounded by", {161, 19, 48, 12}, kLabel},
    {IDC_STATIC, Label, "Distance to other players' lands:", {22, 88, 104, 12}, kLabel},
    {IDC_STATIC, Label, "Filename:", {137, 226, 32, 14}, kLabel},
    {IDC_STATIC, Label, ".rms", {236, 226, 19, 14}, kLabel},
    {IDC_STATIC, GroupBox, "Players' Lands", {7, 7, 299, 129}, None},
    {IDC_STATIC, GroupBox, "Objects", {7, 139, 299, 83}, None},
    {IDCANCEL, PushButton, "Cancel", {256, 244, 50, 14}, TabStop},
};

} // namespace generate_dialog

inline constexpr DialogTemplate kGenerateDialogTemplate{
    IDD_GENERATE,
    "Generate Random Map Script",
    {313, 265},
    DialogStyle::ModalFrame | DialogStyle::CloseBox,
    generate_dialog::kControls,
};
