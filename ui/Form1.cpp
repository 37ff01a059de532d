#include "ui/Form1.h"

#include "core/TurnConversion.h"
#include "form/Announcement.h"
#include "form/ClockTick.h"
#include "form/Layout.h"
#include "form/NoticeDesign.h"
#include "form/Regional.h"
#include "ui/Announcer.h"
#include "ui/BackspaceQueue.h"
#include "ui/ClockText.h"
#include "ui/CoreText.h"
#include "ui/Entry.h"
#include "ui/FitFont.h"
#include "ui/Look.h"
#include "ui/Notice.h"
#include "ui/QuietLabelAccessible.h"
#include "ui/WindowPlacement.h"

#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <type_traits>

namespace {

QString layoutText(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment alignment(form::Alignment alignment)
{
    switch (alignment) {
    case form::Alignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case form::Alignment::TopCentre:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignCenter;
    }
}

// The settings of each kind of control that the layout table gives, with
// its text as the window shows it.
void setUp(QGroupBox *group, const form::Control &, const QString &text)
{
    group->setTitle(text);
}

void setUp(QLabel *label, const form::Control &control, const QString &text)
{
    label->setText(text);
    label->setAlignment(alignment(control.alignment));
    if (control.border == form::Border::Single) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
    }
    if (control.background != form::kFormBackground) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, ui::LayoutColour(control.background));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
}

void setUp(QLineEdit *edit, const form::Control &control, const QString &text)
{
    edit->setText(text);
    edit->setAlignment(alignment(control.alignment));
    edit->setMaxLength(form::kEntryMaxLength);
}

void setUp(QPushButton *button, const form::Control &, const QString &text)
{
    button->setText(text);
}

void setUp(QTimer *timer, const form::Control &, const QString &)
{
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(form::kClockInterval);
}

// A control of the layout table, named, placed and in its font.
template <typename Control>
Control *make(const form::Control &control, QWidget *parent, char16_t decimal)
{
    auto *made = new Control(parent);
    made->setObjectName(QLatin1StringView(control.name));
    setUp(made, control, layoutText(form::Caption(control, decimal)));
    if constexpr (std::is_base_of_v<QWidget, Control>) {
        made->setGeometry(ui::PlaceInParent(control));
        made->setFont(ui::LayoutFont(control.pointSize, control.bold));
    }
    return made;
}

// The kind of control that a member's type holds.
template <typename Control>
constexpr form::Kind kindOf(Control *Form1::*)
{
    if constexpr (std::is_same_v<Control, QGroupBox>)
        return form::Kind::GroupBox;
    else if constexpr (std::is_base_of_v<QLineEdit, Control>)
        return form::Kind::TextBox;
    else if constexpr (std::is_same_v<Control, QPushButton>)
        return form::Kind::PushButton;
    else if constexpr (std::is_same_v<Control, QTimer>)
        return form::Kind::Timer;
    else
        return form::Kind::Label;
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QLatin1StringView(form::kFormName));
    setWindowTitle(QString::fromStdU16String(std::u16string(form::kTitle)));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ui::FromTwips({0, 0, form::kClientWidth, form::kClientHeight}).size());
    setPalette(ui::LayoutPalette());
    setAutoFillBackground(true);
    setFont(ui::LayoutFont(form::kDialogPointSize));

    const char16_t decimal = core::UserSeparators().decimal;
    for (const form::Control &control : form::kControls)
        create(control, decimal);

    txtinch->setAccessibleName(layoutText(form::AccessibleName(form::Id::txtinch)));
    cmdCalculate->setAutoDefault(true);

    ui::QuietLabelAccessible::makeQuiet(
        lbltime, layoutText(form::AccessibleDescription(form::Id::lbltime)));
    ui::QuietLabelAccessible::makeQuiet(
        lbldate, layoutText(form::AccessibleDescription(form::Id::lbldate)));
    lblwhole->setAccessibleDescription(
        layoutText(form::AccessibleDescription(form::Id::lblwhole)));
    lbldecimal->setAccessibleDescription(
        layoutText(form::AccessibleDescription(form::Id::lbldecimal)));

    setTabOrder(cmdCalculate, txtinch);
    cmdCalculate->setFocus(Qt::OtherFocusReason);

    backspaces = new ui::BackspaceQueue(this);
    notice = new ui::Notice(this);
    announcer = new ui::Announcer(this);
    connect(txtinch, &ui::Entry::edited, notice, &ui::Notice::edited);
    connect(txtinch, &ui::Entry::refused, notice,
            [this](const QString &text) { notice->showText(text, form::NoticeAbout::Entry); });
    connect(cmdCalculate, &QPushButton::clicked, notice, &ui::Notice::dismiss);
    handle(cmdCalculate, &QPushButton::clicked, &Form1::cmdCalculate_Click);
    handle(txtinch, &QLineEdit::textChanged, &Form1::txtinch_Change);
    handle(txtinch, &ui::Entry::focusGained, &Form1::txtinch_GotFocus);
    handle(tmrclock, &QTimer::timeout, &Form1::tmrclock_Timer);
    // After each tick, the next comes just after the next second.
    connect(tmrclock, &QTimer::timeout, this, [this] {
        tmrclock->start(form::ClockTickDelay(QDateTime::currentMSecsSinceEpoch()));
    });

    tmrclock->start();

    new ui::WindowPlacement(this);
}

// Each control's member, by identity: one entry for each row of the layout
// table, in its order, or the program does not compile.
Form1::Member Form1::member(form::Id id)
{
    using form::Id;
    static constexpr struct {
        Id id;
        Member member;
    } members[] = {
        {Id::Frame3, &Form1::Frame3},         {Id::lbltime, &Form1::lbltime},
        {Id::lbldate, &Form1::lbldate},       {Id::tmrclock, &Form1::tmrclock},
        {Id::Frame2, &Form1::Frame2},         {Id::Divisions, &Form1::Divisions},
        {Id::turns, &Form1::turns},           {Id::lbldecimal, &Form1::lbldecimal},
        {Id::lblwhole, &Form1::lblwhole},     {Id::Frame1, &Form1::Frame1},
        {Id::txtinch, &Form1::txtinch},       {Id::Label4, &Form1::Label4},
        {Id::Label2, &Form1::Label2},         {Id::Label1, &Form1::Label1},
        {Id::Label3, &Form1::Label3},         {Id::cmdCalculate, &Form1::cmdCalculate},
    };
    static_assert(std::size(members) == form::kControlCount,
                  "every control of the layout table needs a member");
    static_assert(form::MapsEveryControl(members), "the members are not in table order");
    static_assert(std::ranges::all_of(members, [](const auto &entry) {
                      return std::visit([](auto held) { return kindOf(held); }, entry.member)
                          == form::kControls[entry.id].kind;
                  }),
                  "a member's type does not hold its control's kind");
    return members[form::Index(id)].member;
}

// Creates one control of the layout table as the member of its identity.
void Form1::create(const form::Control &control, char16_t decimal)
{
    std::visit(
        [&](auto held) {
            using Control = std::remove_pointer_t<std::remove_reference_t<decltype(this->*held)>>;
            this->*held = make<Control>(control, parentOf(control), decimal);
        },
        member(control.id));
}

// The window, or the group box that holds the control: created before it.
QWidget *Form1::parentOf(const form::Control &control)
{
    if (control.parent == form::Id::Form1)
        return this;
    return this->*std::get<QGroupBox *Form1::*>(member(control.parent));
}

// Connects a signal to a handler. A ConversionError that leaves the handler
// ends it and is shown to the user here, so that no exception unwinds through
// the event loop.
template <typename Signal, typename Sender>
void Form1::handle(Sender *sender, Signal signal, void (Form1::*handler)())
{
    connect(sender, signal, this, [this, handler] {
        try {
            (this->*handler)();
        } catch (const core::ConversionError &error) {
            showFailure(error);
        }
    });
}

void Form1::cmdCalculate_Click()
{
    if (txtinch->text().isEmpty())
        txtinch->setText(QString::fromStdU16String(std::u16string(form::kDefaultEntryText)));
    const core::Separators separators = core::UserSeparators();
    const double inches = core::ParseDimension(ui::CoreText(txtinch->text()), separators);
    const core::TurnReading reading = core::ConvertToTurns(inches);
    showResult(lblwhole, ui::FromCore(core::FormatTurns(reading.wholeTurns, separators)));
    showResult(lbldecimal, ui::FromCore(core::FormatDivisions(reading.divisions, separators)));
    announcer->announce(ui::FromCore(
        form::SpokenResults(ui::CoreText(lblwhole->text()), ui::CoreText(lbldecimal->text()))));
}

void Form1::txtinch_Change()
{
    if (!core::IsNumericText(ui::CoreText(txtinch->text())))
        backspaces->queue();
}

void Form1::txtinch_GotFocus()
{
    txtinch->setSelection(0, static_cast<int>(txtinch->text().size()));
}

void Form1::tmrclock_Timer()
{
    const QLocale locale = QLocale::system();
    lbltime->setText(ui::FormatClockTime(QTime::currentTime(), locale));
    lbldate->setText(ui::FormatClockDate(QDate::currentDate(), locale));
}

void Form1::showResult(QLabel *box, const QString &text)
{
    box->setText(text);
    ui::FitLabelFont(box, form::kResultPointSize);
}

void Form1::showFailure(const core::ConversionError &error)
{
    notice->showText(
        ui::FromCore(form::NoticeText(error.description(), core::UserSeparators().decimal)),
        form::NoticeAbout::Convert);
}
