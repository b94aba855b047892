#include "CDialog.h"

#include "AfxMainWnd.h"
#include "AnsiCodePage.h"
#include "CDataExchange.h"
#include "ModalHost.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int Scale(int units, double unitPixels, int divisor)
{
    return static_cast<int>(std::lround(units * unitPixels / divisor));
}

// The width a control needs to show its text whole, in pixels; 0 for
// controls that size themselves otherwise.
int NaturalWidth(const QWidget &widget, ControlKind kind)
{
    switch (kind) {
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::PushButton:
        return widget.sizeHint().width();
    case ControlKind::Label: {
        // A label usually stands just left of the control it names: a
        // space's width keeps the two apart.
        const auto &label = static_cast<const QLabel &>(widget);
        return label.fontMetrics().horizontalAdvance(label.text() + QLatin1Char(' '));
    }
    case ControlKind::ComboBox:
    case ControlKind::Edit:
    case ControlKind::GroupBox:
    case ControlKind::Icon:
        break;
    }
    return 0;
}

Qt::WindowFlags DialogFlags(DialogStyle style)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (HasStyle(style, DialogStyle::CloseBox))
        flags |= Qt::WindowCloseButtonHint;
    if (HasStyle(style, DialogStyle::ModalFrame))
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

bool TakesInput(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::GroupBox && kind != ControlKind::Icon;
}

// Keeps a rectangle on the screen area, its top-left corner first when it
// is larger than the area.
QPoint ClampedTopLeft(const QRect &rect, const QRect &area)
{
    const int x = std::max(area.left(), std::min(rect.left(), area.right() + 1 - rect.width()));
    const int y = std::max(area.top(), std::min(rect.top(), area.bottom() + 1 - rect.height()));
    return {x, y};
}

} // namespace

DialogBaseUnits DialogBaseUnits::Of(const QFont &font)
{
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {static_cast<double>(metrics.horizontalAdvance(letters)) / letters.size(),
            static_cast<double>(metrics.ascent() + metrics.descent())};
}

int DialogBaseUnits::ToPixelsX(int dluX) const
{
    return Scale(dluX, averageCharWidth, 4);
}

int DialogBaseUnits::ToPixelsY(int dluY) const
{
    return Scale(dluY, charHeight, 8);
}

CDialog::CDialog(const DialogTemplate &dialogTemplate, std::span<const DialogListData> listData, QWidget *owner)
    : QDialog(nullptr, DialogFlags(dialogTemplate.style))
    , m_template(dialogTemplate)
    , m_owner(owner)
    , m_listData(listData)
{
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    Create();
    if (!OnInitDialog())
        return -1;
    BelongToOwner();
    CentreOverOwner();
    return ModalHost::Current().RunDialog(*this);
}

bool CDialog::UpdateData(ExchangeDirection direction)
{
    CDataExchange dx(*this, direction);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDialog::EndDialog(int result)
{
    done(result);
}

QWidget *CDialog::Owner() const
{
    QWidget *owner = m_owner ? m_owner.data() : AfxGetMainWnd();
    return owner ? owner->window() : nullptr;
}

QWidget *CDialog::GetDlgItem(int id) const
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].id == id)
            return m_controls[i];
    }
    return nullptr;
}

DialogBaseUnits CDialog::BaseUnits() const
{
    return m_units ? *m_units : DialogBaseUnits::Of(font());
}

QRect CDialog::MapDialogRect(const DluRect &rect) const
{
    const DialogBaseUnits units = BaseUnits();
    // Edges are mapped, not sizes, so controls that meet in dialog units
    // meet in pixels too.
    const int left = units.ToPixelsX(rect.x);
    const int top = units.ToPixelsY(rect.y);
    const int right = units.ToPixelsX(rect.x + rect.width);
    const int bottom = units.ToPixelsY(rect.y + rect.height);
    return {left, top, right - left, bottom - top};
}

bool CDialog::OnInitDialog()
{
    if (!FillLists() || !UpdateData(ExchangeDirection::ToControls))
        return false;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (HasStyle(m_template.controls[i].style, ControlStyle::TabStop)) {
            m_controls[i]->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(ExchangeDirection::FromControls))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange &)
{
}

void CDialog::keyPressEvent(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            PressEnter();
            return;
        case Qt::Key_Escape:
            RunCommand(IDCANCEL);
            return;
        case Qt::Key_F1:
            AfxSendMainCommand(ID_HELP);
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

bool CDialog::focusNextPrevChild(bool next)
{
    std::vector<QWidget *> stops;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        QWidget *control = m_controls[i];
        if (HasStyle(m_template.controls[i].style, ControlStyle::TabStop) && control->isEnabled()
            && control->isVisibleTo(this))
            stops.push_back(control);
    }
    if (stops.empty())
        return QDialog::focusNextPrevChild(next);
    const QWidget *focused = focusWidget();
    const auto current = std::find_if(stops.begin(), stops.end(), [focused](const QWidget *stop) {
        return stop == focused || stop->isAncestorOf(focused);
    });
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t target = next ? 0 : count - 1;
    if (current != stops.end())
        target = ((current - stops.begin()) + (next ? 1 : count - 1)) % count;
    stops[static_cast<std::size_t>(target)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void CDialog::accept()
{
    RunCommand(IDOK);
}

void CDialog::reject()
{
    RunCommand(IDCANCEL);
}

void CDialog::Create()
{
    if (!m_controls.empty())
        return;
    setWindowTitle(AnsiToUnicode(m_template.caption));
    for (const DialogControl &control : m_template.controls)
        m_controls.push_back(CreateControl(control));
    m_units = FittingUnits();
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        PlaceControl(m_template.controls[i], m_controls[i]);
    const QSize size = MapDialogRect({0, 0, m_template.size.width, m_template.size.height}).size();
    if (HasStyle(m_template.style, DialogStyle::ModalFrame))
        setFixedSize(size);
    else
        resize(size);
}

QWidget *CDialog::CreateControl(const DialogControl &control)
{
    const QString text = AnsiToUnicode(control.text);
    QWidget *widget = nullptr;
    switch (control.kind) {
    case ControlKind::ComboBox:
        widget = new QComboBox(this);
        break;
    case ControlKind::RadioButton: {
        auto *radio = new QRadioButton(text, this);
        radio->setAutoExclusive(true);
        widget = radio;
        break;
    }
    case ControlKind::CheckBox:
        widget = new QCheckBox(text, this);
        break;
    case ControlKind::Edit: {
        auto *edit = new QLineEdit(this);
        edit->setFrame(HasStyle(control.style, ControlStyle::Border));
        // Text is kept as typed, of any length.
        edit->setMaxLength(std::numeric_limits<int>::max());
        widget = edit;
        break;
    }
    case ControlKind::PushButton: {
        auto *button = new QPushButton(text, this);
        button->setAutoDefault(true);
        button->setDefault(HasStyle(control.style, ControlStyle::DefaultButton));
        connect(button, &QPushButton::clicked, this, [this, id = control.id] { RunCommand(id); });
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        const bool oneLine = HasStyle(control.style, ControlStyle::VCenter);
        label->setWordWrap(!oneLine);
        label->setAlignment((HasStyle(control.style, ControlStyle::CenterText) ? Qt::AlignHCenter : Qt::AlignLeft)
                            | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
        widget = label;
        break;
    }
    case ControlKind::GroupBox: {
        auto *group = new QGroupBox(text, this);
        // A frame behind the controls it surrounds, never in their way.
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->lower();
        widget = group;
        break;
    }
    case ControlKind::Icon: {
        auto *icon = new QLabel(this);
        icon->setAlignment(Qt::AlignCenter);
        widget = icon;
        break;
    }
    }
    if (TakesInput(control.kind))
        widget->setFocusPolicy(HasStyle(control.style, ControlStyle::TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    else
        widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

DialogBaseUnits CDialog::FittingUnits() const
{
    DialogBaseUnits units = DialogBaseUnits::Of(font());
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const DialogControl &control = m_template.controls[i];
        const int natural = NaturalWidth(*m_controls[i], control.kind);
        if (control.rect.width > 0)
            units.averageCharWidth = std::max(units.averageCharWidth, 4.0 * natural / control.rect.width);
    }
    return units;
}

void CDialog::PlaceControl(const DialogControl &control, QWidget *widget)
{
    QRect rect = MapDialogRect(control.rect);
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        // The template gives the height with the list dropped down; the
        // closed box is as tall as the style makes it.
        const int droppedHeight = rect.height();
        rect.setHeight(combo->sizeHint().height());
        const int itemHeight = std::max(1, combo->fontMetrics().height());
        combo->setMaxVisibleItems(std::max(1, (droppedHeight - rect.height()) / itemHeight));
    } else if (control.kind == ControlKind::Icon) {
        const int side = std::min(rect.width(), rect.height());
        static_cast<QLabel *>(widget)->setPixmap(
            QApplication::windowIcon().pixmap(QSize(side, side), devicePixelRatioF()));
    }
    widget->setGeometry(rect);
}

bool CDialog::FillLists()
{
    for (const DialogListData &list : m_listData) {
        auto *combo = qobject_cast<QComboBox *>(GetDlgItem(list.controlId));
        if (!combo)
            return false;
        combo->clear();
        for (const std::string_view entry : list.entries)
            combo->addItem(AnsiToUnicode(entry));
    }
    return true;
}

void CDialog::RunCommand(int id)
{
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

void CDialog::PressEnter()
{
    if (auto *focused = qobject_cast<QPushButton *>(focusWidget())) {
        focused->click();
        return;
    }
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const DialogControl &control = m_template.controls[i];
        if (control.kind == ControlKind::PushButton && HasStyle(control.style, ControlStyle::DefaultButton)) {
            RunCommand(control.id);
            return;
        }
    }
    RunCommand(IDOK);
}

void CDialog::BelongToOwner()
{
    // The window manager keeps the dialog above its owner and with it.
    const QWidget *owner = Owner();
    if (!owner || !owner->windowHandle())
        return;
    winId();
    windowHandle()->setTransientParent(owner->windowHandle());
}

void CDialog::CentreOverOwner()
{
    const QWidget *owner = Owner();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(owner && owner->isVisible() && !owner->isMinimized() ? owner->frameGeometry().center()
                                                                         : area.center());
    move(ClampedTopLeft(frame, area));
}
