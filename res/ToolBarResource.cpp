#include "ToolBarResource.h"

#include "ResourceIds.h"

const ToolBarResource *FindToolBarResource(int id)
{
    static const ToolBarResource mainFrame{
        IDR_MAINFRAME,
        16,
        15,
        ":/res/toolbar/mainframe.svg",
        {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_SEPARATOR, ID_EDIT_CUT, ID_EDIT_COPY,
         ID_EDIT_PASTE, ID_SEPARATOR, ID_GENERATE},
    };
    return id == IDR_MAINFRAME ? &mainFrame : nullptr;
}
