#pragma once

#include "DialogTemplate.h"

#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QRect>

#include <optional>
#include <span>
#include <vector>

class CDataExchange;
enum class ExchangeDirection;
class QKeyEvent;

// Dialog base units: the dialog font's average character width and its
// height in pixels. A dialog unit is a quarter of the width across and an
// eighth of the height down.
struct DialogBaseUnits {
    double averageCharWidth = 0;
    double charHeight = 0;

    // The average width is the advance of the 52 letters A-Z a-z divided by
    // 52, kept with its fraction; the height is the font's ascent plus
    // descent.
    static DialogBaseUnits Of(const QFont &font);

    // x * averageCharWidth / 4 and y * charHeight / 8, rounded to nearest.
    int ToPixelsX(int dluX) const;
    int ToPixelsY(int dluY) const;
};

// A modal dialog built from a template given as data. The controls are made
// in template order, which is also the tab order; DoModal runs the dialog
// through the modal host, which disables the main window meanwhile.
//
// Keyboard: Enter presses the push button that has the focus, else the
// template's default button, else runs IDOK; Escape and the close box run
// IDCANCEL; F1 sends ID_HELP to the main window's command route.
class CDialog : public QDialog {
public:
    // listData: the entries the combo boxes get on initialisation, each
    // list in display order (never sorted by the widget). owner: the window
    // the dialog belongs to and centres over; with none, the main window.
    // The owner is not the Qt parent: disabling the owner while the dialog
    // runs must not disable the dialog.
    explicit CDialog(const DialogTemplate &dialogTemplate, std::span<const DialogListData> listData = {},
                     QWidget *owner = nullptr);
    ~CDialog() override;
    CDialog(const CDialog &) = delete;
    CDialog &operator=(const CDialog &) = delete;

    // IDOK or IDCANCEL as the dialog ended, or -1 when it could not be
    // created or initialised.
    int DoModal();

    // Runs the data exchange in one direction; false when it failed.
    bool UpdateData(ExchangeDirection direction);
    void EndDialog(int result);

    // Qt's own ways of ending a dialog (the close box among them) take the
    // same road as the commands IDOK and IDCANCEL.
    void accept() override;
    void reject() override;

    const DialogTemplate &Template() const { return m_template; }
    // The window the dialog runs over: the one given, else the main window.
    QWidget *Owner() const;
    // The first control with this id, or nullptr.
    QWidget *GetDlgItem(int id) const;
    // Every control, in template order (empty before the dialog is created).
    const std::vector<QWidget *> &Controls() const { return m_controls; }

    // The units the dialog is laid out in: those of its font, the width
    // widened where a control's text would not fit its box otherwise (a
    // template sized for one font clips with a wider one). The font's own
    // units until the dialog is created.
    DialogBaseUnits BaseUnits() const;
    QRect MapDialogRect(const DluRect &rect) const;

protected:
    // Fills the lists, shows the data in the controls and gives the focus to
    // the first tab stop; false when a step fails (DoModal then gives -1).
    virtual bool OnInitDialog();
    // IDOK: reads the controls back and ends with IDOK; stays open when the
    // exchange fails.
    virtual void OnOK();
    // IDCANCEL: ends with IDCANCEL without reading the controls.
    virtual void OnCancel();
    // Lists the exchanges of the dialog's data members, in a fixed order
    // that serves both directions. None by default.
    virtual void DoDataExchange(CDataExchange &dx);

    void keyPressEvent(QKeyEvent *event) override;
    // Tab and Shift+Tab visit the template's tab stops in template order,
    // each radio button that is a tab stop included.
    bool focusNextPrevChild(bool next) override;

private:
    void Create();
    QWidget *CreateControl(const DialogControl &control);
    DialogBaseUnits FittingUnits() const;
    void PlaceControl(const DialogControl &control, QWidget *widget);
    bool FillLists();
    void RunCommand(int id);
    void PressEnter();
    void BelongToOwner();
    void CentreOverOwner();

    const DialogTemplate &m_template;
    QPointer<QWidget> m_owner;
    std::span<const DialogListData> m_listData;
    std::vector<QWidget *> m_controls;
    std::optional<DialogBaseUnits> m_units;
};
