#pragma once

#include "CDialog.h"
#include "generator/GenerationSettings.h"

// The Generate dialog: shows a settings record (at the defaults when made)
// and, when the user chooses Generate, reads the choices back into it. The
// record is unchanged when the dialog is cancelled.
class CGenerateScriptDlg : public CDialog {
public:
    explicit CGenerateScriptDlg(QWidget *parent = nullptr);

    GenerationSettings m_settings;

protected:
    void DoDataExchange(CDataExchange &dx) override;
};
