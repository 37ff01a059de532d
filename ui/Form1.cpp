#include "ui/Form1.h"

#include "core/TurnConversion.h"
#include "form/Layout.h"
#include "form/Notice.h"
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

QString layoutText(const char16_t *text)
{
    return QString::fromUtf16(text);
}

QRect place(const form::Control &control)
{
    const form::Rect &r = control.twips;
    return ui::FromTwips(r.left, r.top, r.width, r.height);
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

QLabel *makeLabel(const form::Control &control, QWidget *parent)
{
    auto *label = new QLabel(layoutText(control.text), parent);
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
    return label;
}

QWidget *makeWidget(const form::Control &control, QWidget *parent)
{
    switch (control.kind) {
    case form::Kind::GroupBox:
        return new QGroupBox(layoutText(control.text), parent);
    case form::Kind::TextBox: {
        auto *edit = new QLineEdit(layoutText(control.text), parent);
        edit->setAlignment(alignment(control.alignment));
        edit->setMaxLength(form::kEntryMaxLength);
        return edit;
    }
    case form::Kind::PushButton:
        return new QPushButton(layoutText(control.text), parent);
    default:
        return makeLabel(control, parent);
    }
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QLatin1StringView(form::kFormName));
    setWindowTitle(QString::fromStdU16String(std::u16string(form::kTitle)));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ui::FromTwips(0, 0, form::kClientWidth, form::kClientHeight).size());
    setPalette(ui::LayoutPalette());
    setAutoFillBackground(true);
    setFont(ui::LayoutFont(form::kDialogPointSize));

    for (const form::Control &control : form::kControls)
        create(control);
    Frame3 = findChild<QGroupBox *>(u"Frame3"_s);
    lbltime = findChild<QLabel *>(u"lbltime"_s);
    lbldate = findChild<QLabel *>(u"lbldate"_s);
    Frame2 = findChild<QGroupBox *>(u"Frame2"_s);
    Divisions = findChild<QLabel *>(u"Divisions"_s);
    turns = findChild<QLabel *>(u"turns"_s);
    lbldecimal = findChild<QLabel *>(u"lbldecimal"_s);
    lblwhole = findChild<QLabel *>(u"lblwhole"_s);
    Frame1 = findChild<QGroupBox *>(u"Frame1"_s);
    txtinch = findChild<QLineEdit *>(u"txtinch"_s);
    Label4 = findChild<QLabel *>(u"Label4"_s);
    Label2 = findChild<QLabel *>(u"Label2"_s);
    Label1 = findChild<QLabel *>(u"Label1"_s);
    Label3 = findChild<QLabel *>(u"Label3"_s);
    cmdCalculate = findChild<QPushButton *>(u"cmdCalculate"_s);

    txtinch->setAccessibleName(u"Dimension in inches"_s);
    cmdCalculate->setAutoDefault(true);

    ui::QuietLabelAccessible::makeQuiet(lbltime, u"Time"_s);
    ui::QuietLabelAccessible::makeQuiet(lbldate, u"Date"_s);
    lblwhole->setAccessibleDescription(u"Whole turns"_s);
    lbldecimal->setAccessibleDescription(u"Divisions"_s);

    setTabOrder(cmdCalculate, txtinch);
    cmdCalculate->setFocus(Qt::OtherFocusReason);

    notice = new ui::Notice(this);
    connect(txtinch, &QLineEdit::textChanged, notice, &ui::Notice::dismiss);
    connect(cmdCalculate, &QPushButton::clicked, notice, &ui::Notice::dismiss);
    handle(cmdCalculate, &QPushButton::clicked, &Form1::cmdCalculate_Click);
    handle(txtinch, &QLineEdit::textChanged, &Form1::txtinch_Change);
    handle(new ui::FocusNotifier(txtinch), &ui::FocusNotifier::focusGained,
           &Form1::txtinch_GotFocus);
    handle(tmrclock, &QTimer::timeout, &Form1::tmrclock_Timer);
    connect(txtinch, &QLineEdit::textChanged, this,
            [this] { ui::FitEntryFont(txtinch, form::kEntryPointSize); });

    tmrclock->start();

    new ui::WindowPlacement(this);
}

// Creates one control of the layout table as the member of its name.
void Form1::create(const form::Control &control)
{
    const QString name = QLatin1StringView(control.name);
    if (control.kind == form::Kind::Timer) {
        tmrclock = new QTimer(this);
        tmrclock->setObjectName(name);
        tmrclock->setTimerType(Qt::PreciseTimer);
        tmrclock->setInterval(form::kClockInterval);
        return;
    }
    QWidget *parent = control.parent == form::kFormName
        ? this
        : findChild<QWidget *>(QLatin1StringView(control.parent), Qt::FindDirectChildrenOnly);
    QWidget *widget = makeWidget(control, parent);
    widget->setObjectName(name);
    widget->setGeometry(place(control));
    widget->setFont(ui::LayoutFont(control.pointSize, control.bold));

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
    ui::FitLabelFont(box, form::kResultPointSize);
}

void Form1::showFailure(const core::ConversionError &error)
{
    notice->showText(
        ui::FromCore(form::NoticeText(error.description(), core::UserSeparators().decimal)));
}
