#include "CGenerateScriptDlg.h"

#include "CDataExchange.h"
#include "ControlIds.h"
#include "GenerateDialogTemplate.h"
#include "generator/ValueLists.h"

#include <array>

namespace {

// The lists show the generator's value lists in their own order, which is
// the order the record's indexes count in.
std::span<const DialogListData> ListData()
{
    static const std::array<DialogListData, 3> lists{{
        {IDC_PLAYER_TERRAIN, PlayerTerrainList.Entries()},
        {IDC_BASE_TERRAIN, BaseTerrainList.Entries()},
        {IDC_ZONE_DISTANCE, ZoneDistanceList.Entries()},
    }};
    return lists;
}

} // namespace

CGenerateScriptDlg::CGenerateScriptDlg(QWidget *parent)
    : CDialog(kGenerateDialogTemplate, ListData(), parent)
{
}

void CGenerateScriptDlg::DoDataExchange(CDataExchange &dx)
{
    GenerationSettings &s = m_settings;
    DDX_Check(dx, IDC_AVOID_EDGE, s.m_bAvoidEdge);
    DDX_CBIndex(dx, IDC_BASE_TERRAIN, s.m_nBaseTerrain);
    DDX_CBIndex(dx, IDC_PLAYER_TERRAIN, s.m_nPlayerTerrain);
    DDX_Radio(dx, IDC_ZONE_OWN_AREA, s.m_nZoneMode);
    DDX_CBIndex(dx, IDC_ZONE_DISTANCE, s.m_nZoneDistance);
    DDX_Text(dx, IDC_FILENAME, s.m_strFileName);
    DDX_Check(dx, IDC_BIRDS, s.m_bBirds);
    DDX_Check(dx, IDC_COMMENTS, s.m_bComments);
    DDX_Check(dx, IDC_EXTRA_RESOURCES, s.m_bExtraResources);
    DDX_Check(dx, IDC_FISH, s.m_bFish);
    DDX_Check(dx, IDC_MIX_WATER, s.m_bMixWater);
    DDX_Check(dx, IDC_REGICIDE, s.m_bRegicide);
    DDX_Check(dx, IDC_RELICS, s.m_bRelics);
    DDX_Check(dx, IDC_STANDARD_RESOURCES, s.m_bStandardResources);
    DDX_Check(dx, IDC_TOWN_CENTER, s.m_bTownCenter);
    DDX_Check(dx, IDC_VILLAGERS, s.m_bVillagers);
    DDX_Check(dx, IDC_WALLS, s.m_bWalls);
    DDX_Check(dx, IDC_WOLVES, s.m_bWolves);
}
