#include "CMapsmithDoc.h"

#include "CMapsmithView.h"

void CMapsmithDoc::Serialize(CArchive &archive)
{
    if (GetViews().empty())
        return;
    if (auto *view = dynamic_cast<CMapsmithView *>(GetViews().front()))
        view->SerializeRaw(archive);
}
