#include "AcceleratorResource.h"

#include "ResourceIds.h"

const std::vector<AcceleratorResource> *FindAcceleratorTable(int id)
{
    // Table 128 serves the main window and every script window alike.
    static const std::vector<AcceleratorResource> mainFrame{
        {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
        {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
        {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
        {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
        {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
        {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
        {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
        {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
        {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
        {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
        {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
        {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
        {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
    };
    return id == IDR_MAINFRAME ? &mainFrame : nullptr;
}
