#pragma once

// The application title: caption of every message box, the main window's
// title and the name under which settings are kept.
inline constexpr char kAppTitle[] = "Mapsmith";
inline constexpr char kSettingsOrganization[] = "Local AppWizard-Generated Applications";
