#include "CDataExchange.h"

#include "AnsiCodePage.h"
#include "CDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <vector>

namespace {

constexpr std::int32_t kUnchecked = 0;
constexpr std::int32_t kChecked = 1;
constexpr std::int32_t kHighestKept = 2;  // a check value up to this is kept as given
constexpr std::int32_t kNone = -1;

// The radio buttons of the group that starts at the control with this id,
// in template order; empty when there is no such control.
std::vector<QRadioButton *> RadioGroup(const CDialog &dialog, int id)
{
    const auto &controls = dialog.Template().controls;
    std::size_t first = 0;
    while (first < controls.size() && controls[first].id != id)
        ++first;
    std::vector<QRadioButton *> group;
    for (std::size_t i = first; i < controls.size(); ++i) {
        if (i > first && HasStyle(controls[i].style, ControlStyle::Group))
            break;
        if (auto *radio = qobject_cast<QRadioButton *>(dialog.Controls()[i]))
            group.push_back(radio);
    }
    return group;
}

} // namespace

CDataExchange::CDataExchange(CDialog &dialog, ExchangeDirection direction)
    : m_dialog(dialog)
    , m_direction(direction)
{
}

QWidget *CDataExchange::ControlWidget(int id) const
{
    return m_dialog.GetDlgItem(id);
}

void DDX_Check(CDataExchange &dx, int id, std::int32_t &value)
{
    auto *box = dx.Control<QCheckBox>(id);
    if (!box)
        return;
    if (!dx.Showing()) {
        value = box->isChecked() ? kChecked : kUnchecked;
        return;
    }
    if (value < kUnchecked || value > kHighestKept)
        value = kUnchecked;
    // A two-state box has no third look: 2, a set flag, shows checked.
    box->setChecked(value != kUnchecked);
}

void DDX_Radio(CDataExchange &dx, int id, std::int32_t &value)
{
    if (!dx.Control<QRadioButton>(id))
        return;
    const std::vector<QRadioButton *> group = RadioGroup(dx.Dialog(), id);
    if (!dx.Showing()) {
        value = kNone;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i]->isChecked()) {
                value = static_cast<std::int32_t>(i);
                break;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        QRadioButton *radio = group[i];
        // An automatic radio button refuses to be unchecked while it is the
        // checked one of its group; leaving none checked is allowed here.
        const bool exclusive = radio->autoExclusive();
        radio->setAutoExclusive(false);
        radio->setChecked(value >= 0 && static_cast<std::size_t>(value) == i);
        radio->setAutoExclusive(exclusive);
    }
}

void DDX_CBIndex(CDataExchange &dx, int id, std::int32_t &value)
{
    auto *combo = dx.Control<QComboBox>(id);
    if (!combo)
        return;
    if (!dx.Showing()) {
        value = combo->currentIndex();
        return;
    }
    combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : kNone);
}

void DDX_Text(CDataExchange &dx, int id, std::string &value)
{
    auto *edit = dx.Control<QLineEdit>(id);
    if (!edit)
        return;
    if (dx.Showing())
        edit->setText(AnsiToUnicode(value));
    else
        value = UnicodeToAnsi(edit->text()).toStdString();
}
