#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

class CDialog;

enum class ExchangeDirection {
    ToControls,    // show the data members in the controls
    FromControls,  // read the controls back into the data members
};

// One run of a dialog's data exchange in one direction. An exchange that
// names a control the dialog does not have, or a control of another kind,
// marks the run failed and leaves its data member alone.
class CDataExchange {
public:
    CDataExchange(CDialog &dialog, ExchangeDirection direction);

    ExchangeDirection Direction() const { return m_direction; }
    bool Showing() const { return m_direction == ExchangeDirection::ToControls; }
    CDialog &Dialog() const { return m_dialog; }
    bool Failed() const { return m_failed; }

    // The control with this id as the given widget class, or nullptr (and
    // the run failed) when there is none.
    template <typename Widget>
    Widget *Control(int id)
    {
        auto *widget = qobject_cast<Widget *>(ControlWidget(id));
        if (!widget)
            m_failed = true;
        return widget;
    }

private:
    QWidget *ControlWidget(int id) const;

    CDialog &m_dialog;
    ExchangeDirection m_direction;
    bool m_failed = false;
};

// Check box state. Showing: 0 unchecked, 1 and 2 checked (a flag counts as
// set when it is not 0, and a two-state box has no third look); any other
// value is first set to 0 in the member, so the box shows unchecked.
// Reading: 1 checked, 0 unchecked.
void DDX_Check(CDataExchange &dx, int id, std::int32_t &value);

// Radio group index. The group is the run of controls in template order from
// the radio button `id` up to the next control that starts a group; its
// radio buttons count from 0. Showing checks the button of that number and
// unchecks the others (none checked when the number has no button).
// Reading stores the checked button's number, or -1 when none is checked.
void DDX_Radio(CDataExchange &dx, int id, std::int32_t &value);

// Combo box selection index in display order. Showing selects that entry; -1
// or any other index outside the list leaves no selection and an empty field.
// Reading stores the selected entry's index, or -1 when none is selected.
void DDX_CBIndex(CDataExchange &dx, int id, std::int32_t &value);

// Edit box text, as typed: any length, nothing trimmed or checked. The bytes
// of the member show through the fixed 8-bit code page (AnsiCodePage.h);
// reading turns each character back into its byte, '?' for a character the
// page has no byte for.
void DDX_Text(CDataExchange &dx, int id, std::string &value);
