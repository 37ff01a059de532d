#include "ui/Form1.h"

#include "core/TurnConversion.h"
#include "form/Advice.h"
#include "ui/ClockText.h"
#include "ui/CoreText.h"
#include "ui/FitFont.h"
#include "ui/FocusNotifier.h"
#include "ui/Keystrokes.h"
#include "ui/Look.h"
#include "ui/Notice.h"
#include "ui/QuietLabelAccessible.h"
#include "ui/WindowPlacement.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kDefaultEntryText = u"0.000"_s;
constexpr qreal kResultPointSize = 24;
constexpr qreal kEntryPointSize = 24;
constexpr int kClockInterval = 1000;

enum class Border { None, Single };

QGroupBox *addGroup(QWidget *parent, const char *name, QRect geometry, const QString &title)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1StringView(name));
    group->setGeometry(geometry);
    group->setFont(ui::LayoutFont(9.75));
    return group;
}

QLabel *addLabel(QWidget *parent, const char *name, QRect geometry, const QString &text,
                 const QFont &font, Qt::Alignment alignment = Qt::AlignCenter,
                 Border border = Border::None, QColor background = ui::kFormBackground)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    if (border == Border::Single) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
    }
    if (background != ui::kFormBackground) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, background);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    using ui::FromTwips;
    using ui::LayoutFont;
    const QFont dialogFont = LayoutFont(ui::kDialogPointSize);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    // The headings' text starts at their top, so that the two, of unequal
    // heights, share a baseline.
    const Qt::Alignment top = Qt::AlignHCenter | Qt::AlignTop;

    setObjectName(u"Form1"_s);
    setWindowTitle(u"Brantile"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(FromTwips(0, 0, 3675, 6495).size());
    setPalette(ui::LayoutPalette());
    setAutoFillBackground(true);
    setFont(dialogFont);

    Frame3 = addGroup(this, "Frame3", FromTwips(600, 4920, 2415, 1335), u"Time Center"_s);
    lbltime = addLabel(Frame3, "lbltime", FromTwips(120, 840, 2175, 375), u"00:00:00 AM"_s,
                       dialogFont);
    lbldate = addLabel(Frame3, "lbldate", FromTwips(360, 360, 1695, 375), u"00/00/0000"_s,
                       LayoutFont(13.5));
    tmrclock = new QTimer(this);
    tmrclock->setObjectName(u"tmrclock"_s);
    tmrclock->setTimerType(Qt::PreciseTimer);
    tmrclock->setInterval(kClockInterval);

    Frame2 = addGroup(this, "Frame2", FromTwips(480, 3240, 2655, 1575), u"Handle Turns"_s);
    Divisions = addLabel(Frame2, "Divisions", FromTwips(1320, 360, 1095, 375), u"Divisions"_s,
                         LayoutFont(12, true), top);
    turns = addLabel(Frame2, "turns", FromTwips(240, 360, 855, 255), u"Turns"_s,
                     LayoutFont(12, true), top);
    lbldecimal = addLabel(Frame2, "lbldecimal", FromTwips(1320, 720, 1095, 615), QString(),
                          LayoutFont(kResultPointSize), Qt::AlignCenter, Border::Single,
                          ui::kTitleBarText);
    lblwhole = addLabel(Frame2, "lblwhole", FromTwips(120, 720, 1095, 615), QString(),
                        LayoutFont(kResultPointSize), Qt::AlignCenter, Border::Single,
                        ui::kTitleBarText);

    Frame1 = addGroup(this, "Frame1", FromTwips(360, 240, 2895, 2415),
                      u"Enter Dimentions Here"_s);
    txtinch = new QLineEdit(kDefaultEntryText, Frame1);
    txtinch->setObjectName(u"txtinch"_s);
    txtinch->setGeometry(FromTwips(240, 1560, 1575, 615));
    txtinch->setFont(LayoutFont(kEntryPointSize));
    txtinch->setAlignment(Qt::AlignCenter);
    txtinch->setMaxLength(6);
    txtinch->setAccessibleName(u"Dimension in inches"_s);
    Label4 = addLabel(Frame1, "Label4", FromTwips(120, 960, 2655, 495), u" .250 does not work"_s,
                      LayoutFont(13.5), Qt::AlignCenter, Border::Single, ui::kWarningBackground);
    Label2 = addLabel(Frame1, "Label2", FromTwips(360, 600, 1935, 375), u"1.250 or 0.250"_s,
                      LayoutFont(13.5));
    Label1 = addLabel(Frame1, "Label1", FromTwips(360, 360, 2055, 255), u"Number formats:"_s,
                      LayoutFont(9.75));
    Label3 = addLabel(Frame1, "Label3", FromTwips(2040, 1680, 735, 375), u"Inch"_s, dialogFont,
                      left);

    cmdCalculate = new QPushButton(u"Convert"_s, this);
    cmdCalculate->setObjectName(u"cmdCalculate"_s);
    cmdCalculate->setGeometry(FromTwips(480, 2760, 2655, 375));
    cmdCalculate->setFont(LayoutFont(12));
    cmdCalculate->setAutoDefault(true);

    ui::QuietLabelAccessible::makeQuiet(lbltime, u"Time"_s);
    ui::QuietLabelAccessible::makeQuiet(lbldate, u"Date"_s);
    lblwhole->setAccessibleDescription(u"Whole turns"_s);
    lbldecimal->setAccessibleDescription(u"Divisions"_s);

    setTabOrder(cmdCalculate, txtinch);
    cmdCalculate->setFocus(Qt::OtherFocusReason);

    notice = new ui::Notice(txtinch);
    connect(txtinch, &QLineEdit::textChanged, notice, &ui::Notice::dismiss);
    connect(cmdCalculate, &QPushButton::clicked, notice, &ui::Notice::dismiss);
    handle(cmdCalculate, &QPushButton::clicked, &Form1::cmdCalculate_Click);
    handle(txtinch, &QLineEdit::textChanged, &Form1::txtinch_Change);
    handle(new ui::FocusNotifier(txtinch), &ui::FocusNotifier::focusGained,
           &Form1::txtinch_GotFocus);
    handle(tmrclock, &QTimer::timeout, &Form1::tmrclock_Timer);
    connect(txtinch, &QLineEdit::textChanged, this,
            [this] { ui::FitEntryFont(txtinch, kEntryPointSize); });

    tmrclock->start();

    new ui::WindowPlacement(this);
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
        txtinch->setText(kDefaultEntryText);
    const core::Separators separators = core::UserSeparators();
    const double inches = core::ParseDimension(ui::CoreText(txtinch->text()), separators);
    const core::TurnReading reading = core::ConvertToTurns(inches);
    showResult(lblwhole, ui::FromCore(core::FormatTurns(reading.wholeTurns, separators)));
    showResult(lbldecimal, ui::FromCore(core::FormatDivisions(reading.divisions, separators)));
}

void Form1::txtinch_Change()
{
    if (!core::IsNumericText(ui::CoreText(txtinch->text())))
        ui::QueueBackspace(this);
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
    ui::FitLabelFont(box, kResultPointSize);
}

void Form1::showFailure(const core::ConversionError &error)
{
    const QString advice = ui::FromCore(form::FailureAdvice(core::UserSeparators().decimal));
    notice->showText(ui::FromCore(error.description()) + u'\n' + advice);
}
